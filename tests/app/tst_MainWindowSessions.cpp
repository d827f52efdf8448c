#include "C_ProgressBar.h"
#include "ConnectionSupervisor.h"
#include "MainCommands.h"
#include "MainWindowHarness.h"
#include "ShowNumber.h"
#include "SimpControl.h"
#include "UndoHistory.h"

#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>

namespace {

QString outputFolder()
{
    const QString folder = qEnvironmentVariable("TONVEXA_TEST_OUTPUT", QDir::tempPath());
    QDir().mkpath(folder);
    return folder;
}

} // namespace

// The window over a whole session: undo and redo, presets, uploads, closing, and the pictures of
// the window a person looks at.
class tst_MainWindowSessions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void undoAndRedoFollowTheWorkedSequence()
    {
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        const MainWindowControls& c = h.c();
        ScrollBar* master = c.MyScrollBar[25]; // common &HC0, factory 20
        const QList<int> taken = MainWindowHarness::drag(master, {24});
        const int edited = taken.back();
        h.sim.clearReceivedFrames();

        MainWindowHarness::click(c.SimpControl4); // undo
        QCOMPARE(master->value(), 20);
        QCOMPARE(c.MyNumber[23]->value(), 20);
        QCOMPARE(h.frames(), QStringList{MainWindowHarness::frame(0, 0, 0xC0, 20)});
        h.sim.clearReceivedFrames();

        MainWindowHarness::click(c.SimpControl7); // redo
        QCOMPARE(master->value(), edited);
        QCOMPARE(h.frames(), QStringList{MainWindowHarness::frame(0, 0, 0xC0, edited)});
        QCOMPARE(h.window.undoHistory().UndoPos(), 0);
    }

    void aDragIsOneUndoPointAndQuietSecondsSeparateThem()
    {
        MainWindowHarness h;
        ScrollBar* fader = h.c().MyScrollBar[25];
        MainWindowHarness::drag(fader, {24});
        MainWindowHarness::drag(fader, {28}); // within the second: the same burst
        QCOMPARE(h.window.undoHistory().UndoPos(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!h.window.undoHistory().isEditPending(), 3000);
        MainWindowHarness::drag(fader, {32});
        QCOMPARE(h.window.undoHistory().UndoPos(), 1);
        MainWindowHarness::click(h.c().SimpControl4);
        QVERIFY(qAbs(fader->value() - 28) <= 1);
    }

    void thirtySnapshotsAtMost()
    {
        MainWindowHarness h;
        const MainWindowControls& c = h.c();
        // 31 undo points from the four-way selector's down step (one each, no burst).
        for (int i = 0; i < 31; ++i) {
            h.model.store().setValue(0, 0, 0xCF, 0);
            c.btnFBX->setValue(0);
            MainWindowHarness::click(c.btnDown2);
        }
        QCOMPARE(h.window.undoHistory().UndoPos(), UndoHistory::SlotCount - 1);
        int undone = 0;
        while (h.window.undoHistory().UndoPos() >= 0 && undone < 40) {
            MainWindowHarness::click(c.SimpControl4);
            ++undone;
        }
        QCOMPARE(undone, UndoHistory::SlotCount - 1);
    }

    void anEditAfterUndoIsNotLostToRedo()
    {
        MainWindowHarness h;
        ScrollBar* fader = h.c().MyScrollBar[25];
        MainWindowHarness::drag(fader, {24});
        MainWindowHarness::click(h.c().SimpControl4);
        const int edit = MainWindowHarness::drag(fader, {34}).back();
        MainWindowHarness::click(h.c().SimpControl7);
        QCOMPARE(fader->value(), edit);
        QCOMPARE(int(h.model.store().value(0, 0, 0xC0)), edit);
    }

    void presetsRoundTripThroughTheButtons()
    {
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        QTemporaryDir dir;
        h.model.store().setValue(0, 0, 0x40, 33);
        h.files.savePath = dir.filePath(QStringLiteral("live"));
        MainWindowHarness::click(h.c().btnSave);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("live.PA"))));

        h.model.store().setValue(0, 0, 0x40, 70);
        h.files.openPath = dir.filePath(QStringLiteral("live.PA"));
        MainWindowHarness::click(h.c().btnImport);
        QCOMPARE(int(h.model.store().value(0, 0, 0x40)), 33);
        QCOMPARE(h.c().MyScrollBar[7]->value(), 33);
        // The import went to the processor: 25 blocks and the mode select.
        QCOMPARE(h.sim.receivedFrames().size(), 26);
        QCOMPARE(h.sim.receivedFrames().back().type, 4);
        QCOMPARE(h.sim.memory().store().value(0, 0, 0x40), quint8(33));
        QCOMPARE(h.window.undoHistory().UndoPos(), -1);
        QVERIFY(h.messages.shown.isEmpty());
        QVERIFY(!h.c().C_ProgressBar1->isVisible());
        QVERIFY(h.window.isEnabled());
    }

    void cancelledDialogsDoNothing()
    {
        MainWindowHarness h;
        const ParamStore before = h.model.store();
        MainWindowHarness::click(h.c().btnImport);
        MainWindowHarness::click(h.c().btnSave);
        QVERIFY(h.model.store() == before);
        QVERIFY(h.messages.shown.isEmpty());
    }

    void uploadButtonNeedsTheProcessor()
    {
        MainWindowHarness h;
        MainWindowHarness::click(h.c().btnUpload);
        QCOMPARE(h.messages.texts(), QStringList{BulkTransfer::OfflineMessage});
        h.messages.shown.clear();
        QVERIFY(h.goOnline());
        MainWindowHarness::click(h.c().btnUpload);
        QCOMPARE(h.sim.receivedFrames().size(), 26);
        QCOMPARE(h.sim.receivedFrames().back().type, 3);
        QVERIFY(h.messages.shown.isEmpty());
    }

    void lockNeedsTheProcessor()
    {
        MainWindowHarness h;
        MainWindowHarness::click(h.c().btnLock);
        QCOMPARE(h.messages.texts(),
                 QStringList{QStringLiteral("Please get your device online first. ")});
        QCOMPARE(h.c().btnLock->value(), 0);
    }

    void progressBarFollowsTheTransfer()
    {
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        h.sim.setLatencyMs(10); // long enough for the bar's 200 ms refresh
        int largestShown = 0;
        bool windowDisabled = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (h.c().C_ProgressBar1->isVisible()) {
                if (largestShown == 0 && h.c().C_ProgressBar1->value() > 0) {
                    h.window.grab().save(outputFolder() + QStringLiteral("/window-transfer.png"));
                }
                largestShown = qMax(largestShown, h.c().C_ProgressBar1->value());
                windowDisabled = windowDisabled || !h.window.isEnabled();
            }
        });
        watch.start(20);
        MainWindowHarness::click(h.c().btnUpload);
        QVERIFY(largestShown > 0);
        QVERIFY(windowDisabled);
        QVERIFY(!h.c().C_ProgressBar1->isVisible());
        QVERIFY(h.window.isEnabled());
    }

    void closingWaitsForTheExchangeInProgress()
    {
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        h.sim.setLatencyMs(150);
        QTimer::singleShot(30, &h.window, [&h] { h.window.close(); });
        MainWindowHarness::click(h.c().btnUpload); // returns when the link gave up
        QCOMPARE(h.messages.texts().first(), frmEQ::CloseDuringTransferMessage);
        QVERIFY(h.window.isVisible());
        QTRY_VERIFY(!h.window.isVisible());
        QVERIFY(!h.link.isBusy());
    }

    void closingWhileIdleClosesAtOnce()
    {
        MainWindowHarness h;
        QVERIFY(h.window.close());
        QVERIFY(h.messages.shown.isEmpty());
    }

    void aSecondActivationChangesNothing()
    {
        MainWindowHarness h;
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&h.window, &activate);
        QTest::qWait(300); // the first handshake would come 100 ms after a (re)started search
        QVERIFY(h.sim.receivedFrames().isEmpty());
    }

    void screenshots()
    {
        MainWindowHarness h;
        QVERIFY(h.window.grab().save(outputFolder() + QStringLiteral("/window-factory.png")));

        SimProcessor& sim = h.sim;
        for (int mode = 0; mode < 8; ++mode) {
            for (int address = 0x40; address < 0x5E; ++address) {
                sim.memory().store().setValue(0, mode, address, quint8(20 + address % 50));
            }
            for (int band = 0; band < 7; ++band) {
                sim.memory().store().setFields(
                    mode, 0x03 + band, {quint8(19 + 30 * band), quint8(40 + 10 * band), 20});
            }
            sim.memory().store().setValue(0, mode, 0x00, 100);
        }
        for (int address : {0xC0, 0xC1, 0xC2, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA}) {
            sim.memory().store().setValue(0, 0, address, quint8(address - 0xB0));
        }
        sim.memory().store().setValue(0, 0, 0xC3, 3);
        sim.memory().store().setValue(0, 0, 0xC4, 2);
        QVERIFY(h.goOnline());
        QVERIFY(h.window.grab().save(outputFolder() + QStringLiteral("/window-synchronised.png")));
        for (int tab = 0; tab < 3; ++tab) {
            MainWindowHarness::click(h.c().btnParaShow);
            QTest::mousePress(h.c().SimpControl6[h.window.commands().currentTab()], Qt::LeftButton,
                              {}, QPoint(760 + 120 * tab, 36));
            QVERIFY(h.window.grab().save(outputFolder() +
                                         QStringLiteral("/window-panel-%1.png").arg(tab)));
        }
    }
};

QTEST_MAIN(tst_MainWindowSessions)
#include "tst_MainWindowSessions.moc"
