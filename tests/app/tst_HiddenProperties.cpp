#include "CmdPassword.h"
#include "HiddenProperties.h"
#include "LinkTexts.h"
#include "MainWindowHarness.h"
#include "MenuShowFrm.h"
#include "MenuShowModel.h"
#include "PasswordRules.h"
#include "SimpControl.h"
#include "SimulatedDevice.h"
#include "Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QString Stored = QStringLiteral("Tonvexa09");

// Types as a keyboard would, one character at a time, after emptying the field.
void type(QLineEdit* field, const QString& text)
{
    field->clear();
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// "type1 TEXT", "type2 TEXT", "click1", "click2", "enter"
void perform(CmdPassword& dialog, const QStringList& steps)
{
    for (const QString& step : steps) {
        if (step.startsWith(u"type1 ")) {
            type(dialog.passwordEntry, step.mid(6));
        } else if (step.startsWith(u"type2 ")) {
            type(dialog.confirmEntry, step.mid(6));
        } else if (step == u"click1") {
            QTest::mouseClick(dialog.checkButton, Qt::LeftButton);
        } else if (step == u"click2") {
            QTest::mouseClick(dialog.changeButton, Qt::LeftButton);
        } else if (step == u"enter") {
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        }
    }
}

void setPassword(ParamModel& model, const QString& text)
{
    model.password() = PasswordRules::bytes(text);
}

// The dialog of that class the window has open, once it has opened; null when none opens
// within the time.
template <class Dialog>
Dialog* openDialog(QWidget& window, int timeoutMs = 5000)
{
    Dialog* found = nullptr;
    const bool opened = QTest::qWaitFor(
        [&] {
            for (Dialog* dialog : window.findChildren<Dialog*>()) {
                if (dialog->isVisible()) {
                    found = dialog;
                }
            }
            return found != nullptr;
        },
        timeoutMs);
    return opened ? found : nullptr;
}

// Clicks the check box of a row of the list.
void clickBox(QListView* list, int row)
{
    const QRect place = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(place.left() + 10, place.center().y()));
}

} // namespace

class tst_HiddenProperties : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void passwordDialog_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("focus"); // the field the last refusal sent the user back to
        QTest::addColumn<bool>("passwordOK");

        using R = PasswordRules;
        const QStringList secondStage{"type1 " + Stored, "click2"};
        QTest::newRow("check: empty")
            << QStringList{"click1"} << QStringList{R::enterPassword()} << "Text1" << false;
        QTest::newRow("check: short") << QStringList{"type1 12345", "click1"}
                                      << QStringList{R::wrongLength()} << "Text1" << false;
        QTest::newRow("check: letter case matters")
            << QStringList{"type1 tonvexa09", "enter"} << QStringList{R::wrongPassword()} << "Text1"
            << false;
        QTest::newRow("check: Enter with the right password")
            << QStringList{"type1 " + Stored, "enter"} << QStringList{} << "" << true;
        QTest::newRow("change: empty")
            << QStringList{"click2"} << QStringList{R::enterOldPassword()} << "Text1" << false;
        QTest::newRow("change: ten characters do not fit; eight are too few")
            << QStringList{"type1 12345678", "click2"} << QStringList{R::nineDigits()} << "Text1"
            << false;
        QTest::newRow("change: wrong old password")
            << QStringList{"type1 Tonvexa00", "click2"} << QStringList{R::wrongPassword()}
            << "Text1" << false;
        QTest::newRow("second stage: empty")
            << secondStage + QStringList{"click2"}
            << QStringList{QStringLiteral("Please enter your new password. ")} << "Text1" << false;
        QTest::newRow("second stage: short") << secondStage + QStringList{"type1 abc", "click2"}
                                             << QStringList{R::nineDigits()} << "Text1" << false;
        QTest::newRow("second stage: a character without a one-byte code")
            << secondStage + QStringList{"type1 abcdefgh\u00e9", "type2 abcdefgh\u00e9", "click2"}
            << QStringList{R::notStorable()} << "Text1" << false;
        QTest::newRow("second stage: 0xFF")
            << secondStage + QStringList{"type1 abcdefgh\u00ff", "type2 abcdefgh\u00ff", "click2"}
            << QStringList{R::notStorable()} << "Text1" << false;
        QTest::newRow("second stage: confirmation differs")
            << secondStage + QStringList{"type1 abcdefghi", "type2 abcdefghj", "click2"}
            << QStringList{R::confirmationDiffers()} << "Text2" << false;
        QTest::newRow("second stage: Enter saves, not checks")
            << secondStage + QStringList{"type1 " + Stored, "enter"}
            << QStringList{R::confirmationDiffers()} << "Text2" << false;
    }

    void passwordDialog()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, focus);
        SimulatedDevice device;
        setPassword(device.model, Stored);
        CmdPassword dialog(device.model, device.link, device.messages);
        dialog.show();
        perform(dialog, steps);
        QTEST(device.messages.texts(), "messages");
        QTEST(dialog.PasswordOK(), "passwordOK");
        QCOMPARE(dialog.isVisible(), !dialog.PasswordOK());
        if (!focus.isEmpty()) {
            QCOMPARE(dialog.focusWidget()->objectName(), focus);
        }
        QVERIFY(device.sim.receivedFrames().isEmpty());
        if (dialog.isChangingToNew()) {
            // The second stage's layout: buttons lower, the window taller.
            QCOMPARE(dialog.changeButton->text(), QStringLiteral("Save Password"));
            QVERIFY(!dialog.checkButton->isEnabled() && !dialog.confirmEntry->isHidden());
            QCOMPARE(dialog.checkButton->y() * TwipsPerPixel, 1650);
            QCOMPARE(dialog.changeButton->y(), dialog.checkButton->y());
            QCOMPARE(dialog.height(), twipsToPixels(QRectF(0, 0, 1, 2685 - 465)).height());
        }
    }

    void passwordChange_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("frame"); // empty: the processor stays silent
        QTest::addColumn<QString>("save");  // the last step
        QTest::newRow("nine spaces") << "         "
                                     << "FE,80,00,0E,20,20,20,20,20,20,20,20,20,AC"
                                     << "click2";
        QTest::newRow("punctuation, saved with Enter")
            << "!\"#$%&'~}"
            << "FE,80,00,0E,21,22,23,24,25,26,27,7E,7D,83"
            << "enter";
        QTest::newRow("a failed write keeps the old password") << "abcdefghi"
                                                               << ""
                                                               << "click2";
    }

    void passwordChange()
    {
        QFETCH(QString, password);
        QFETCH(QString, frame);
        QFETCH(QString, save);
        SimulatedDevice device(frame.isEmpty() ? 0.02 : 1.0);
        device.sim.setFault(frame.isEmpty() ? SimFault::Silent : SimFault::None);
        setPassword(device.model, Stored);
        CmdPassword dialog(device.model, device.link, device.messages);
        dialog.show();
        perform(dialog,
                {"type1 " + Stored, "click2", "type1 " + password, "type2 " + password, save});
        QTRY_VERIFY(!device.link.isBusy());
        QVERIFY(!dialog.PasswordOK()); // the menu settings never follow a change
        if (frame.isEmpty()) {
            QCOMPARE(device.messages.texts(),
                     QStringList{LinkTexts::text(LinkNotice::ExchangeTimedOut)});
            QCOMPARE(device.model.password(), PasswordRules::bytes(Stored));
            QVERIFY(dialog.isVisible() && dialog.isChangingToNew() && dialog.isEnabled());
            return;
        }
        QCOMPARE(device.messages.texts(), QStringList{CmdPassword::changedMessage()});
        QVERIFY(!dialog.isVisible());
        QCOMPARE(device.sim.receivedFrames().size(), 1);
        QCOMPARE(Frames::hexText(device.sim.receivedFrames()[0].bytes), frame);
        QCOMPARE(device.sim.memory().password(), PasswordRules::bytes(password));
        QCOMPARE(device.model.password(), PasswordRules::bytes(password));
    }

    void sequence_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QList<int>>("frameTypes");
        QTest::addColumn<QList<int>>("hidden"); // the processor's hidden entries afterwards
        QTest::addColumn<QStringList>("messages");

        const QStringList both{"CmdPassword", "MenuShowFrm"};
        QList<int> music;
        for (int address = 0x01; address <= 0x09; ++address) {
            music.append(address);
        }
        QTest::newRow("wrong password stops")
            << "wrong" << QStringList{"CmdPassword"} << QList<int>{7} << QList<int>{}
            << QStringList{PasswordRules::wrongPassword()};
        QTest::newRow("a changed password opens no menu window")
            << "change" << QStringList{"CmdPassword"} << QList<int>{7, 8} << QList<int>{}
            << QStringList{CmdPassword::changedMessage()};
        QTest::newRow("closing without saving changes no flag")
            << "close" << both << QList<int>{7} << QList<int>{} << QStringList{};
        QTest::newRow("saving writes the three menu blocks")
            << "save" << both << QList<int>{7, 6, 6, 6} << music + QList<int>{0x87}
            << QStringList{HiddenProperties::menuSetMessage()};
        // The second block goes unanswered eight times: the third is never sent, and the flags
        // of both stay as the processor has them, in the program too.
        QTest::newRow("a lost block keeps the processor's flags")
            << "lost" << both << QList<int>{7, 6, 6, 6, 6, 6, 6, 6, 6, 6} << music
            << QStringList{LinkTexts::text(LinkNotice::ExchangeTimedOut)};
    }

    void sequence()
    {
        QFETCH(QString, path);
        QFETCH(QList<int>, hidden);
        LinkTimings timings;
        timings.scale = path == u"lost" ? 0.05 : 1.0;
        MainWindowHarness h(timings);
        QVERIFY(h.goOnline());
        if (path == u"lost") {
            const int next = h.sim.framesReceived() + 1; // the password read
            h.sim.scheduleFault(next + 2, next + 9, SimFault::Silent);
        }
        QStringList opened;
        QTest::keyClick(&h.window, 'q');
        CmdPassword* dialog = openDialog<CmdPassword>(h.window);
        QVERIFY(dialog);
        QVERIFY(dialog->isModal());
        opened.append(QStringLiteral("CmdPassword"));
        if (path == u"wrong") {
            perform(*dialog, {QStringLiteral("type1 000000001"), "click1"});
            dialog->reject(); // the user gives up
        } else if (path == u"change") {
            perform(*dialog, {QStringLiteral("type1 000000000"), "click2", "type1 Tonvexa09",
                              "type2 Tonvexa09", "click2"});
        } else {
            perform(*dialog, {QStringLiteral("type1 000000000"), "click1"});
        }
        int scrolledTo = -1;
        int scrollAfterClicks = -2;
        QList<bool> ticksSeen; // factory state, section off, header back on
        // It follows the password dialog at once, or never.
        if (MenuShowFrm* menu = openDialog<MenuShowFrm>(h.window, 100)) {
            opened.append(QStringLiteral("MenuShowFrm"));
            const MenuShowModel& ticks = menu->model();
            bool allTicked = true;
            for (int row = 0; row < ticks.rowCount(); ++row) {
                allTicked = allTicked && ticks.isTicked(row);
            }
            clickBox(menu->entryList, 17); // the music section's header: all its entries off
            menu->entryList->scrollTo(ticks.index(63));
            scrolledTo = menu->entryList->verticalScrollBar()->value();
            clickBox(menu->entryList, 57); // the effect section's header: all off...
            const bool sectionOff = !ticks.isTicked(57) && !ticks.isTicked(63);
            for (int row = 59; row <= 63; ++row) {
                clickBox(menu->entryList, row); // ...and all but 效果低切 on again
            }
            ticksSeen = {allTicked, sectionOff, ticks.isTicked(57)};
            scrollAfterClicks = menu->entryList->verticalScrollBar()->value();
            if (path == u"save" || path == u"lost") {
                QTest::mouseClick(menu->saveButton, Qt::LeftButton);
            } else {
                menu->reject();
            }
        }
        QVERIFY(h.settle());
        QTEST(opened, "opened");
        QTEST(h.messages.texts(), "messages");
        QList<int> types;
        for (const auto& frame : h.sim.receivedFrames()) {
            types.append(frame.type);
        }
        QTEST(types, "frameTypes");
        if (opened.contains(QStringLiteral("MenuShowFrm"))) {
            QCOMPARE(ticksSeen, (QList<bool>{true, true, true}));
            QCOMPARE(scrollAfterClicks, scrolledTo);
            QVERIFY(scrolledTo > 0);
        }
        if (path == u"save") {
            // Three blocks of flags, each flag followed by two filler bytes.
            const QList<int> sizes{41, 30, 12};
            for (int i = 0; i < 3; ++i) {
                const QByteArray& bytes = h.sim.receivedFrames()[i + 1].bytes;
                QCOMPARE(bytes.size(), 3 * sizes[i] + 5);
                for (int a = 0; a < sizes[i]; ++a) {
                    QCOMPARE(bytes.mid(5 + 3 * a, 2), QByteArray("\x23\x23"));
                }
            }
        }
        for (int address = 0; address < 255; ++address) {
            QCOMPARE(h.sim.memory().menuShow()[address], quint8(hidden.contains(address)));
            QCOMPARE(h.model.menuShow()[address], quint8(hidden.contains(address)));
        }
        QVERIFY(h.window.isEnabled());
    }

    void lockIsStoredBeforeItsSendWithTheWindowDisabled_data()
    {
        QTest::addColumn<bool>("answered");
        QTest::addColumn<int>("after"); // the lock in the program once the send is over
        QTest::newRow("answered") << true << 1;
        QTest::newRow("a failed write leaves the processor's lock") << false << 0;
    }

    void lockIsStoredBeforeItsSendWithTheWindowDisabled()
    {
        QFETCH(bool, answered);
        LinkTimings timings;
        timings.scale = answered ? 1.0 : 0.05;
        MainWindowHarness h(timings);
        QVERIFY(h.goOnline());
        h.sim.setFault(answered ? SimFault::None : SimFault::Silent);
        QList<QPair<bool, int>> atSend;
        connect(&h.link, &DeviceLink::exchangeStarting, this, [&] {
            atSend.append(
                {h.window.isEnabled(), h.model.store().value(ParamField::Value, 0, 0xCC)});
        });
        MainWindowHarness::click(h.c().lockButton);
        QVERIFY(h.settle());
        QCOMPARE(atSend.first(), (QPair<bool, int>{false, 1}));
        QCOMPARE(h.frames().first(), MainWindowHarness::frame(0, 0, 0xCC, 1));
        QTEST(int(h.model.store().value(ParamField::Value, 0, 0xCC)), "after");
        QTEST(h.c().lockButton->value(), "after");
        QVERIFY(h.window.isEnabled());
    }
};

QTEST_MAIN(tst_HiddenProperties)
#include "tst_HiddenProperties.moc"
