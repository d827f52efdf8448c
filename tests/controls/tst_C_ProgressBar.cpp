#include "C_ProgressBar.h"
#include "TestSkin.h"

#include <QTest>

namespace {

constexpr QRgb Yellow = qRgb(255, 255, 0);
constexpr QRgb Grey = qRgb(192, 192, 192);
// Well below the message, which starts 3 pixels from the top.
constexpr int SampleRow = 50;

struct Fixture
{
    SkinImages skin;
    QWidget window;
    C_ProgressBar* bar = nullptr;

    Fixture()
    {
        skin.setWindowActivated(true);
        window.resize(500, 100);
        bar = new C_ProgressBar(skin, &window);
        bar->setGeometry(0, 0, 400, 60);
        window.show();
    }
    QImage picture() const { return bar->grab().toImage(); }
};

} // namespace

class tst_C_ProgressBar : public QObject
{
    Q_OBJECT

private slots:
    void halfwayRevealsHalfTheGradient()
    {
        Fixture f;
        f.bar->setValue(50);
        const QImage image = f.picture();
        QCOMPARE(image.pixel(0, 0), Yellow);
        QCOMPARE(image.pixel(399, 59), Yellow);
        QCOMPARE(image.pixel(0, SampleRow), Yellow);
        QCOMPARE(image.pixel(399, SampleRow), Yellow);
        // Column i sits at x = 1 + i: 0 to 196 in the gradient, 197 to 396 grey.
        QCOMPARE(image.pixel(1, SampleRow), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(1 + 196, SampleRow), qRgb(129, 0, 126));
        QCOMPARE(image.pixel(1 + 197, SampleRow), Grey);
        QCOMPARE(image.pixel(1 + 396, SampleRow), Grey);
        QCOMPARE(image.pixel(1 + 196, 1), qRgb(129, 0, 126));
        QCOMPARE(image.pixel(1 + 196, 58), qRgb(129, 0, 126));
    }

    void aValueAboveTheMaximumFillsTheBar()
    {
        Fixture f;
        f.bar->setValue(150);
        QCOMPARE(f.bar->value(), 100);
        // The last column, 396 of 397.
        QCOMPARE(f.picture().pixel(1 + 396, SampleRow), qRgb(1, 0, 254));
    }

    void aLoweredMaximumLeavesOnlyTheFrameAndMessage()
    {
        Fixture f;
        f.bar->setValue(80);
        f.bar->setMaxValue(50);
        QCOMPARE(f.bar->value(), 80);
        const QImage image = f.picture();
        QCOMPARE(image.pixel(0, SampleRow), Yellow);
        QCOMPARE(image.pixel(1, SampleRow), C_ProgressBar::Background);
        QCOMPARE(image.pixel(300, SampleRow), C_ProgressBar::Background);
        f.bar->setValue(20);
        QCOMPARE(f.picture().pixel(1, SampleRow), qRgb(255, 0, 0));
    }

    void theMessageIsShown()
    {
        Fixture f;
        f.bar->setGeometry(0, 0, 700, 60);
        const QImage image = f.picture();
        int dark = 0;
        for (int y = 3; y < 20; ++y) {
            for (int x = 100; x < 400; ++x) {
                dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
            }
        }
        QVERIFY2(dark > 200, qPrintable(QString::number(dark)));
    }

    void neverLowerThan25Pixels()
    {
        Fixture f;
        f.bar->setGeometry(0, 0, 400, 10);
        QCOMPARE(f.bar->height(), 25);
        f.bar->setTwipsGeometry(QRectF(0, 0, 6000, 150));
        QCOMPARE(f.bar->height(), 25);
    }
};

QTEST_MAIN(tst_C_ProgressBar)
#include "tst_C_ProgressBar.moc"
