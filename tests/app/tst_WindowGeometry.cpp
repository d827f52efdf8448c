#include "WindowGeometry.h"

#include <QTest>

class tst_WindowGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initialSize_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 1582.0 << 900.0;
        QTest::newRow("1366 x 768") << QSize(1366, 768) << 1265.6 << 720.0;
        QTest::newRow("1440 x 900") << QSize(1440, 900) << 1582.0 * 800 / 900 << 800.0;
        QTest::newRow("1400 x 1050") << QSize(1400, 1050) << 1582.0 * 780 / 900 << 780.0;
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << 1582.0 * 901.12 / 900 << 901.12;
        QTest::newRow("1080 x 1920, turned")
            << QSize(1080, 1920) << 1582.0 * 1689.6 / 900 << 1689.6;
    }

    void initialSize()
    {
        QFETCH(QSize, screen);
        QFETCH(double, width);
        QFETCH(double, height);
        const QSizeF size = WindowGeometry::initialSize(screen);
        QVERIFY(qFuzzyCompare(size.width(), width));
        QVERIFY(qFuzzyCompare(size.height(), height));
    }
};

QTEST_GUILESS_MAIN(tst_WindowGeometry)
#include "tst_WindowGeometry.moc"
