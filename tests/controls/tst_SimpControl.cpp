#include "SimpControl.h"
#include "TestSkin.h"
#include "Twips.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

struct Fixture
{
    SkinImages skin;
    QWidget window;
    SimpControl* control = nullptr;

    Fixture()
    {
        installTestPictures(skin);
        skin.setWindowActivated(true);
        window.resize(1700, 300);
        control = new SimpControl(skin, &window);
        window.show();
    }
    QRgb pixel(int x, int y) const { return control->grab().toImage().pixel(x, y); }
};

// The events a control raised, in order, as "MouseDown 1 0 150 75" and "Click".
class EventLog
{
public:
    explicit EventLog(SimpControl* control)
    {
        QObject::connect(control, &SimpControl::Click, control, [this] { m_events << "Click"; });
        QObject::connect(
            control, &SimpControl::MouseDown, control,
            [this](int button, int shift, float x, float y) {
                m_events
                    << QStringLiteral("MouseDown %1 %2 %3 %4").arg(button).arg(shift).arg(x).arg(y);
            });
    }
    QStringList take() { return std::exchange(m_events, {}); }

private:
    QStringList m_events;
};

} // namespace

class tst_SimpControl : public QObject
{
    Q_OBJECT

private slots:
    void pressAndReleaseByActionType_data()
    {
        QTest::addColumn<int>("actionType");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QStringList>("onPress");
        QTest::addColumn<int>("valueWhilePressed");
        QTest::addColumn<QStringList>("onRelease");
        QTest::addColumn<int>("valueAfter");
        const QString down = QStringLiteral("MouseDown 1 0 60 45");
        QTest::newRow("toggle") << 0 << true << QStringList{down, "Click"} << 1 << QStringList{}
                                << 1;
        QTest::newRow("momentary")
            << 1 << true << QStringList{down} << 1 << QStringList{"Click"} << 0;
        QTest::newRow("notify only")
            << 2 << true << QStringList{down, "Click"} << 0 << QStringList{} << 0;
        QTest::newRow("unknown action")
            << 7 << true << QStringList{down} << 0 << QStringList{} << 0;
        QTest::newRow("momentary, disabled")
            << 1 << false << QStringList{} << 0 << QStringList{} << 0;
        QTest::newRow("toggle, disabled") << 0 << false << QStringList{} << 0 << QStringList{} << 0;
    }
    void pressAndReleaseByActionType()
    {
        QFETCH(int, actionType);
        QFETCH(bool, enabled);
        QFETCH(QStringList, onPress);
        QFETCH(int, valueWhilePressed);
        QFETCH(QStringList, onRelease);
        QFETCH(int, valueAfter);
        Fixture f;
        f.control->setActionType(actionType);
        f.control->setControlEnabled(enabled);
        EventLog log(f.control);
        QTest::mousePress(f.control, Qt::LeftButton, {}, QPoint(4, 3));
        QCOMPARE(log.take(), onPress);
        QCOMPARE(f.control->value(), valueWhilePressed);
        QTest::mouseRelease(f.control, Qt::LeftButton, {}, QPoint(4, 3));
        QCOMPARE(log.take(), onRelease);
        QCOMPARE(f.control->value(), valueAfter);
    }

    void toggleTwiceClicksTwiceAndReturnsToZero()
    {
        Fixture f;
        f.control->setActionType(SimpControl::Toggle);
        QSignalSpy clicks(f.control, &SimpControl::Click);
        QTest::mouseClick(f.control, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseClick(f.control, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(clicks.size(), 2);
        QCOMPARE(f.control->value(), 0);
    }

    void mouseDownArguments_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("expected");
        QTest::newRow("right with shift")
            << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier)
            << "MouseDown 2 1 150 75";
        QTest::newRow("middle with ctrl and alt")
            << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier)
            << "MouseDown 4 6 150 75";
    }
    void mouseDownArguments()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, expected);
        Fixture f;
        EventLog log(f.control);
        QTest::mousePress(f.control, button, modifiers, QPoint(10, 5));
        QCOMPARE(log.take(), QStringList{expected});
        QTest::mouseRelease(f.control, button, modifiers, QPoint(10, 5));
    }

    void mouseMoveIsRaisedEvenWhenDisabled()
    {
        Fixture f;
        f.control->setControlEnabled(false);
        QSignalSpy moves(f.control, &SimpControl::MouseMove);
        QSignalSpy downs(f.control, &SimpControl::MouseDown);
        QTest::mouseMove(f.control, QPoint(7, 9));
        QTRY_VERIFY(!moves.isEmpty());
        QCOMPARE(moves.last().at(2).toFloat(), 7.0f * TwipsPerPixel);
        QCOMPARE(moves.last().at(3).toFloat(), 9.0f * TwipsPerPixel);
        QTest::mouseClick(f.control, Qt::LeftButton, {}, QPoint(7, 9));
        QVERIFY(downs.isEmpty());
    }

    void settingPropertiesRaisesNothing()
    {
        Fixture f;
        EventLog log(f.control);
        f.control->setValue(1);
        f.control->setPics(QStringLiteral("140"));
        f.control->setActionType(SimpControl::Toggle);
        QCOMPARE(log.take(), QStringList{});
    }

    void stateShowsOnThePictureAtValueIndexOnly()
    {
        Fixture f;
        f.control->setPics(QStringLiteral("101,110"));
        f.control->setPosX(QStringLiteral("0,10"));
        f.control->setPosY(QStringLiteral("0,4"));
        f.control->setValue(2);
        QCOMPARE(f.control->size(), QSize(1582, 51));
        const QImage image = f.control->grab().toImage();
        QCOMPARE(image.pixel(0, 0), testColour(103));
        QCOMPARE(image.pixel(1581, 50), testColour(103));
        QCOMPARE(image.pixel(10, 4), testColour(110));
        QCOMPARE(image.pixel(10 + 515, 4 + 44), testColour(110));
        QCOMPARE(image.pixel(10 + 516, 4), testColour(103));
        QCOMPARE(image.pixel(9, 4), testColour(103));
    }

    void momentaryButtonShowsThePressedPictureWhilePressed()
    {
        Fixture f;
        f.control->setPics(QStringLiteral("102"));
        QCOMPARE(f.pixel(5, 5), testColour(102));
        QTest::mousePress(f.control, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.pixel(5, 5), testColour(103));
        QTest::mouseRelease(f.control, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.pixel(5, 5), testColour(102));
    }

    void artworkScalesWithTheWidth_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("design size") << 1.0;
        QTest::newRow("twice") << 2.0;
        QTest::newRow("half") << 0.5;
    }
    void artworkScalesWithTheWidth()
    {
        QFETCH(double, scale);
        Fixture f;
        // A 55x55 panel with a 32x33 picture at (10, 12) on it.
        f.control->setPics(QStringLiteral("144,102"));
        f.control->setPosX(QStringLiteral("0,10"));
        f.control->setPosY(QStringLiteral("0,12"));
        QCOMPARE(f.control->designWidth(), 55 * TwipsPerPixel);
        const double side = 55 * TwipsPerPixel * scale;
        f.control->setTwipsGeometry(QRectF(0, 0, side, side));
        const QImage image = f.control->grab().toImage();
        const auto at = [scale](double x) {
            return int(x * scale);
        };
        QCOMPARE(image.pixel(at(10), at(12)), testColour(102));
        QCOMPARE(image.pixel(at(10 + 32) - 1, at(12 + 33) - 1), testColour(102));
        QCOMPARE(image.pixel(at(10) - 1, at(12)), testColour(144));
        QCOMPARE(image.pixel(at(10 + 32), at(12 + 33)), testColour(144));
    }

    void highCutPictureReplacesTheFirst()
    {
        Fixture f;
        f.control->setPics(QStringLiteral("363")); // 53x23
        f.control->setBackColor(0x123456);
        f.control->setValue(1);
        f.control->setUserHightCutPic(true);
        const QImage image = f.control->grab().toImage();
        // 396 (395 + Value) at the 51x20 of 395; the rest is the background colour.
        QCOMPARE(image.pixel(0, 0), testColour(396));
        QCOMPARE(image.pixel(50, 19), testColour(396));
        QCOMPARE(image.pixel(51, 0), qRgb(0x12, 0x34, 0x56));
        QCOMPARE(image.pixel(0, 20), qRgb(0x12, 0x34, 0x56));
    }

    void paintingReusesTheCachedPicture()
    {
        Fixture f;
        f.control->setPics(QStringLiteral("102"));
        f.control->grab();
        const int renders = f.control->renderCount();
        f.control->grab();
        f.control->repaint();
        QCOMPARE(f.control->renderCount(), renders);
        f.control->setValue(1);
        f.control->grab();
        QCOMPARE(f.control->renderCount(), renders + 1);
    }

    // The window draws its pictures ahead while it waits for its first activation; the
    // activation then only shows them.
    void pictureDrawnBeforeActivationIsShownAfterIt()
    {
        Fixture f;
        f.skin.setWindowActivated(false);
        f.control->setPics(QStringLiteral("102"));
        f.control->prepareBuffer();
        const int renders = f.control->renderCount();
        f.skin.setWindowActivated(true);
        QCOMPARE(f.pixel(0, 0), testColour(102));
        QCOMPARE(f.control->renderCount(), renders);
    }
};

QTEST_MAIN(tst_SimpControl)
#include "tst_SimpControl.moc"
