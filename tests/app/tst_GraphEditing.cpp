#include "BandEncoding.h"
#include "BandTable.h"
#include "EqGraphView.h"
#include "Form.h"
#include "MainWindowHarness.h"
#include "NumericBandEntry.h"
#include "RedrawRateMeter.h"
#include "RefreshFlags.h"
#include "ShowNumber.h"
#include "SimpControl.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QWheelEvent>

namespace {

// The music group at the factory: band 0 at 56 Hz (address 0x03) ... band 6, then the low cut
// (record 7, address 0x01). Everything flat with Q 1.4.
constexpr int Band0 = 0x03;
constexpr int LowCut = 0x01;
constexpr int LowCutRecord = 7;

EqGraphView* graphOf(const MainWindowHarness& h)
{
    return qobject_cast<EqGraphView*>(h.c().graph);
}

// Where a band record's marker is drawn.
QPoint markerOf(MainWindowHarness& h, int record)
{
    const EqBand& band = h.bands().band(record);
    const GraphGeometry& g = graphOf(h)->geometry();
    return {qRound(g.FreqToX(band.Frequency)), qRound(g.DbToY(band.Gain))};
}

// The window showing a band's three stored bytes as they are set here.
void setBand(MainWindowHarness& h, int address, ParamStore::Fields fields)
{
    h.model.store().setFields(0, address, fields);
    h.window.RefreshControls(Refresh::Everything);
}

void turnWheel(QWidget* widget, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               Qt::MouseButtons buttons = Qt::NoButton, QPointF at = QPointF(-1, -1))
{
    if (at.x() < 0) {
        at = QPointF(widget->width() / 2.0, widget->height() / 2.0);
    }
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), buttons, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

// A move with the left button held and the given keys.
void dragTo(QWidget* widget, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                      modifiers);
    QApplication::sendEvent(widget, &event);
}

// Timer7 steps the band a little after the last notch.
void waitForWheelSteps(const MainWindowHarness& h)
{
    const QTimer* wheelStep = h.form().timer(QStringLiteral("Timer7"));
    QTest::qWait(2 * wheelStep->interval());
    QTRY_VERIFY(!wheelStep->isActive());
}

} // namespace

class tst_GraphEditing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A press takes hold of a marker up to 13 pixels from its centre each way, and the graph
    // takes the keyboard focus.
    void pressSelectsTheMarkerInReach_data()
    {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<bool>("selects");
        QTest::newRow("13 right, 13 down") << QPoint(13, 13) << true;
        QTest::newRow("13 left, 13 up") << QPoint(-13, -13) << true;
        QTest::newRow("14 right") << QPoint(14, 0) << false;
        QTest::newRow("14 down") << QPoint(0, 14) << false;
    }

    void pressSelectsTheMarkerInReach()
    {
        QFETCH(QPoint, offset);
        QFETCH(bool, selects);
        MainWindowHarness h;
        EqGraphView* graph = graphOf(h);
        QTest::mousePress(graph, Qt::LeftButton, {}, markerOf(h, 3) + offset);
        QTest::mouseRelease(graph, Qt::LeftButton, {}, markerOf(h, 3) + offset);
        QCOMPARE(h.bands().CurrentBand(), selects ? 3 : 0);
        QCOMPARE(h.c().bandMarkers[3]->value(), selects ? 1 : 0);
        QVERIFY(graph->hasFocus());
    }

    // A drag stops at the limits: the frequency range of the band, +15 dB, a cut's 0 dB.
    void dragStopsAtTheLimits_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("frequencyIndex");
        QTest::addColumn<int>("gainByte");
        QTest::newRow("music low cut far right: 230 Hz")
            << LowCutRecord << QPoint(1700, 180) << LowCut << 54 << 75;
        QTest::newRow("a cut dragged up stays at 0 dB")
            << LowCutRecord << QPoint(100, 20) << LowCut << 2 << 75; // 22 Hz, the nearest
        QTest::newRow("peaking band above the top: +15 dB, not +16")
            << 0 << QPoint(891, -40) << Band0 << 131 << 0; // 1 kHz
        QTest::newRow("peaking band below the bottom, left of the picture: 18 Hz, -15 dB")
            << 0 << QPoint(-50, 500) << Band0 << 0 << 150;
    }

    void dragStopsAtTheLimits()
    {
        QFETCH(int, record);
        QFETCH(QPoint, to);
        QFETCH(int, address);
        MainWindowHarness h;
        EqGraphView* graph = graphOf(h);
        QTest::mousePress(graph, Qt::LeftButton, {}, markerOf(h, record));
        QTest::mouseMove(graph, to);
        QTest::mouseRelease(graph, Qt::LeftButton, {}, to);
        QTEST(int(h.model.store().value(ParamField::Value, 0, address)), "frequencyIndex");
        QTEST(int(h.model.store().value(ParamField::Gain, 0, address)), "gainByte");
        // The band record, its marker and the knobs follow the store.
        const EqBand& band = h.bands().band(record);
        QCOMPARE(int(band.Frequency),
                 BandEncoding::FreqFromIndex(h.model.store().value(ParamField::Value, 0, address)));
        QCOMPARE(h.c().frequencyKnob->value(),
                 int(h.model.store().value(ParamField::Value, 0, address)));
    }

    // Taking hold of a marker moves nothing: a drag moves the band as far as the pointer moved
    // (a tenth as far with Shift) onto the nearest steps, and keeps what the pointer did not
    // move. The factory music group is flat with Q 1.4.
    void dragMovesOnlyWhatThePointerMoved_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<QPoint>("grabbedAt"); // from the marker's centre
        QTest::addColumn<QPoint>("moved");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<int>("frequencyIndex");
        QTest::addColumn<int>("gainByte");
        QTest::newRow("EQ 5 straight up keeps 2500 Hz")
            << 4 << QPoint() << QPoint(0, -40) << false << 146 << 56; // +3.8 dB
        QTest::newRow("56 Hz grabbed off centre, straight down")
            << 0 << QPoint(9, -7) << QPoint(0, 30) << false << 19 << 89;
        QTest::newRow("sideways keeps the gain, 400 Hz onto the 1 kHz line")
            << 2 << QPoint(0, 2) << QPoint(890 - 701, 0) << false << 131 << 75;
        QTest::newRow("Shift: a tenth as far")
            << 4 << QPoint() << QPoint(0, -100) << true << 146 << 70; // 10 pixels: +1.0 dB
    }

    void dragMovesOnlyWhatThePointerMoved()
    {
        QFETCH(int, record);
        QFETCH(QPoint, grabbedAt);
        QFETCH(QPoint, moved);
        QFETCH(bool, shift);
        MainWindowHarness h;
        EqGraphView* graph = graphOf(h);
        const int address = h.bands().band(record).Address;
        const QPoint press = markerOf(h, record) + grabbedAt;
        QTest::mousePress(graph, Qt::LeftButton, shift ? Qt::ShiftModifier : Qt::NoModifier, press);
        for (int step = 1; step <= 10; ++step) {
            dragTo(graph, press + moved * step / 10, shift ? Qt::ShiftModifier : Qt::NoModifier);
        }
        QTest::mouseRelease(graph, Qt::LeftButton, {}, press + moved);
        QTEST(int(h.model.store().value(ParamField::Value, 0, address)), "frequencyIndex");
        QTEST(int(h.model.store().value(ParamField::Gain, 0, address)), "gainByte");
    }

    // A drag step that changes no byte does nothing: no frame, no undo point, no redraw.
    void stillDragStepsDoNothing()
    {
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        EqGraphView* graph = graphOf(h);
        const QPoint below = markerOf(h, 3) + QPoint(0, 250);
        QTest::mousePress(graph, Qt::LeftButton, {}, markerOf(h, 3));
        dragTo(graph, below);
        QTRY_COMPARE(graph->PendingSendBand(), int(EqGraphView::NoBand));
        const QStringList frames = h.frames();
        const int undoPos = h.undoHistory().UndoPos();
        const int redraws = graph->redrawCount();
        for (int move = 0; move < 300; ++move) {
            dragTo(graph, below + QPoint(0, move % 40));
        }
        QTest::qWait(20);
        QTest::mouseRelease(graph, Qt::LeftButton, {}, below);
        QCOMPARE(int(h.model.store().value(ParamField::Gain, 0, 0x06)), 150);
        QCOMPARE(h.frames(), frames);
        QCOMPARE(h.undoHistory().UndoPos(), undoPos);
        QCOMPARE(graph->redrawCount(), redraws);
    }

    // The window starts with the graph focused. A click that gives it the focus only focuses it;
    // with the focus, a click beside the selected marker steps it.
    void clickThatFocusesOnlyFocuses_data()
    {
        QTest::addColumn<int>("before"); // 1: the focus elsewhere, 2: the window disabled a while
        QTest::addColumn<int>("gainByte");
        QTest::newRow("the focus from the start: a step") << 0 << 46; // +5.8 dB
        QTest::newRow("a click that brings the focus: nothing") << 1 << 45;
        QTest::newRow("the focus back after a send: a step") << 2 << 46;
    }

    void clickThatFocusesOnlyFocuses()
    {
        QFETCH(int, before);
        MainWindowHarness h;
        EqGraphView* graph = graphOf(h);
        QVERIFY(graph->hasFocus());
        setBand(h, Band0, {19, 45, 14}); // the selected EQ 1 at +6.0 dB
        if (before == 1) {
            h.c().redrawMeterCheck->setFocus();
        }
        h.window.setEnabled(before != 2);
        h.window.setEnabled(true);
        QTest::mouseClick(graph, Qt::LeftButton, {}, markerOf(h, 0) + QPoint(3, 18));
        QVERIFY(graph->hasFocus());
        QTEST(int(h.model.store().value(ParamField::Gain, 0, Band0)), "gainByte");
    }

    // A fast drag is sent by the redraws, not by the moves: one frame per redraw however many
    // moves came before it, carrying where the band was then, the last where it ended.
    void fastDragSendsOncePerRedraw()
    {
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        EqGraphView* graph = graphOf(h);
        QPoint at = markerOf(h, 0);
        QTest::mousePress(graph, Qt::LeftButton, {}, at);
        constexpr int Bursts = 10;
        constexpr int MovesPerBurst = 5;
        QStringList expected;
        for (int burst = 0; burst < Bursts; ++burst) {
            for (int move = 0; move < MovesPerBurst; ++move) {
                at += QPoint(7, 1);
                QTest::mouseMove(graph, at);
            }
            expected.append(MainWindowHarness::frame(
                0, 0, Band0, h.model.store().value(ParamField::Value, 0, Band0)));
            // The redraw timer's turn, and the processor's answer, as between two bursts of
            // mouse input.
            QTRY_COMPARE(graph->PendingSendBand(), int(EqGraphView::NoBand));
            QVERIFY(h.settle());
        }
        QTest::mouseRelease(graph, Qt::LeftButton, {}, at);
        QCOMPARE(h.frames(), expected);
        QCOMPARE(h.sim.memory().store().fields(0, Band0), h.model.store().fields(0, Band0));
    }

    // However many steps a drag takes, one undo brings the band back.
    void undoRestoresADragInOneStep()
    {
        MainWindowHarness h;
        EqGraphView* graph = graphOf(h);
        const ParamStore::Fields before = h.model.store().fields(0, 0x05); // band 2
        QPoint at = markerOf(h, 2);
        QTest::mousePress(graph, Qt::LeftButton, {}, at);
        for (int move = 0; move < 20; ++move) {
            at += QPoint(5, -4);
            QTest::mouseMove(graph, at);
        }
        QTest::mouseRelease(graph, Qt::LeftButton, {}, at);
        QVERIFY(h.model.store().fields(0, 0x05) != before);
        MainWindowHarness::click(h.c().undoButton);
        QCOMPARE(h.model.store().fields(0, 0x05), before);
        QCOMPARE(h.bands().band(2).Gain, 0.0f);
    }

    // A press beside the selected marker steps its frequency towards the press; a double click
    // steps once more.
    void clickBesideTheMarkerSteps_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<int>("frequencyIndex");
        QTest::newRow("click 30 right, 5 lower") << false << 20;
        QTest::newRow("double click") << true << 21;
    }

    void clickBesideTheMarkerSteps()
    {
        QFETCH(bool, doubleClick);
        MainWindowHarness h;
        EqGraphView* graph = graphOf(h);
        const QPoint press = markerOf(h, 0) + QPoint(30, 5);
        QTest::mouseClick(graph, Qt::LeftButton, {}, press);
        if (doubleClick) {
            QTest::mouseDClick(graph, Qt::LeftButton, {}, press);
            QTest::mouseRelease(graph, Qt::LeftButton, {}, press);
        }
        QTEST(int(h.model.store().value(ParamField::Value, 0, Band0)), "frequencyIndex");
        QCOMPARE(h.c().bandReadouts[0]->value(),
                 BandTable::readout(h.model, 0, Band0, ParamField::Value));
    }

    // The arrow keys step the selected band; at a limit they change nothing but the read-outs
    // still show the store.
    void arrowKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("frequencyIndex");
        QTest::addColumn<int>("gainByte");
        QTest::addColumn<int>("frequencyAfter");
        QTest::addColumn<int>("gainAfter");
        QTest::newRow("down: -0.2 dB") << int(Qt::Key_Down) << 19 << 75 << 19 << 76;
        QTest::newRow("left: one frequency step") << int(Qt::Key_Left) << 19 << 75 << 18 << 75;
        QTest::newRow("up at +15 dB") << int(Qt::Key_Up) << 19 << 0 << 19 << 0;
        QTest::newRow("down at -15 dB") << int(Qt::Key_Down) << 19 << 150 << 19 << 150;
        QTest::newRow("left at 18 Hz") << int(Qt::Key_Left) << 0 << 75 << 0 << 75;
        QTest::newRow("right at 20 kHz") << int(Qt::Key_Right) << 241 << 75 << 241 << 75;
    }

    void arrowKeys()
    {
        QFETCH(int, key);
        QFETCH(int, frequencyIndex);
        QFETCH(int, gainByte);
        MainWindowHarness h;
        setBand(h, Band0, {quint8(frequencyIndex), quint8(gainByte), 14});
        // A Q the read-outs have not been told of: the key refreshes them.
        h.model.store().setValue(ParamField::Q, 0, Band0, 30);
        QTest::keyClick(graphOf(h), Qt::Key(key));
        QTEST(int(h.model.store().value(ParamField::Value, 0, Band0)), "frequencyAfter");
        QTEST(int(h.model.store().value(ParamField::Gain, 0, Band0)), "gainAfter");
        QCOMPARE(h.c().bandReadouts[1]->value(),
                 BandTable::readout(h.model, 0, Band0, ParamField::Gain));
        QCOMPARE(h.c().bandReadouts[2]->value(), 30);
    }

    // One notch of the wheel is one gain step; parts of a notch add up; a turn with a key (^)
    // or a button (@) held counts for nothing and drops the part of a notch gathered.
    // With Alt (!), over EQ 4's marker, a notch selects EQ 4 and steps its Q a knob position.
    void wheel_data()
    {
        QTest::addColumn<QString>("turns");
        QTest::addColumn<int>("gainByte"); // EQ 1's
        QTest::addColumn<int>("qByte");    // EQ 4's
        QTest::newRow("one notch towards the user: -0.2 dB") << "-120" << 76 << 14;
        QTest::newRow("one notch away: +0.2 dB") << "120" << 74 << 14;
        QTest::newRow("four +30 make one notch") << "30 30 30 30" << 74 << 14;
        QTest::newRow("three +30 make none") << "30 30 30" << 75 << 14;
        QTest::newRow("two notches in one turn") << "-240" << 77 << 14;
        QTest::newRow("Ctrl held") << "^-120" << 75 << 14;
        QTest::newRow("button held") << "@-120" << 75 << 14;
        QTest::newRow("a key held drops a part notch") << "60 ^60 60" << 75 << 14;
        QTest::newRow("Alt over a marker: its Q") << "!120 !120" << 75 << 16;
        QTest::newRow("Alt, towards the user") << "!-120" << 75 << 13;
    }

    void wheel()
    {
        QFETCH(QString, turns);
        MainWindowHarness h;
        for (QString turn : turns.split(u' ')) {
            const bool ctrl = turn.startsWith(u'^');
            const bool button = turn.startsWith(u'@');
            const bool alt = turn.startsWith(u'!');
            turnWheel(graphOf(h), turn.remove(u'^').remove(u'@').remove(u'!').toInt(),
                      ctrl  ? Qt::ControlModifier
                      : alt ? Qt::AltModifier
                            : Qt::NoModifier,
                      button ? Qt::LeftButton : Qt::NoButton,
                      alt ? QPointF(markerOf(h, 3)) : QPointF(-1, -1));
        }
        waitForWheelSteps(h);
        QTEST(int(h.model.store().value(ParamField::Gain, 0, Band0)), "gainByte");
        QTEST(int(h.model.store().value(ParamField::Q, 0, 0x06)), "qByte");
    }

    // A typed value is held to its limits and stored through its field's encoding, shown and
    // sent; text that is no number is refused with a message.
    void numericEntry_data()
    {
        QTest::addColumn<int>("readout");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("address");
        QTest::addColumn<ParamField>("field");
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<bool>("refused");
        QTest::newRow("10 Hz: index 0 (18 Hz)")
            << 0 << "10" << Band0 << ParamField::Value << 0 << "18" << false;
        QTest::newRow("25000 Hz: index 241 (20 kHz)")
            << 0 << "25000" << Band0 << ParamField::Value << 241 << "20000" << false;
        QTest::newRow("1234 Hz: index 133 (1200 Hz)")
            << 0 << "1234" << Band0 << ParamField::Value << 133 << "1234" << false;
        QTest::newRow("500 Hz for the music low cut: index 54 (230 Hz)")
            << 46 << "500" << LowCut << ParamField::Value << 54 << "500" << false;
        QTest::newRow("2.5 dB: byte 62 (+2.6 dB)")
            << 1 << "2.5" << Band0 << ParamField::Gain << 62 << "2.5" << false;
        QTest::newRow("-20 dB: -15, byte 150")
            << 1 << "-20" << Band0 << ParamField::Gain << 150 << "-15" << false;
        QTest::newRow("+.5 dB: byte 72")
            << 1 << " +.5 " << Band0 << ParamField::Gain << 72 << " +.5 " << false;
        QTest::newRow("Q 3.4: byte 30 (Q 3.0, the nearest)")
            << 2 << "3.4" << Band0 << ParamField::Q << 30 << "3.4" << false;
        QTest::newRow("Q 5: byte 35") << 2 << "5" << Band0 << ParamField::Q << 35 << "5" << false;
        QTest::newRow("Q 0: 0.1, byte 1")
            << 2 << "0" << Band0 << ParamField::Q << 1 << "0.1" << false;
        QTest::newRow("letters") << 1 << "abc" << Band0 << ParamField::Gain << 75 << "abc" << true;
        QTest::newRow("a decimal comma")
            << 1 << "2,5" << Band0 << ParamField::Gain << 75 << "2,5" << true;
    }

    void numericEntry()
    {
        QFETCH(int, readout);
        QFETCH(QString, typed);
        QFETCH(int, address);
        QFETCH(ParamField, field);
        QFETCH(int, byte);
        QFETCH(bool, refused);
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        const MainWindowControls& c = h.c();
        MainWindowHarness::click(c.bandReadouts[readout]);
        QVERIFY(c.bandValueEntry->isVisible());
        QVERIFY(c.bandValueEntry->hasFocus());
        QCOMPARE(c.bandValueEntry->selectedText(), c.bandValueEntry->text());
        const int undoPoints = h.undoHistory().UndoPos();
        QTest::keyClicks(c.bandValueEntry, typed);
        QTest::keyClick(c.bandValueEntry, Qt::Key_Return);

        QVERIFY(!c.bandValueEntry->isVisible());
        QTEST(c.bandValueEntry->text(), "boxText");
        QCOMPARE(int(h.model.store().value(field, 0, address)), byte);
        const int shown = field == ParamField::Value && address == LowCut ? 46 : readout;
        QCOMPARE(c.bandReadouts[shown]->value(), BandTable::readout(h.model, 0, address, field));
        if (refused) {
            QCOMPARE(h.messages.texts(), QStringList{NumericBandEntry::notNumberMessage()});
            QCOMPARE(h.frames(), QStringList());
            QCOMPARE(h.undoHistory().UndoPos(), undoPoints);
        } else {
            QCOMPARE(h.messages.texts(), QStringList());
            QCOMPARE(h.frames(),
                     QStringList{MainWindowHarness::frame(
                         0, 0, address, h.model.store().value(ParamField::Value, 0, address))});
            QCOMPARE(int(h.sim.memory().store().value(field, 0, address)), byte);
            QCOMPARE(h.undoHistory().UndoPos(), undoPoints + 1);
        }
    }

    // What was typed is dropped when the entry ends any other way than by Enter.
    void numericEntryDiscarded_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("a press on a control that takes no focus") << 0;
        QTest::newRow("the focus moves elsewhere") << 1;
        QTest::newRow("Escape") << 2;
    }

    void numericEntryDiscarded()
    {
        QFETCH(int, how);
        MainWindowHarness h;
        const MainWindowControls& c = h.c();
        MainWindowHarness::click(c.bandReadouts[1]);
        QTest::keyClicks(c.bandValueEntry, "7");
        if (how == 0) {
            MainWindowHarness::click(c.bandName);
        } else if (how == 1) {
            graphOf(h)->setFocus();
        } else {
            QTest::keyClick(c.bandValueEntry, Qt::Key_Escape);
        }
        QVERIFY(!c.bandValueEntry->isVisible());
        QTest::keyClick(c.bandValueEntry, Qt::Key_Return);
        QCOMPARE(int(h.model.store().value(ParamField::Gain, 0, Band0)), 75);
    }

    // Of the keys, only Space on the focused meter box starts it.
    void onlySpaceOnTheBoxStartsTheMeter_data()
    {
        QTest::addColumn<bool>("onTheBox");
        QTest::newRow("Space as the window starts") << false;
        QTest::newRow("Space on the box") << true;
    }

    void onlySpaceOnTheBoxStartsTheMeter()
    {
        QFETCH(bool, onTheBox);
        MainWindowHarness h;
        if (onTheBox) {
            h.c().redrawMeterCheck->setFocus();
        }
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : &h.window, Qt::Key_Space);
        QCOMPARE(h.redrawRateMeter().isRunning(), onTheBox);
    }

    // The redraw-rate test writes redraws per second into its caption until it is cleared or
    // the window closes, and the window then closes as usual.
    void redrawRateMeter_data()
    {
        QTest::addColumn<bool>("closeWindow");
        QTest::newRow("cleared") << false;
        QTest::newRow("window closed while it runs") << true;
    }

    void redrawRateMeter()
    {
        QFETCH(bool, closeWindow);
        auto h = std::make_unique<MainWindowHarness>();
        h->form().timer(QStringLiteral("Timer1"))->setInterval(100);
        QCheckBox* box = h->c().redrawMeterCheck;
        EqGraphView* graph = graphOf(*h);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        QVERIFY(h->redrawRateMeter().isRunning());
        QTRY_VERIFY(box->text().toInt() > 0);
        if (closeWindow) {
            QVERIFY(h->window.close());
        } else {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        }
        QVERIFY(!h->redrawRateMeter().isRunning());
        QVERIFY(!box->isChecked());
        QCOMPARE(box->text(), QStringLiteral("帧率测试"));
        const int redraws = graph->redrawCount();
        QTest::qWait(20);
        QCOMPARE(graph->redrawCount(), redraws);
        h.reset();
    }
};

QTEST_MAIN(tst_GraphEditing)
#include "tst_GraphEditing.moc"
