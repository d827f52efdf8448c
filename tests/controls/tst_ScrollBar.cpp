#include "SkinnedSlider.h"
#include "TestSkin.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace {

// Counts the keys and wheel turns that the slider passed on.
class Window : public QWidget
{
public:
    int keysReceived = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++keysReceived; }
};

struct Fixture
{
    SkinImages skin;
    Window window;
    SkinnedSlider* slider = nullptr;

    Fixture()
    {
        installTestPictures(skin);
        skin.setWindowActivated(true);
        window.resize(700, 700);
        slider = new SkinnedSlider(skin, &window);
        slider->move(20, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    // One of the window's three large faders.
    void makeLargeFader()
    {
        slider->setBackPic(220);
        slider->setBarPic(175);
        slider->setDisplayType(SkinnedSlider::Vertical);
        slider->setChangeMinMax(true);
        slider->setMaxValue(80);
        slider->setMinPos(24);
        slider->setMaxPos(280);
        slider->setStableOtherPos(4);
    }
    // One of the two horizontal sliders centred at 80.
    void makeCentredSlider()
    {
        slider->setBackPic(244);
        slider->setBarPic(241);
        slider->setDisplayType(SkinnedSlider::Horizontal);
        slider->setMaxValue(160);
        slider->setMinPos(28);
        slider->setMaxPos(122);
        slider->setStableOtherPos(3);
    }
    QImage picture() const { return slider->grab().toImage(); }
    // Moves the pointer there without a button held. A move to where the pointer already is
    // raises nothing, so it comes from one pixel away.
    static void pointTo(QWidget* widget, QPoint at)
    {
        QTest::mouseMove(widget, at + QPoint(1, 1));
        QTest::mouseMove(widget, at);
    }
};

bool sendWheel(QWidget* target, int delta, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys)
{
    QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      buttons, keys, Qt::NoScrollPhase, false);
    event.setAccepted(false);
    QApplication::sendEvent(target, &event);
    return event.isAccepted();
}

} // namespace

class tst_ScrollBar : public QObject
{
    Q_OBJECT

private slots:
    void largeFaderThumbAndLitPart_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("thumbTop");
        // Value 80 is the top: centre 24, the 30-pixel thumb from row 9. Value 0: centre 280.
        QTest::newRow("top") << 80 << 1.0 << 9;
        QTest::newRow("bottom") << 0 << 1.0 << 265;
        QTest::newRow("top, twice as large") << 80 << 2.0 << 18;
        QTest::newRow("bottom, twice as large") << 0 << 2.0 << 530;
    }
    void largeFaderThumbAndLitPart()
    {
        QFETCH(int, value);
        QFETCH(double, scale);
        QFETCH(int, thumbTop);
        Fixture f;
        f.makeLargeFader();
        f.slider->setValue(value);
        f.slider->setTwipsGeometry(QRectF(300, 300, 38 * 15 * scale, 297 * 15 * scale));
        const QImage image = f.picture();
        const int x = int(10 * scale);
        const int thumbBottom = thumbTop + int(30 * scale) - 1;
        QCOMPARE(image.pixel(x, thumbTop - 1), testColour(220));
        QCOMPARE(image.pixel(x, thumbTop), testColour(175));
        QCOMPARE(image.pixel(x, thumbBottom), testColour(175));
        // Lit from the thumb down to the bottom.
        QCOMPARE(image.pixel(x, thumbBottom + 1), testColour(322));
        QCOMPARE(image.pixel(x, image.height() - 1), testColour(322));
        // The lit part starts at the thumb's centre, beside it as well.
        const int centre = thumbTop + int(15 * scale);
        QCOMPARE(image.pixel(int(2 * scale), centre - 1), testColour(220));
        QCOMPARE(image.pixel(int(2 * scale), centre), testColour(322));
    }

    void centredSliderShowsItsCentrePictureOnlyAtTheCentre_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("thumb");
        QTest::newRow("79") << 79 << 241;
        QTest::newRow("80") << 80 << 242;
        QTest::newRow("81") << 81 << 241;
    }
    void centredSliderShowsItsCentrePictureOnlyAtTheCentre()
    {
        QFETCH(int, value);
        QFETCH(int, thumb);
        Fixture f;
        f.makeCentredSlider();
        f.slider->setValue(value);
        QCOMPARE(f.picture().pixel(75, 10), testColour(thumb));
    }

    void knobIsLitFromTheLeftToTheThumb()
    {
        Fixture f; // the defaults are a band knob: track 245, thumb 175, 56..256
        f.slider->setBackPic(245);
        f.slider->setMaxValue(100);
        f.slider->setValue(50); // centre 156
        const QImage image = f.picture();
        QCOMPARE(image.pixel(155, 2), testColour(324));
        QCOMPARE(image.pixel(156, 2), testColour(245));
        QCOMPARE(image.pixel(156, 7), testColour(175));
    }

    void dragPinsAtTheLimitsAndScrollsOnceThere()
    {
        Fixture f;
        f.makeCentredSlider();
        f.slider->setValue(80);
        QSignalSpy starts(f.slider, &SkinnedSlider::DragStart);
        QSignalSpy scrolls(f.slider, &SkinnedSlider::Scroll);
        QTest::mousePress(f.slider, Qt::LeftButton, {}, QPoint(75, 10));
        QCOMPARE(starts.size(), 1);
        QTest::mouseMove(f.slider, QPoint(300, 10));
        QCOMPARE(f.slider->position(), 160);
        QCOMPARE(scrolls.size(), 1);
        QTest::mouseMove(f.slider, QPoint(400, 10));
        QCOMPARE(scrolls.size(), 1);
        QTest::mouseMove(f.slider, QPoint(-15, 10));
        QCOMPARE(f.slider->position(), 0);
        QCOMPARE(scrolls.size(), 2);
        QTest::mouseMove(f.slider, QPoint(-18, 40));
        QCOMPARE(scrolls.size(), 2);
        QTest::mouseRelease(f.slider, Qt::LeftButton, {}, QPoint(-18, 40));
        QVERIFY(!f.slider->isDragging());
        QTest::mouseMove(f.slider, QPoint(100, 10));
        QCOMPARE(f.slider->position(), 0);
    }

    void dragFollowsThePointerNotTheGrip_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("move");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("scrolls");
        QTest::newRow("same rounded position") << QPoint(75, 10) << QPoint(75, 20) << 80 << 0;
        // (76 - 28) * 160 / 94 = 81.7
        QTest::newRow("one pixel right") << QPoint(75, 10) << QPoint(76, 10) << 82 << 1;
        // Grasped at the thumb's left edge, yet the centre jumps to the pointer.
        QTest::newRow("grasped at the edge") << QPoint(71, 3) << QPoint(71, 3) << 73 << 1;
        QTest::newRow("press beside the thumb") << QPoint(60, 10) << QPoint(30, 10) << 80 << 0;
        QTest::newRow("press on the bottom edge") << QPoint(75, 28) << QPoint(30, 10) << 3 << 1;
        QTest::newRow("press below the thumb") << QPoint(75, 29) << QPoint(30, 10) << 80 << 0;
    }
    void dragFollowsThePointerNotTheGrip()
    {
        QFETCH(QPoint, press);
        QFETCH(QPoint, move);
        QFETCH(int, position);
        QFETCH(int, scrolls);
        Fixture f;
        f.makeCentredSlider();
        f.slider->setValue(80);
        QSignalSpy scrollSpy(f.slider, &SkinnedSlider::Scroll);
        QTest::mousePress(f.slider, Qt::LeftButton, {}, press);
        QTest::mouseMove(f.slider, move);
        QCOMPARE(f.slider->position(), position);
        QCOMPARE(scrollSpy.size(), scrolls);
        QTest::mouseRelease(f.slider, Qt::LeftButton, {}, move);
    }

    void disabledSliderIgnoresDrags()
    {
        Fixture f;
        f.makeCentredSlider();
        f.slider->setValue(80);
        f.slider->setControlEnabled(false);
        QSignalSpy starts(f.slider, &SkinnedSlider::DragStart);
        QTest::mousePress(f.slider, Qt::LeftButton, {}, QPoint(75, 10));
        QTest::mouseMove(f.slider, QPoint(100, 10));
        QTest::mouseRelease(f.slider, Qt::LeftButton, {}, QPoint(100, 10));
        QCOMPARE(starts.size(), 0);
        QCOMPARE(f.slider->position(), 80);
    }

    void keysActOnlyWhileThePointerIsInside_data()
    {
        QTest::addColumn<bool>("inside");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("startValue");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("scrolls");
        QTest::addColumn<bool>("passedOn");
        // A large fader: reversed, so Up and Right raise the exposed value.
        QTest::newRow("Up") << true << true << 40 << int(Qt::Key_Up) << 41 << 1 << false;
        QTest::newRow("Right") << true << true << 40 << int(Qt::Key_Right) << 41 << 1 << false;
        QTest::newRow("Down") << true << true << 40 << int(Qt::Key_Down) << 39 << 1 << false;
        QTest::newRow("Left") << true << true << 40 << int(Qt::Key_Left) << 39 << 1 << false;
        QTest::newRow("Up at the top") << true << true << 80 << int(Qt::Key_Up) << 80 << 0 << false;
        QTest::newRow("Down at the bottom")
            << true << true << 0 << int(Qt::Key_Down) << 0 << 0 << false;
        QTest::newRow("pointer outside")
            << false << true << 40 << int(Qt::Key_Up) << 40 << 0 << true;
        QTest::newRow("disabled swallows")
            << true << false << 40 << int(Qt::Key_Up) << 40 << 0 << false;
        QTest::newRow("other key") << true << true << 40 << int(Qt::Key_A) << 40 << 0 << true;
    }
    void keysActOnlyWhileThePointerIsInside()
    {
        QFETCH(bool, inside);
        QFETCH(bool, enabled);
        QFETCH(int, startValue);
        QFETCH(int, key);
        QFETCH(int, value);
        QFETCH(int, scrolls);
        QFETCH(bool, passedOn);
        Fixture f;
        f.makeLargeFader();
        f.slider->setValue(startValue);
        f.slider->setControlEnabled(enabled);
        Fixture::pointTo(f.slider, QPoint(10, 10));
        QTRY_VERIFY(f.slider->isMouseInside());
        if (!inside) {
            Fixture::pointTo(&f.window, QPoint(5, 5));
            QTRY_VERIFY(!f.slider->isMouseInside());
        }
        QSignalSpy scrollSpy(f.slider, &SkinnedSlider::Scroll);
        QTest::keyClick(f.slider, Qt::Key(key));
        QCOMPARE(f.slider->value(), value);
        QCOMPARE(scrollSpy.size(), scrolls);
        QCOMPARE(f.window.keysReceived > 0, passedOn);
    }

    void wheelNotchesActAsArrowKeys_data()
    {
        QTest::addColumn<int>("delta");
        QTest::addColumn<Qt::MouseButtons>("buttons");
        QTest::addColumn<Qt::KeyboardModifiers>("keys");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("accepted");
        const Qt::MouseButtons none = Qt::NoButton;
        const Qt::KeyboardModifiers plain = Qt::NoModifier;
        QTest::newRow("towards the user") << -120 << none << plain << 39 << true;
        QTest::newRow("away") << 120 << none << plain << 41 << true;
        QTest::newRow("two notches") << 240 << none << plain << 40 << false;
        QTest::newRow("fine wheel") << 15 << none << plain << 40 << false;
        QTest::newRow("with ctrl")
            << -120 << none << Qt::KeyboardModifiers(Qt::ControlModifier) << 40 << false;
        QTest::newRow("with a button")
            << -120 << Qt::MouseButtons(Qt::LeftButton) << plain << 40 << false;
    }
    void wheelNotchesActAsArrowKeys()
    {
        QFETCH(int, delta);
        QFETCH(Qt::MouseButtons, buttons);
        QFETCH(Qt::KeyboardModifiers, keys);
        QFETCH(int, value);
        QFETCH(bool, accepted);
        Fixture f;
        f.makeLargeFader();
        f.slider->setValue(40);
        Fixture::pointTo(f.slider, QPoint(10, 10));
        QTRY_VERIFY(f.slider->isMouseInside());
        QCOMPARE(sendWheel(f.slider, delta, buttons, keys), accepted);
        QCOMPARE(f.slider->value(), value);
    }

    void qKnobRoundTrip_data()
    {
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("read");
        QTest::newRow("1") << 1 << 0 << 1;
        QTest::newRow("30") << 30 << 29 << 30;
        QTest::newRow("31") << 31 << 30 << 31;
        QTest::newRow("33") << 33 << 30 << 31;
        QTest::newRow("75") << 75 << 41 << 75;
        QTest::newRow("beyond the last") << 200 << 41 << 75;
    }
    void qKnobRoundTrip()
    {
        QFETCH(int, written);
        QFETCH(int, position);
        QFETCH(int, read);
        Fixture f;
        f.slider->setMaxValue(41);
        f.slider->setIsQ(true);
        f.slider->setValue(written);
        QCOMPARE(f.slider->position(), position);
        QCOMPARE(f.slider->value(), read);
    }

    void settingValueRaisesNothing()
    {
        Fixture f;
        QSignalSpy scrolls(f.slider, &SkinnedSlider::Scroll);
        f.slider->setValue(10);
        f.slider->setMaxValue(20);
        QCOMPARE(scrolls.size(), 0);
        QCOMPARE(f.slider->position(), 10);
        f.slider->setValue(99);
        QCOMPARE(f.slider->value(), 20);
    }
};

QTEST_MAIN(tst_ScrollBar)
#include "tst_ScrollBar.moc"
