#include "C_ProgressBar.h"
#include "CmdPassword.h"
#include "ConnectionSupervisor.h"
#include "LinkTexts.h"
#include "MainCommands.h"
#include "MainWindowHarness.h"
#include "MessageBoxMessages.h"
#include "ReadBackReport.h"
#include "ReconnectQuestion.h"
#include "SavePreset.h"
#include "ShowNumber.h"
#include "SimpControl.h"
#include "UndoHistory.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>

namespace {

// The program's own message boxes, with a note of every text they showed.
class WatchedBoxes : public MessageBoxMessages
{
public:
    using MessageBoxMessages::showMessage;
    void showMessage(Icon icon, const QString& text, Dismissed dismissed) override
    {
        shown.append(text);
        MessageBoxMessages::showMessage(icon, text, std::move(dismissed));
    }

    QStringList shown;
};

} // namespace

// The window over a whole session: undo and redo, presets, uploads and closing.
class tst_MainWindowSessions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void undoAndRedoFollowTheWorkedSequence()
    {
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        const MainWindowControls& c = h.c();
        SkinnedSlider* master = c.sliders[25]; // common &HC0, factory 20
        const QList<int> taken = MainWindowHarness::drag(master, {24});
        const int edited = taken.back();
        h.sim.clearReceivedFrames();

        MainWindowHarness::click(c.undoButton); // undo
        QCOMPARE(master->value(), 20);
        QCOMPARE(c.digitDisplays[23]->value(), 20);
        QCOMPARE(h.frames(), QStringList{MainWindowHarness::frame(0, 0, 0xC0, 20)});
        h.sim.clearReceivedFrames();

        MainWindowHarness::click(c.redoButton); // redo
        QCOMPARE(master->value(), edited);
        QCOMPARE(h.frames(), QStringList{MainWindowHarness::frame(0, 0, 0xC0, edited)});
        QCOMPARE(h.undoHistory().UndoPos(), 0);
    }

    void aDragIsOneUndoPointAndQuietSecondsSeparateThem()
    {
        MainWindowHarness h;
        SkinnedSlider* fader = h.c().sliders[25];
        MainWindowHarness::drag(fader, {24});
        MainWindowHarness::drag(fader, {28}); // within the second: the same burst
        QCOMPARE(h.undoHistory().UndoPos(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!h.undoHistory().isEditPending(), 3000);
        MainWindowHarness::drag(fader, {32});
        QCOMPARE(h.undoHistory().UndoPos(), 1);
        MainWindowHarness::click(h.c().undoButton);
        QVERIFY(qAbs(fader->value() - 28) <= 1);
    }

    void thirtySnapshotsAtMost()
    {
        MainWindowHarness h;
        const MainWindowControls& c = h.c();
        // 31 undo points from the four-way selector's down step (one each, no burst).
        for (int i = 0; i < 31; ++i) {
            h.model.store().setValue(ParamField::Value, 0, 0xCF, 0);
            c.fourWayDisplay->setValue(0);
            MainWindowHarness::click(c.fourWayDown);
        }
        QCOMPARE(h.undoHistory().UndoPos(), UndoHistory::SlotCount - 1);
        int undone = 0;
        while (h.undoHistory().UndoPos() >= 0 && undone < 40) {
            MainWindowHarness::click(c.undoButton);
            ++undone;
        }
        QCOMPARE(undone, UndoHistory::SlotCount - 1);
    }

    void anEditAfterUndoIsNotLostToRedo()
    {
        MainWindowHarness h;
        SkinnedSlider* fader = h.c().sliders[25];
        MainWindowHarness::drag(fader, {24});
        MainWindowHarness::click(h.c().undoButton);
        const int edit = MainWindowHarness::drag(fader, {34}).back();
        MainWindowHarness::click(h.c().redoButton);
        QCOMPARE(fader->value(), edit);
        QCOMPARE(int(h.model.store().value(ParamField::Value, 0, 0xC0)), edit);
    }

    void presetsRoundTripThroughTheButtons()
    {
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        QTemporaryDir dir;
        h.model.store().setValue(ParamField::Value, 0, 0x40, 33);
        h.files.savePath = dir.filePath(QStringLiteral("live"));
        MainWindowHarness::click(h.c().saveButton);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("live.PA"))));

        h.model.store().setValue(ParamField::Value, 0, 0x40, 70);
        // Locked since, and an entry hidden: the preset undoes both, and says so.
        h.model.store().setValue(ParamField::Value, 0, 0xCC, 1);
        h.model.menuShow()[0x40] = 1;
        h.files.openPath = dir.filePath(QStringLiteral("live.PA"));
        QVERIFY(h.c().noticeLine->isHidden());
        MainWindowHarness::click(h.c().importButton);
        QCOMPARE(h.c().noticeLine->text(),
                 QStringLiteral("The preset also unlocked the front panel and changed which "
                                "entries the front-panel menu shows (1; the menu window, key q, "
                                "sends them to the processor)."));
        QVERIFY(h.c().noticeLine->isVisible());
        QCOMPARE(int(h.model.store().value(ParamField::Value, 0, 0x40)), 33);
        QCOMPARE(h.c().sliders[7]->value(), 33);
        // The import went to the processor: 25 blocks and the mode select, then 25 block reads
        // to see that it kept them.
        QCOMPARE(h.sim.receivedFrames().size(), 26 + 25);
        QCOMPARE(h.sim.receivedFrames()[25].type, 4);
        QCOMPARE(h.sim.receivedFrames().back().type, 1);
        QCOMPARE(h.sim.memory().store().value(ParamField::Value, 0, 0x40), quint8(33));
        QCOMPARE(h.undoHistory().UndoPos(), -1);
        QVERIFY(h.messages.shown.isEmpty());
        QVERIFY(!h.c().transferProgress->isVisible());
        QVERIFY(h.window.isEnabled());
    }

    void cancelledDialogsDoNothing()
    {
        MainWindowHarness h;
        const ParamStore before = h.model.store();
        MainWindowHarness::click(h.c().importButton);
        MainWindowHarness::click(h.c().saveButton);
        QVERIFY(h.model.store() == before);
        QVERIFY(h.messages.shown.isEmpty());
    }

    void uploadButtonNeedsTheProcessor()
    {
        MainWindowHarness h;
        MainWindowHarness::click(h.c().uploadButton);
        QCOMPARE(h.messages.texts(), QStringList{LinkTexts::text(LinkNotice::NotOnline)});
        h.messages.shown.clear();
        QVERIFY(h.goOnline());
        MainWindowHarness::click(h.c().uploadButton);
        QCOMPARE(h.sim.receivedFrames().size(), 26 + 25);
        QCOMPARE(h.sim.receivedFrames()[25].type, 3);
        QVERIFY(h.messages.shown.isEmpty());
    }

    // An upload that stops part-way says what the processor now holds, after the link's own
    // text: the frames before the lost one reached it.
    void halfDoneUploadSaysSo_data()
    {
        QTest::addColumn<bool>("import");
        QTest::addColumn<QString>("said");
        QTest::newRow("upload button") << false << "part of the settings shown";
        QTest::newRow("import") << true << "part of the preset";
    }

    void halfDoneUploadSaysSo()
    {
        QFETCH(bool, import);
        QFETCH(QString, said);
        LinkTimings quick;
        quick.scale = 0.1;
        MainWindowHarness h(quick);
        QVERIFY(h.goOnline());
        QTemporaryDir dir;
        h.files.openPath = dir.filePath(QStringLiteral("live.PA"));
        QVERIFY(SavePreset(h.files.openPath, h.model, h.messages));
        QList<SimFault> faults(10, SimFault::None);
        faults.append(QList<SimFault>(8, SimFault::Silent));
        h.sim.queueFaults(faults);
        MainWindowHarness::click(import ? h.c().importButton : h.c().uploadButton);
        const QStringList texts = h.messages.texts();
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts[0], LinkTexts::text(LinkNotice::ExchangeTimedOut));
        QVERIFY2(texts[1].startsWith(u"Only 10 of the upload's 25 frames reached the processor") &&
                     texts[1].contains(said),
                 qPrintable(texts[1]));
    }

    // Microphone 1-2 volume (0x40, slider 7) edited to 33 while the processor is away, and
    // changed to 50 on the processor meanwhile, as is microphone 3 volume (0x53) to 21.
    void offlineEditMeetsTheProcessor_data()
    {
        QTest::addColumn<QString>("answer"); // empty: no offline edit, no question
        QTest::addColumn<int>("shown");      // 0x40 in the window afterwards
        QTest::addColumn<int>("held");       // 0x40 in the processor afterwards
        QTest::newRow("no offline edit, nothing asked") << "" << 50 << 50;
        QTest::newRow("send mine") << ReconnectQuestion::sendText() << 33 << 33;
        QTest::newRow("take the processor's") << ReconnectQuestion::takeText() << 50 << 50;
        QTest::newRow("save mine, then take the processor's")
            << ReconnectQuestion::saveText() << 50 << 50;
    }

    void offlineEditMeetsTheProcessor()
    {
        QFETCH(QString, answer);
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        h.link.setOnline(false);
        if (!answer.isEmpty()) {
            MainWindowHarness::drag(h.c().sliders[7], {33});
            QCOMPARE(int(h.model.store().value(ParamField::Value, 0, 0x40)), 33);
        }
        h.sim.memory().store().setValue(ParamField::Value, 0, 0x40, 50);
        h.sim.memory().store().setValue(ParamField::Value, 0, 0x53, 21);
        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("mine.PA"));
        h.files.savePath = saved;
        QVERIFY(QCoro::waitFor(h.supervisor().Handshake()));
        QList<ReconnectQuestion*> asked = h.window.findChildren<ReconnectQuestion*>();
        QCOMPARE(asked.size(), answer.isEmpty() ? 0 : 1);
        if (!answer.isEmpty()) {
            // Asked with the link online and free: supervision goes on while the user reads.
            QVERIFY(asked[0]->isVisible() && h.link.isOnline() && !h.link.isBusy());
            QVERIFY(asked[0]->text().contains(u"1 setting was"));
            QVERIFY(asked[0]->detailedText().contains(u"0x40"));
            for (QAbstractButton* button : asked[0]->buttons()) {
                if (button->text() == answer) {
                    button->click();
                }
            }
            QVERIFY(h.settle());
        }
        QTEST(int(h.model.store().value(ParamField::Value, 0, 0x40)), "shown");
        QTEST(int(h.sim.memory().store().value(ParamField::Value, 0, 0x40)), "held");
        QTEST(h.c().sliders[7]->value(), "shown");
        // Nobody's other settings are lost: the processor's 21 stays, whichever was chosen.
        QCOMPARE(int(h.model.store().value(ParamField::Value, 0, 0x53)), 21);
        QCOMPARE(int(h.sim.memory().store().value(ParamField::Value, 0, 0x53)), 21);
        QCOMPARE(QFile::exists(saved), answer == ReconnectQuestion::saveText());
        QVERIFY(h.messages.shown.isEmpty());
        QVERIFY(!h.supervisor().awaitsOfflineAnswer());
    }

    // After the upload button the processor is read back: aux music volume (0x0B, in mode 0's
    // first block, the upload's second frame) set to 33 is lost once, or twice.
    void uploadIsReadBack_data()
    {
        QTest::addColumn<QList<int>>("lost"); // frames after the connection
        QTest::addColumn<int>("held");
        QTest::newRow("lost once: written again") << QList<int>{2} << 33;
        // 26 upload frames and 25 reads, then the block again.
        QTest::newRow("lost twice: said, and shown as held") << QList<int>{2, 52} << 80;
    }

    void uploadIsReadBack()
    {
        QFETCH(QList<int>, lost);
        QFETCH(int, held);
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        const int connected = h.sim.framesReceived();
        for (int frame : lost) {
            h.sim.scheduleFault(connected + frame, connected + frame, SimFault::LostWrite);
        }
        h.model.store().setValue(ParamField::Value, 0, 0x0B, 33);
        MainWindowHarness::click(h.c().uploadButton);
        QVERIFY(h.settle());
        QCOMPARE(int(h.sim.memory().store().value(ParamField::Value, 0, 0x0B)), held);
        QCOMPARE(int(h.model.store().value(ParamField::Value, 0, 0x0B)), held);
        const QList<SettingDifference> remaining{{{0, 0x0B}, {80, 0, 0}, {33, 0, 0}}};
        QCOMPARE(h.messages.texts(),
                 held == 33 ? QStringList{} : QStringList{ReadBackReport::message(remaining)});
    }

    void lockNeedsTheProcessor()
    {
        MainWindowHarness h;
        MainWindowHarness::click(h.c().lockButton);
        QCOMPARE(h.messages.texts(),
                 QStringList{QStringLiteral("Please get your device online first. ")});
        QCOMPARE(h.c().lockButton->value(), 0);
    }

    void progressBarFollowsTheTransfer()
    {
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        h.sim.setLatencyMs(10); // long enough for the bar's 200 ms refresh
        const C_ProgressBar* bar = h.c().transferProgress;
        int largestShown = 0;
        bool windowDisabled = false;
        QImage during;
        QRect barPlace;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (bar->isVisible()) {
                if (during.isNull() && bar->value() > 0) {
                    during = h.window.grab().toImage();
                    barPlace = bar->geometry();
                }
                largestShown = qMax(largestShown, bar->value());
                windowDisabled = windowDisabled || !h.window.isEnabled();
            }
        });
        watch.start(20);
        MainWindowHarness::click(h.c().uploadButton);
        QVERIFY(largestShown > 0);
        QVERIFY(windowDisabled);
        QVERIFY(!bar->isVisible());
        QVERIFY(h.window.isEnabled());

        // While it ran, the bar stood over the middle of the graph, in front of it.
        QVERIFY(!during.isNull());
        const QPoint offCentre = barPlace.center() - h.c().graph->geometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 5,
                 qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
        for (const QPoint corner : {barPlace.topLeft(), barPlace.bottomRight()}) {
            QCOMPARE(during.pixel(corner), C_ProgressBar::FrameColour);
        }
    }

    // Closing while a sequence runs gives its exchange up at once; the window goes after the
    // message, and nothing that ran is left touching what closing took down.
    void closingDuringASequence_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<bool>("destroy"); // the window goes without a close request
        QTest::newRow("upload, closed") << "upload" << false;
        QTest::newRow("sync, closed") << "sync" << false;
        QTest::newRow("sync, destroyed") << "sync" << true;
        QTest::newRow("password dialog open, destroyed") << "password" << true;
    }

    void closingDuringASequence()
    {
        QFETCH(QString, sequence);
        QFETCH(bool, destroy);
        auto h = std::make_unique<MainWindowHarness>();
        if (sequence != u"sync") {
            QVERIFY(h->goOnline());
        }
        h->sim.setLatencyMs(50);
        if (sequence == u"upload") {
            QTest::mouseClick(h->c().uploadButton, Qt::LeftButton, {}, QPoint(5, 5));
            QVERIFY(h->window.bulk().isActive());
        } else if (sequence == u"sync") {
            h->supervisor().Handshake();
            QTRY_VERIFY(h->window.bulk().isActive()); // past the handshake frame
        } else {
            QTest::keyClick(&h->window, 'q');
            QTRY_VERIFY(h->window.findChild<CmdPassword*>());
        }
        if (destroy) {
            h.reset();
            return;
        }
        QVERIFY(!h->window.close());
        QCOMPARE(h->messages.texts().last(), frmEQ::closeDuringTransferMessage());
        QVERIFY(!h->link.isBusy());
        QVERIFY(h->window.isVisible());
        QVERIFY(h->window.isEnabled());
        QTRY_VERIFY(!h->window.isVisible());
    }

    // One lost connection, one message; the supervision goes on under it, and the message
    // closes itself when the processor answers again, before the synchronisation that follows.
    void aLostLinkHealsWhileItsMessageIsOpen()
    {
        LinkTimings quick;
        quick.scale = 0.1;
        MainWindowHarnessOf<WatchedBoxes> h(quick);
        h.messages.setOwner(&h.window);
        h.supervisor().start();
        QTRY_VERIFY(h.link.isOnline() && !h.link.isBusy());
        SkinnedSlider* gain = h.c().gainKnob; // the selected band's
        MainWindowHarness::drag(gain, {60});
        h.sim.unplug();
        MainWindowHarness::drag(gain, {50}); // its send goes unanswered
        QTRY_COMPARE(h.messages.openBoxes().size(), 1);
        QCOMPARE(h.c().connectionLamp->value(), int(MainWindowControls::LampOffline));
        // The supervision keeps trying under the open box, quietly, for as long as a keep-alive
        // time-out would take.
        QTest::qWait(int(h.link.timings().scaled(2 * h.link.timings().connectTimeout).count()));
        QCOMPARE(h.messages.shown, QStringList{LinkTexts::text(LinkNotice::ExchangeTimedOut)});
        const QPointer<QMessageBox> box = h.messages.openBoxes().first();
        QVERIFY(box->isVisible());

        h.sim.replug();
        QTRY_VERIFY(h.link.isOnline());
        QVERIFY(!box || !box->isVisible());
        // The unanswered edit is the window's, not yet the processor's: asked, and sent.
        ReconnectQuestion* question = nullptr;
        QTRY_VERIFY((question = h.window.findChild<ReconnectQuestion*>()));
        const ParamStore edited = h.model.store();
        QVERIFY(h.sim.memory().store() != edited);
        for (QAbstractButton* button : question->buttons()) {
            if (button->text() == ReconnectQuestion::sendText()) {
                button->click();
            }
        }
        QVERIFY(h.settle());
        QCOMPARE(h.c().connectionLamp->value(), int(MainWindowControls::LampOnline));
        QCOMPARE(h.messages.shown, QStringList{LinkTexts::text(LinkNotice::ExchangeTimedOut)});
        QVERIFY(h.sim.memory().store() == h.model.store());
        QVERIFY(h.model.store() == edited);
        QVERIFY(h.window.isEnabled());
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
};

QTEST_MAIN(tst_MainWindowSessions)
#include "tst_MainWindowSessions.moc"
