#include "BandTable.h"
#include "CommIndicator.h"
#include "EqGroupTable.h"
#include "FirstExposeHold.h"
#include "Form.h"
#include "MainCommands.h"
#include "MainWindowHarness.h"
#include "RefreshFlags.h"
#include "ShowNumber.h"
#include "SimpControl.h"
#include "TagNew.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <array>

namespace {

// The processor's memory with other values than the factory's, all of them readable.
void changeProcessorMemory(SimProcessor& sim, quint32 seed)
{
    QRandomGenerator random(seed);
    ParamStore& store = sim.memory().store();
    for (int mode = 0; mode < 8; ++mode) {
        for (int address = 0; address < 256; ++address) {
            // Within every control's range (the echo delay's 0..31 is the narrowest).
            store.setFields(mode, address, {quint8(random.bounded(32)), 75, 14});
        }
    }
    for (int address : {0x02, 0x0D, 0x0E, 0x14, 0x15, 0x1B, 0x1E, 0x24, 0x25, 0x43, 0x56, 0x88,
                        0xCB, 0xCC, 0xCD}) {
        for (int mode = 0; mode < 8; ++mode) {
            store.setValue(ParamField::Value, mode, address, quint8(random.bounded(2)));
        }
    }
    store.setValue(ParamField::Value, 0, 0xC3, 4);
    store.setValue(ParamField::Value, 0, 0xC4, 6);
    store.setValue(ParamField::Value, 0, 0xCF, 2);
    store.setValue(ParamField::Value, 0, 0xCC, 1);
}

// What a bound slider should show: the store byte its binding names, in the current mode.
int storedFor(const ParamModel& model, const SkinnedSlider* slider)
{
    const auto binding = TagNew::parseSlider(slider->tagNew());
    return model.store().value(ParamField::Value,
                               binding->scope == TagNew::Scope::Group ? model.currentMode() : 0,
                               binding->address);
}

QString entryName(const Form::Entry& entry)
{
    return entry.index < 0 ? entry.name : QStringLiteral("%1(%2)").arg(entry.name).arg(entry.index);
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpShowsTheFactoryValues()
    {
        MainWindowHarness h;
        QVERIFY2(h.loaded, qPrintable(h.loadError));
        QVERIFY(h.activated);
        const MainWindowControls& c = h.c();
        // A few values as the factory sets them, then every bound slider against the store.
        QCOMPARE(c.sliders[7]->value(), 80);        // microphone 1-2 volume
        QCOMPARE(c.sliders[14]->value(), 30);       // bass before the microphone opens
        QCOMPARE(c.sliders[1]->value(), 27);        // echo delay
        QCOMPARE(c.sliders[25]->value(), 20);       // first master level
        QCOMPARE(c.digitDisplays[1]->value(), 230); // echo delay through its table
        QCOMPARE(c.digitDisplays[5]->value(), 35);  // reverb time, shown as 3.5
        QVERIFY(c.digitDisplays[5]->div10());
        QCOMPARE(c.inputDisplay->value(), 1);
        QCOMPARE(c.startModeDisplay->value(), 0);
        QCOMPARE(c.saveModeButtons[0]->value(), 1);
        QCOMPARE(c.saveModeButtons[1]->value(), 0);
        QCOMPARE(c.twoWayButtons[0]->value(), 1);
        QCOMPARE(c.twoWayButtons[1]->value(), 0);
        QCOMPARE(c.toneKey->value(), 5);
        for (SkinnedSlider* slider : c.sliders) {
            if (!slider->tagNew().isEmpty()) {
                QCOMPARE(slider->value(), storedFor(h.model, slider));
            }
        }
        // The music group: 56 Hz .. 16 kHz, flat, Q 1.4, low cut 18 Hz.
        QCOMPARE(c.bandReadouts[0]->value(), 56);
        QCOMPARE(c.bandReadouts[18]->value(), 16000);
        QCOMPARE(c.bandReadouts[1]->value(), 0);
        QCOMPARE(c.bandReadouts[2]->value(), 14);
        QCOMPARE(c.bandReadouts[46]->value(), 18);
        QCOMPARE(c.frequencyKnob->value(), 19);
        QCOMPARE(c.bandName->value(), 18); // band 0, offline
        QVERIFY(c.bandPanel->isVisibleTo(&h.window));
    }

    // A store write shows in the controls bound to that address in the slot the window shows,
    // and sends nothing.
    void storeWritesShowInTheControlsBoundToThem_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("byte");

        QTest::newRow("a slider of the mode shown") << 0 << 0x0A << 12;
        QTest::newRow("a selector") << 0 << 0xCB << 1;
        QTest::newRow("the selected band") << 0 << 0x03 << 40;
    }

    void storeWritesShowInTheControlsBoundToThem()
    {
        QFETCH(int, mode);
        QFETCH(int, address);
        QFETCH(int, byte);
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        const MainWindowControls& c = h.c();
        h.model.setValue(ParamField::Value, mode, address, quint8(byte));
        for (SkinnedSlider* slider : c.sliders) {
            if (!slider->tagNew().isEmpty()) {
                QCOMPARE(slider->value(), storedFor(h.model, slider));
            }
        }
        QCOMPARE(c.saveModeButtons[1]->value(),
                 int(h.model.store().value(ParamField::Value, 0, 0xCB)));
        QCOMPARE(c.bandReadouts[0]->value(),
                 BandTable::readout(h.model, 0, 0x03, ParamField::Value));
        QCOMPARE(c.frequencyKnob->value(), int(h.model.store().value(ParamField::Value, 0, 0x03)));
        QVERIFY(h.frames().isEmpty());
    }

    // At the design size every skinned control is exactly its first picture's size: a design
    // that disagrees stretches the art.
    void skinnedControlsAreTheirPicturesSize()
    {
        MainWindowHarness h;
        for (const Form::Entry& entry : h.form().entries()) {
            QSize picture;
            if (const auto* button = qobject_cast<SimpControl*>(entry.object)) {
                picture = h.skin.naturalSize(button->pics().section(u',', 0, 0).toInt());
            } else if (const auto* slider = qobject_cast<SkinnedSlider*>(entry.object)) {
                picture = h.skin.naturalSize(slider->backPic());
            } else {
                continue;
            }
            QVERIFY2(qobject_cast<QWidget*>(entry.object)->size() == picture,
                     qPrintable(entryName(entry)));
        }
    }

    void aBadDesignStopsStartUp_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("error");
        QTest::newRow("malformed line") << "Begin ZEV_Studio.SimpControl btnClose"
                                        << "Begin ZEV_Studio.SimpControl"
                                        << "frmEQ.form:";
        QTest::newRow("a control missing") << "btnUpload"
                                           << "btnUpIoad"
                                           << "btnUpload";
        QTest::newRow("a binding that names nothing") << "\"Group,&H40\""
                                                      << "\"Group,&HZZ\""
                                                      << "MyScrollBar(7)";
        QTest::newRow("a slider that would divide by zero") << "MaxValue = 127"
                                                            << "MaxValue = 0"
                                                            << "MaxValue";
        QTest::newRow("a timer missing") << "Begin Timer Timer6"
                                         << "Begin Timer Timer66"
                                         << "Timer6";
    }

    void aBadDesignStopsStartUp()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, error);
        QFile original(frmEQ::DesignFile);
        QVERIFY(original.open(QIODevice::ReadOnly));
        QString design = QString::fromUtf8(original.readAll());
        QVERIFY(design.contains(from));
        design.replace(design.indexOf(from), from.size(), to);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("frmEQ.form"));
        QFile edited(path);
        QVERIFY(edited.open(QIODevice::WriteOnly));
        edited.write(design.toUtf8());
        edited.close();

        MainWindowHarness h;
        frmEQ window(h.model, h.skin, h.link, h.messages, h.files);
        QString reason;
        QVERIFY(!window.load(reason, path));
        QVERIFY2(reason.contains(error), qPrintable(reason));
        // Nothing of the design stays behind on the window.
        QVERIFY(window.findChildren<QWidget*>().isEmpty());
        QVERIFY(window.findChildren<QTimer*>().isEmpty());
    }

    void syncShowsTheProcessorsValues()
    {
        MainWindowHarness h;
        changeProcessorMemory(h.sim, 7);
        for (int i = 0; i < 3; ++i) {
            MainWindowHarness::click(h.c().modeDown); // mode 3, offline: nothing sent
        }
        QCOMPARE(h.model.currentMode(), 3);
        h.window.grab(); // every visible control draws its picture before the sync
        QVERIFY(h.goOnline());
        const MainWindowControls& c = h.c();
        const ParamStore& device = h.sim.memory().store();
        for (SkinnedSlider* slider : c.sliders) {
            if (const auto binding = TagNew::parseSlider(slider->tagNew())) {
                const int mode = binding->scope == TagNew::Scope::Group ? 3 : 0;
                QCOMPARE(slider->value(),
                         int(device.value(ParamField::Value, mode, binding->address)));
            }
        }
        QCOMPARE(c.inputDisplay->value(), 4);
        QCOMPARE(c.startModeDisplay->value(), 6);
        QCOMPARE(c.fourWayDisplay->value(), 2);
        QCOMPARE(c.lockButton->value(), int(device.value(ParamField::Value, 0, 0xCC)));
        QCOMPARE(c.twoWayButtons[1]->value(), int(device.value(ParamField::Value, 3, 0x14)));
        QCOMPARE(c.bandReadouts[0]->value(),
                 BandTable::readout(h.model, 3, 0x03, ParamField::Value));
        QCOMPARE(c.connectionLamp->value(), 6);
        QCOMPARE(c.bandName->value(), 0);
        // What the window shows is what the controls hold now, not a picture from before.
        for (const Form::Entry& entry : h.form().entries()) {
            if (auto* control = qobject_cast<SkinnedControl*>(entry.object)) {
                const QImage shown = control->grab().toImage();
                control->Refresh();
                QVERIFY2(control->grab().toImage() == shown, qPrintable(entryName(entry)));
            }
        }
    }

    void sliderDragsSendOneFramePerValue_data()
    {
        QTest::addColumn<int>("index");
        for (int index = 0; index < MainWindowControls::SliderCount; ++index) {
            if (index != 6) { // the spare effect fader is bound to nothing
                QTest::addRow("MyScrollBar(%d)", index) << index;
            }
        }
    }

    void sliderDragsSendOneFramePerValue()
    {
        QFETCH(int, index);
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        MainWindowHarness::click(h.c().modeDown); // mode 1, so per-mode and common differ
        h.sim.clearReceivedFrames();
        SkinnedSlider* slider = h.c().sliders[index];
        h.commands().showParameterPanels();
        const int start = slider->value();
        const QList<int> taken = MainWindowHarness::drag(
            slider, {qMax(0, start - 3), qMax(0, start - 6), qMin(slider->maxValue(), start + 2)});
        QVERIFY(taken.size() >= 2);

        const auto binding = TagNew::parseSlider(slider->tagNew());
        const int mode = binding->scope == TagNew::Scope::Group ? 1 : 0;
        QStringList expected;
        if (index < 19 || index > 24) {
            for (int value : taken) {
                expected.append(MainWindowHarness::frame(0, mode, binding->address, value));
            }
        }
        QCOMPARE(h.frames(), expected);
        QCOMPARE(int(h.model.store().value(ParamField::Value, mode, binding->address)),
                 taken.back());
        QVERIFY(slider->controlEnabled());
    }

    void commands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("frames");
        QTest::newRow("mode arrow down at mode 7 still selects the mode")
            << "mode 7, down" << QStringList{MainWindowHarness::frame(4, 7, 0, 0)};
        QTest::newRow("mode arrow up")
            << "mode up" << QStringList{MainWindowHarness::frame(4, 0, 0, 0)};
        QTest::newRow("input up") << "input up"
                                  << QStringList{MainWindowHarness::frame(0, 0, 0xC3, 2)};
        QTest::newRow("input up at 6 sends nothing") << "input 6, up" << QStringList{};
        QTest::newRow("start mode never sends") << "start mode up" << QStringList{};
        QTest::newRow("save mode is stored only") << "save mode 1" << QStringList{};
        QTest::newRow("mode change")
            << "mode change 1" << QStringList{MainWindowHarness::frame(0, 0, 0xCD, 1)};
        QTest::newRow("four-way selector")
            << "four-way down" << QStringList{MainWindowHarness::frame(0, 0, 0xCF, 1)};
        QTest::newRow("two-way button")
            << "effect into centre on" << QStringList{MainWindowHarness::frame(0, 0, 0x14, 1)};
        QTest::newRow("EQ on") << "eq on" << QStringList{MainWindowHarness::frame(0, 0, 0x02, 1)};
        QTest::newRow("group reset sends every band of the group") << "reset" << QStringList{};
        QTest::newRow("lock") << "lock" << QStringList{MainWindowHarness::frame(0, 0, 0xCC, 1)};
    }

    void commands()
    {
        QFETCH(QString, command);
        MainWindowHarness h;
        const MainWindowControls& c = h.c();
        QVERIFY(h.goOnline());
        if (command == u"mode 7, down") {
            h.model.setCurrentMode(7);
            MainWindowHarness::click(c.modeDown);
            QCOMPARE(h.model.currentMode(), 7);
        } else if (command == u"mode up") {
            MainWindowHarness::click(c.modeUp);
        } else if (command == u"input up") {
            MainWindowHarness::click(c.inputArrows[1]);
            QCOMPARE(c.inputDisplay->value(), 2);
        } else if (command == u"input 6, up") {
            h.model.store().setValue(ParamField::Value, 0, 0xC3, 6);
            MainWindowHarness::click(c.inputArrows[1]);
            QCOMPARE(int(h.model.store().value(ParamField::Value, 0, 0xC3)), 6);
        } else if (command == u"start mode up") {
            h.model.store().setValue(ParamField::Value, 0, 0xC4, 3);
            MainWindowHarness::click(c.startModeArrows[1]);
            QCOMPARE(int(h.model.store().value(ParamField::Value, 0, 0xC4)), 4);
            QCOMPARE(c.startModeDisplay->value(), 4);
        } else if (command == u"save mode 1") {
            MainWindowHarness::click(c.saveModeButtons[1]);
            QCOMPARE(int(h.model.store().value(ParamField::Value, 0, 0xCB)), 1);
            QCOMPARE(c.saveModeButtons[0]->value(), 0);
        } else if (command == u"mode change 1") {
            MainWindowHarness::click(c.modeChangeButtons[1]);
        } else if (command == u"four-way down") {
            MainWindowHarness::click(c.fourWayDown);
            QCOMPARE(h.undoHistory().UndoPos(), 0);
        } else if (command == u"effect into centre on") {
            h.commands().showParameterPanels();
            MainWindowHarness::click(c.twoWayButtons[1]);
            QCOMPARE(c.twoWayButtons[0]->value(), 0);
        } else if (command == u"eq on") {
            MainWindowHarness::click(c.bypassButton);
        } else if (command == u"reset") {
            h.model.store().setFields(0, 0x05, {100, 20, 30});
            MainWindowHarness::click(c.groupResetButton);
            QCOMPARE(h.model.store().fields(0, 0x05), (ParamStore::Fields{71, 75, 14}));
            QStringList expected;
            for (int address : {3, 4, 5, 6, 7, 8, 9, 1}) {
                expected.append(MainWindowHarness::frame(
                    0, 0, address, h.model.store().value(ParamField::Value, 0, address)));
            }
            QCOMPARE(h.frames(), expected);
            return;
        } else if (command == u"lock") {
            MainWindowHarness::click(c.lockButton);
            QCOMPARE(c.lockButton->value(), 1);
        }
        QTEST(h.frames(), "frames");
        QVERIFY(h.window.isEnabled());
    }

    void groupSelectionBindsTheBandReadouts_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QList<int>>("readouts");
        QTest::addColumn<QList<int>>("markers");
        QList<int> music;
        for (int i = 0; i < 21; ++i) {
            music.append(i);
        }
        QTest::newRow("music: seven bands and the low cut")
            << 0 << music + QList<int>{46} << QList<int>{0, 1, 2, 3, 4, 5, 6, 16};
        QTest::newRow("bass: only its two cuts") << 6 << QList<int>{0, 46} << QList<int>{0, 16};
        QTest::newRow("effect: three bands, high and low cut")
            << 3 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 46} << QList<int>{0, 1, 2, 3, 16};
        QList<int> microphone;
        QList<int> microphoneMarkers;
        for (int i = 0; i < 47; ++i) {
            microphone.append(i);
            microphoneMarkers.append(i);
        }
        microphoneMarkers.resize(17);
        QTest::newRow("microphone 1-2: fifteen bands, high and low cut")
            << 1 << microphone << microphoneMarkers;
        QTest::newRow("centre: three bands, no cuts")
            << 4 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8} << QList<int>{0, 1, 2};
    }

    void groupSelectionBindsTheBandReadouts()
    {
        QFETCH(int, group);
        QFETCH(QList<int>, readouts);
        QFETCH(QList<int>, markers);
        MainWindowHarness h;
        const MainWindowControls& c = h.c();
        MainWindowHarness::click(c.groupTabs[group]);
        QCOMPARE(h.model.currentEqGroup(), group);
        QList<int> visibleReadouts;
        for (int i = 0; i < MainWindowControls::BandReadoutCount; ++i) {
            if (c.bandReadouts[i]->isVisibleTo(&h.window)) {
                visibleReadouts.append(i);
            }
        }
        QList<int> visibleMarkers;
        for (int i = 0; i < MainWindowControls::BandMarkerCount; ++i) {
            if (c.bandMarkers[i]->isVisibleTo(&h.window)) {
                visibleMarkers.append(i);
            }
        }
        QCOMPARE(visibleReadouts, readouts);
        QCOMPARE(visibleMarkers, markers);
        // The EQ button follows the group's own bypass byte.
        const int bypass = EqGroupTable::instance().group(group).bypass;
        h.model.store().setValue(ParamField::Value, h.model.currentMode(), bypass, 1);
        h.window.RefreshControls(Refresh::Buttons);
        QCOMPARE(c.bypassButton->value(), 1);
        h.model.store().setValue(ParamField::Value, h.model.currentMode(), bypass, 0);
        h.window.RefreshControls(Refresh::Buttons);
        QCOMPARE(c.bypassButton->value(), 0);
        QCOMPARE(c.groupTabs[group]->value(), 1);
        QCOMPARE(h.model.store().value(ParamField::Value, 0, 0x40),
                 quint8(80)); // selecting sends and changes nothing
        QVERIFY(h.frames().isEmpty());
    }

    void bassHighCutUsesItsOwnMarkerPicture()
    {
        MainWindowHarness h;
        MainWindowHarness::click(h.c().groupTabs[6]);
        QVERIFY(h.c().bandMarkers[0]->userHightCutPic());
        QCOMPARE(h.c().bandReadouts[0]->value(), 230); // 54: 230 Hz
        QCOMPARE(h.c().bandName->value(), 33);         // the high cut, offline
    }

    void bandSteppingWraps()
    {
        MainWindowHarness h;
        const MainWindowControls& c = h.c();
        MainWindowHarness::click(c.previousBand);
        QCOMPARE(h.bands().CurrentBand(), 7); // the music low cut
        QCOMPARE(c.bandMarkers[16]->value(), 1);
        QCOMPARE(c.frequencyKnob->value(), 0);
        MainWindowHarness::click(c.nextBand);
        QCOMPARE(h.bands().CurrentBand(), 0);
        QCOMPARE(c.bandMarkers[0]->value(), 1);
    }

    void knobsEditTheCurrentBand()
    {
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        const MainWindowControls& c = h.c();
        // Band 0 of the music group, 56 Hz: up in frequency.
        const QList<int> taken = MainWindowHarness::drag(c.frequencyKnob, {25, 30});
        QCOMPARE(int(h.model.store().value(ParamField::Value, 0, 0x03)), taken.back());
        QCOMPARE(c.bandReadouts[0]->value(),
                 BandTable::readout(h.model, 0, 0x03, ParamField::Value));
        QCOMPARE(h.frames().size(), taken.size());
        QCOMPARE(h.frames().back(), MainWindowHarness::frame(0, 0, 0x03, taken.back()));
    }

    void cutFiltersKeepToTheirRange()
    {
        MainWindowHarness h;
        const MainWindowControls& c = h.c();
        MainWindowHarness::click(c.bandMarkers[16]); // the music low cut
        QCOMPARE(h.bands().current().Kind, BandKind::LowCut);
        MainWindowHarness::drag(c.frequencyKnob, {200, 241});
        QCOMPARE(c.frequencyKnob->value(), 54); // 230 Hz at most
        QCOMPARE(int(h.model.store().value(ParamField::Value, 0, 0x01)), 54);
        // Its gain and Q cannot change: their knobs are disabled and stay put.
        const ParamStore::Fields fields = h.model.store().fields(0, 0x01);
        QVERIFY(!c.qKnob->isEnabled());
        QVERIFY(!c.gainKnob->isEnabled());
        MainWindowHarness::drag(c.qKnob, {30});
        QCOMPARE(c.qKnob->value(), 14);
        QCOMPARE(h.model.store().fields(0, 0x01), fields);
        MainWindowHarness::click(c.previousBand); // back to a peaking band
        QVERIFY(c.qKnob->isEnabled());
    }

    void newTabsEditTheirGroupInTheCurrentMode_data()
    {
        QTest::addColumn<int>("group");
        QTest::newRow("microphone 1-2") << 1;
        QTest::newRow("centre") << 4;
        QTest::newRow("surround") << 5;
        QTest::newRow("record") << 7;
    }

    void newTabsEditTheirGroupInTheCurrentMode()
    {
        QFETCH(int, group);
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        const MainWindowControls& c = h.c();
        for (int step = 0; step < 3; ++step) {
            MainWindowHarness::click(c.modeDown);
        }
        MainWindowHarness::click(c.groupTabs[group]);
        h.sim.clearReceivedFrames();
        const EqGroup& g = EqGroupTable::instance().group(group);
        QCOMPARE(h.bands().band(0).Address, g.firstBand);
        MainWindowHarness::drag(c.gainKnob, {60});
        QCOMPARE(int(h.model.store().value(ParamField::Gain, 3, g.firstBand)), 60);
        QCOMPARE(h.frames().back(),
                 MainWindowHarness::frame(
                     0, 3, g.firstBand, h.model.store().value(ParamField::Value, 3, g.firstBand)));
        MainWindowHarness::click(c.bypassButton);
        QCOMPARE(h.frames().back(), MainWindowHarness::frame(0, 3, g.bypass, 1));
        QVERIFY(h.sim.memory().store() == h.model.store());
    }

    void cutFilterKnobsShowItsFlatRecord_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("stepsLeft");
        QTest::newRow("music low cut") << 0 << 1;
        QTest::newRow("effect high cut") << 3 << 2;
        QTest::newRow("bass low cut") << 6 << 1;
    }

    void cutFilterKnobsShowItsFlatRecord()
    {
        QFETCH(int, group);
        QFETCH(int, stepsLeft);
        MainWindowHarness h;
        QVERIFY(h.goOnline());
        const MainWindowControls& c = h.c();
        MainWindowHarness::click(c.groupTabs[group]);
        for (int step = 0; step < stepsLeft; ++step) {
            MainWindowHarness::click(c.previousBand);
        }
        const EqBand& band = h.bands().current();
        QVERIFY(band.Kind != BandKind::Peaking);
        QCOMPARE(c.frequencyKnob->value(),
                 int(h.model.store().value(ParamField::Value, 0, band.Address)));
        QCOMPARE(c.gainKnob->value(), 75); // 0 dB
        QCOMPARE(c.qKnob->value(), 14);    // Q 1.4
        QVERIFY(h.frames().isEmpty());
    }

    void panelTabs_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<int>("tab");
        QTest::newRow("first tab, top edge") << QPoint(715, 18) << 0;
        QTest::newRow("first tab, bottom edge (825 twips)") << QPoint(800, 55) << 0;
        QTest::newRow("below the tabs (840 twips)") << QPoint(800, 56) << -1;
        QTest::newRow("second tab") << QPoint(900, 30) << 1;
        QTest::newRow("third tab, last pixel") << QPoint(1065, 30) << 2;
        QTest::newRow("between two tabs") << QPoint(828, 30) << -1;
    }

    void panelTabs()
    {
        QFETCH(QPoint, press);
        QFETCH(int, tab);
        MainWindowHarness h;
        const MainWindowControls& c = h.c();
        MainWindowHarness::click(c.panelsTab);
        QVERIFY(c.parameterPanels[0]->isVisibleTo(&h.window));
        QVERIFY(!c.bandPanel->isVisibleTo(&h.window));
        QTest::mousePress(c.panelTabStrips[0], Qt::LeftButton, {}, press);
        const int shown = tab < 0 ? 0 : tab;
        QCOMPARE(h.commands().currentTab(), shown);
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(c.parameterPanels[k]->isVisibleTo(&h.window), k == shown);
        }
        // The window shows that panel's own art, with its tab strip, at the panel's place.
        const QImage window = h.window.grab().toImage();
        const QImage art = h.skin.image(std::array{292, 249, 300}[shown]);
        for (const QPoint at : {QPoint(770, 36), QPoint(890, 36), QPoint(1010, 36)}) {
            QCOMPARE(window.pixel(c.parameterPanels[shown]->mapTo(&h.window, at)), art.pixel(at));
        }
    }

    void toneGoesBackToNeutralOffline()
    {
        MainWindowHarness h;
        SkinnedSlider* tone = h.c().toneKey;
        MainWindowHarness::drag(tone, {8});
        QCOMPARE(tone->value(), 8);
        QTRY_COMPARE_WITH_TIMEOUT(tone->value(), 5, 1000);
    }

    void lampSaysWhyItIsOffline()
    {
        MainWindowHarness h;
        SimpControl* lamp = h.c().connectionLamp;
        QVERIFY(h.goOnline());
        QCOMPARE(lamp->toolTip(), QStringLiteral("联机"));
        h.link.setOnline(false);
        QCOMPARE(lamp->toolTip(), QStringLiteral("脱机：处理器没有应答"));
        h.sim.unplug();
        QCOMPARE(lamp->toolTip(), QStringLiteral("脱机：未找到处理器"));
    }

    void firstExposureWaitsForTheActivationOrTheLongestHold_data()
    {
        QTest::addColumn<bool>("releasedBeforeExposure");
        QTest::addColumn<bool>("releasedAfterExposure");
        QTest::newRow("activated after its exposure") << false << true;
        QTest::newRow("activated before its exposure") << true << false;
        QTest::newRow("never activated") << false << false;
    }

    void firstExposureWaitsForTheActivationOrTheLongestHold()
    {
        QFETCH(bool, releasedBeforeExposure);
        QFETCH(bool, releasedAfterExposure);
        QWidget window;
        window.winId();
        const QPointer hold =
            new FirstExposeHold(*window.windowHandle(), std::chrono::milliseconds(100));
        if (releasedBeforeExposure) {
            hold->release();
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // A widget is marked mapped, and painted, when its window's exposure reaches it.
        QCOMPARE(window.testAttribute(Qt::WA_Mapped), releasedBeforeExposure);
        if (releasedAfterExposure) {
            hold->release();
        }
        QTRY_VERIFY(window.testAttribute(Qt::WA_Mapped) && hold.isNull());
    }

    void keysOpenTheOtherWindows()
    {
        MainWindowHarness h;
        QTemporaryDir folder;
        h.commIndicator().setLogFile(CommLogFile(folder.path(), folder.path()));
        // Only the lower-case letters are commands.
        QTest::keyClicks(&h.window, QStringLiteral("WQx"));
        QVERIFY(!h.commIndicator().isVisible());
        QVERIFY(h.messages.shown.isEmpty());
        QTest::keyClicks(&h.window, QStringLiteral("q"));
        QCOMPARE(h.messages.texts(),
                 QStringList{QStringLiteral("Please get your device online first. ")});
        QTest::keyClicks(&h.window, QStringLiteral("w"));
        QVERIFY(h.commIndicator().isVisible());
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
