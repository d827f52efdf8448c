#include "SimpControl.h"
#include "SkinnedSlider.h"
#include "TestSkin.h"

#include <QApplication>
#include <QTest>

// On a screen of two device pixels per logical pixel the controls draw at the full density: the
// cached picture has the screen's ratio, and a picture's edge falls on a device pixel boundary.
class tst_HighDensity : public QObject
{
    Q_OBJECT

private slots:
    void drawsAtTheScreenDensity()
    {
        SkinImages skin;
        installTestPictures(skin);
        skin.setWindowActivated(true);
        QWidget window;
        window.resize(200, 200);
        auto* button = new SimpControl(skin, &window);
        button->setPics(QStringLiteral("144,102"));
        button->setPosX(QStringLiteral("0,10"));
        button->setPosY(QStringLiteral("0,12"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(button->devicePixelRatioF(), 2.0);

        const QImage image = button->grab().toImage();
        QCOMPARE(button->cachedPicture().size(), QSize(110, 110));
        QCOMPARE(button->cachedPicture().devicePixelRatio(), 2.0);
        QCOMPARE(image.size(), QSize(110, 110));
        QCOMPARE(image.pixel(19, 24), testColour(144));
        QCOMPARE(image.pixel(20, 24), testColour(102));
        QCOMPARE(image.pixel(20 + 63, 24 + 65), testColour(102));
        QCOMPARE(image.pixel(20 + 64, 24 + 65), testColour(144));
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_HighDensity test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_HighDensity.moc"
