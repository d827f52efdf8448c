#include "EqGroupTable.h"
#include "MainCommands.h"
#include "MainWindowHarness.h"
#include "SavePreset.h"
#include "SimpControl.h"

#include <QTimer>
#include <functional>

namespace {

using Command = std::function<void(MainWindowHarness&)>;

// The addresses of the parameter writes the processor received, in order.
QList<int> writtenAddresses(const MainWindowHarness& h)
{
    QList<int> addresses;
    for (const auto& frame : h.sim.receivedFrames()) {
        addresses.append(frame.address);
    }
    return addresses;
}

QList<int> range(int first, int last)
{
    QList<int> addresses;
    for (int address = first; address <= last; ++address) {
        addresses.append(address);
    }
    return addresses;
}

// The tone byte in the common block of the last whole upload.
int uploadedTone(MainWindowHarness& h)
{
    h.sim.clearReceivedFrames();
    MainWindowHarness::click(h.c().uploadButton);
    for (const auto& frame : h.sim.receivedFrames()) {
        if (frame.type == int(Frames::Type::BlockWrite) && frame.address == 0xC0) {
            return quint8(frame.bytes[4 + 3 * (0xCE - 0xC0)]);
        }
    }
    return -1;
}

} // namespace

// Every command that changes the store gets its values to the processor, also when the user
// clicks it while another send still waits for the processor's reply.
class tst_ProcessorInStep : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resetSendsEveryAddressItRewrote_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QList<int>>("addresses");
        QTest::newRow("music: bands, then the low cut") << 0 << range(0x03, 0x09) + QList{0x01};
        QTest::newRow("microphone 1-2: 15 bands, high and low cut")
            << 1 << range(0x44, 0x52) + QList{0x42, 0x41};
        QTest::newRow("centre: three bands, no cuts") << 4 << range(0x16, 0x18);
        QTest::newRow("bass: the cuts, then its three hidden bands")
            << 6 << QList{0x1D, 0x1C} + range(0x1F, 0x21);
    }

    void resetSendsEveryAddressItRewrote()
    {
        QFETCH(int, group);
        QFETCH(QList<int>, addresses);
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        h.commands().selectGroup(group);
        for (int address : addresses) {
            h.model.store().setFields(0, address, {100, 20, 30});
        }
        MainWindowHarness::click(h.c().groupResetButton);
        QCOMPARE(writtenAddresses(h), addresses);
        QVERIFY(h.sim.memory().store() == h.model.store());
    }

    // A tab and a mode clicked while the reset lets events run do not turn its sends to the
    // group and mode they select.
    void resetSendsTheGroupItReset()
    {
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        for (int address : range(0x03, 0x09)) {
            h.model.store().setFields(0, address, {100, 20, 30});
            h.sim.memory().store().setFields(0, address, {100, 20, 30});
        }
        QTimer::singleShot(0, &h.window, [&h] {
            h.commands().selectGroup(1);
            MainWindowHarness::click(h.c().modeDown);
        });
        MainWindowHarness::click(h.c().groupResetButton);
        QTRY_VERIFY(!h.link.isBusy());
        QVERIFY(h.sim.memory().store() == h.model.store());
    }

    void commandsDuringASlowSend_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<Command>("command");
        QTest::addColumn<QList<int>>("sentAfter"); // addresses written after the slow one
        QTest::addColumn<int>("undoPos");
        const auto click = [](SimpControl* MainWindowControls::*control) {
            return Command(
                [control](MainWindowHarness& h) { MainWindowHarness::click(h.c().*control); });
        };
        QTest::newRow("group reset") << 0 << click(&MainWindowControls::groupResetButton)
                                     << range(0x03, 0x09) + QList{0x01} << 0;
        QTest::newRow("bass group reset") << 6 << click(&MainWindowControls::groupResetButton)
                                          << QList{0x1D, 0x1C} + range(0x1F, 0x21) << 0;
        QTest::newRow("EQ on/off")
            << 0 << click(&MainWindowControls::bypassButton) << QList{0x02} << 0;
        QTest::newRow("band knob") << 0 << Command([](MainWindowHarness& h) {
            MainWindowHarness::drag(h.c().gainKnob, {60, 50});
        }) << QList{0x03} << 0;
        QTest::newRow("mode arrow")
            << 0 << click(&MainWindowControls::modeDown) << QList{0x00} << -1;
        QTest::newRow("four-way selector")
            << 0 << click(&MainWindowControls::fourWayDown) << QList{0xCF} << 0;
        QTest::newRow("tone") << 0 << Command([](MainWindowHarness& h) {
            MainWindowHarness::drag(h.c().toneKey, {8});
        }) << QList{0xCE} << 0;
        QTest::newRow("lock") << 0 << click(&MainWindowControls::lockButton) << QList{0xCC} << 0;
        QTest::newRow("undo is refused and changes nothing")
            << 0 << Command([](MainWindowHarness& h) {
                   MainWindowHarness::click(h.c().undoButton);
                   QVERIFY(h.c().undoButton->isShowingRefusal()); // seen, not only heard
               })
            << QList<int>{} << 0;
        QTest::newRow("upload is refused")
            << 0 << click(&MainWindowControls::uploadButton) << QList<int>{} << -1;
        QTest::newRow("import is refused before the store changes")
            << 0 << Command([](MainWindowHarness& h) {
                   ParamModel other = h.model;
                   other.store().setValue(ParamField::Value, 0, 0x40, 7);
                   h.files.openPath = QDir::temp().filePath(
                       QStringLiteral("tonvexa-%1.PA").arg(QCoreApplication::applicationPid()));
                   QVERIFY(SavePreset(h.files.openPath, other, h.messages));
                   MainWindowHarness::click(h.c().importButton);
                   QFile::remove(h.files.openPath);
               })
            << QList<int>{} << -1;
    }

    void commandsDuringASlowSend()
    {
        QFETCH(int, group);
        QFETCH(Command, command);
        QFETCH(QList<int>, sentAfter);
        QFETCH(int, undoPos);
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        h.commands().selectGroup(group);
        for (int address : EqGroupTable::instance().group(group).resetAddresses()) {
            h.model.store().setFields(0, address, {90, 30, 20});
            h.sim.memory().store().setFields(0, address, {90, 30, 20});
        }
        if (QTest::currentDataTag() == QByteArrayLiteral("undo is refused and changes nothing")) {
            h.undoHistory().SaveUndo();
        }
        ParamStore before = h.model.store();
        before.setValue(ParamField::Value, 0, 0x14, 1); // the slow two-way button's own write
        const int beforeMode = h.model.currentMode();

        h.commands().showParameterPanels();
        h.sim.setLatencyMs(100);
        bool ran = false;
        QTimer::singleShot(30, &h.window, [&] {
            QVERIFY(h.link.isBusy());
            command(h);
            ran = true;
        });
        MainWindowHarness::click(h.c().twoWayButtons[1]); // effect into centre, slowly
        QVERIFY(ran);
        QTRY_VERIFY(!h.link.isBusy());

        const QList<int> written = writtenAddresses(h);
        QCOMPARE(written.value(0), 0x14);
        QCOMPARE(written.mid(1), sentAfter);
        QVERIFY(h.sim.memory().store() == h.model.store());
        QCOMPARE(h.sim.memory().currentMode(), h.model.currentMode());
        const bool changed = !(h.model.store() == before) || h.model.currentMode() != beforeMode;
        QCOMPARE(changed, !sentAfter.isEmpty());
        QCOMPARE(h.undoHistory().UndoPos(), undoPos);
        QVERIFY(h.window.isEnabled());
        QVERIFY(h.link.isOnline());
    }

    void resetReleasedOutsideIsTakenBack_data()
    {
        QTest::addColumn<QPoint>("releasedAt");
        QTest::addColumn<bool>("resets");
        QTest::newRow("released over it") << QPoint(5, 5) << true;
        QTest::newRow("dragged away") << QPoint(-60, 5) << false;
    }

    void resetReleasedOutsideIsTakenBack()
    {
        QFETCH(QPoint, releasedAt);
        QFETCH(bool, resets);
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        h.model.store().setFields(0, 0x05, {100, 20, 30});
        const ParamStore before = h.model.store();
        SimpControl* reset = h.c().groupResetButton;
        QTest::mousePress(reset, Qt::LeftButton, {}, QPoint(5, 5));
        QMouseEvent away(QEvent::MouseMove, releasedAt, reset->mapToGlobal(releasedAt),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(reset, &away);
        QCOMPARE(reset->value(), resets ? 1 : 0); // pressed only while over it
        QTest::mouseRelease(reset, Qt::LeftButton, {}, releasedAt);
        QCOMPARE(h.model.store() == before, !resets);
        QCOMPARE(h.sim.receivedFrames().isEmpty(), !resets);
        QCOMPARE(h.undoHistory().UndoPos(), resets ? 0 : -1);
    }

    void toneReachesTheNextUpload()
    {
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        SkinnedSlider* tone = h.c().toneKey;
        const QList<int> taken = MainWindowHarness::drag(tone, {7});
        QCOMPARE(h.frames(), QStringList{MainWindowHarness::frame(0, 0, 0xCE, taken.back())});
        QCOMPARE(uploadedTone(h), taken.back());
        // The processor's notification: its key is neutral again, and so is the next upload.
        h.sim.sendNotification();
        QTRY_COMPARE(tone->value(), 5);
        QCOMPARE(uploadedTone(h), 5);
    }
};

QTEST_MAIN(tst_ProcessorInStep)
#include "tst_ProcessorInStep.moc"
