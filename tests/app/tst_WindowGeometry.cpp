#include "WindowGeometry.h"

#include <QTest>

class tst_WindowGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initialSize_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("available");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QSize(1920, 1080) << 1582.0 << 900.0;
        QTest::newRow("1920 x 1080 with a panel")
            << QSize(1920, 1080) << QSize(1920, 1040) << 1582.0 << 900.0;
        QTest::newRow("1366 x 768") << QSize(1366, 768) << QSize(1366, 740) << 1265.6 << 720.0;
        QTest::newRow("1440 x 900")
            << QSize(1440, 900) << QSize(1440, 900) << 1582.0 * 800 / 900 << 800.0;
        QTest::newRow("1440 x 900 with a tall panel")
            << QSize(1440, 900) << QSize(1440, 760) << 1582.0 * 760 / 900 << 760.0;
        QTest::newRow("1400 x 1050")
            << QSize(1400, 1050) << QSize(1400, 1050) << 1582.0 * 780 / 900 << 780.0;
        // The height rule alone would give 1584 x 901 and 1188 x 676: wider than the screen.
        QTest::newRow("1280 x 1024, fitted to the width")
            << QSize(1280, 1024) << QSize(1280, 1024) << 1280.0 << 1280 * 900 / 1582.0;
        QTest::newRow("1024 x 768, fitted to the width")
            << QSize(1024, 768) << QSize(1024, 768) << 1024.0 << 1024 * 900 / 1582.0;
        QTest::newRow("1080 x 1920, turned")
            << QSize(1080, 1920) << QSize(1080, 1920) << 1080.0 << 1080 * 900 / 1582.0;
    }

    void initialSize()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, available);
        QFETCH(double, width);
        QFETCH(double, height);
        const QSizeF size = WindowGeometry::initialSize(screen, available);
        QVERIFY(qFuzzyCompare(size.width(), width));
        QVERIFY(qFuzzyCompare(size.height(), height));
    }

    void gripSize_data()
    {
        QTest::addColumn<int>("dy");
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QSize>("size");
        const QSize screen(1920, 1080);
        QTest::newRow("down") << 90 << screen << QSize(1740, 990);
        QTest::newRow("up") << -180 << screen << QSize(1266, 720);
        QTest::newRow("down past the screen's height") << 500 << screen << QSize(1898, 1080);
        QTest::newRow("down past a narrow screen's width")
            << 500 << QSize(1280, 1024) << QSize(1280, 728);
        QTest::newRow("up hard stops at half the design") << -880 << screen << QSize(791, 450);
        QTest::newRow("a screen smaller than that") << -100 << QSize(640, 400) << QSize(791, 450);
    }

    void gripSize()
    {
        QFETCH(int, dy);
        QFETCH(QSize, available);
        QFETCH(QSize, size);
        QCOMPARE(WindowGeometry::gripSize(900, dy, available), size);
    }
};

QTEST_GUILESS_MAIN(tst_WindowGeometry)
#include "tst_WindowGeometry.moc"
