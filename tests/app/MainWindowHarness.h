#pragma once

#include "DeviceLink.h"
#include "FileChooser.h"
#include "Frames.h"
#include "MainWindowControls.h"
#include "MainWindowProbe.h"
#include "ParamModel.h"
#include "RecordingMessages.h"
#include "RunUntil.h"
#include "SimProcessor.h"
#include "SimulatedComm.h"
#include "SkinImages.h"
#include "SkinnedControl.h"
#include "SkinnedSlider.h"
#include "frmEQ.h"

#include <QCoro/QCoroTask>
#include <QDir>
#include <QTest>

// Answers the file dialogs with paths set by the test.
class ScriptedFiles : public FileChooser
{
public:
    // Copies: GCC 12 moves a member named alone in co_return, which emptied the path after one use.
    QCoro::Task<QString> BrowsePresetFile() override { co_return QString(openPath); }
    QCoro::Task<QString> ChoosePresetSaveFile() override { co_return QString(savePath); }
    QCoro::Task<QString> browseFilterFile() override { co_return QString(openPath); }
    QCoro::Task<QString> chooseFilterSaveFile() override { co_return QString(savePath); }
    QCoro::Task<QString> browseMeasurementFile() override { co_return QString(openPath); }

    QString openPath;
    QString savePath;
};

// The whole program against a simulated processor: store, skin, link and the main window shown
// at its design size, but not yet connected (tests connect when they want to). Messages are
// recorded, or shown as the program shows them (MessageBoxMessages).
template <class Messages>
struct MainWindowHarnessOf
{
    static constexpr int DesignWidth = 1582;
    static constexpr int DesignHeight = 900;

    explicit MainWindowHarnessOf(const LinkTimings& timings = {})
        : comm(sim)
        , link(model, comm, timings)
        , window(model, skin, link, messages, files)
    {
        skin.InitSkin();
        loaded = window.load(loadError);
        if (!loaded) {
            return;
        }
        // The first activation starts the search for the processor; keep it from finding one
        // until the test asks for the connection.
        sim.unplug();
        window.show();
        window.activateWindow();
        activated = QTest::qWaitForWindowActive(&window) && window.isFirstActivationDone();
        supervisor().stop();
        QTRY_VERIFY(!link.isBusy());
        sim.replug();
        window.resize(DesignWidth, DesignHeight);
    }

    const MainWindowControls& c() const { return MainWindowProbe::controls(window); }
    const Form& form() const { return MainWindowProbe::form(window); }
    ConnectionSupervisor& supervisor() { return MainWindowProbe::supervisor(window); }
    UndoHistory& undoHistory() { return MainWindowProbe::undoHistory(window); }
    BandTable& bands() { return MainWindowProbe::bands(window); }
    MainCommands& commands() { return MainWindowProbe::commands(window); }
    CommIndicator& commIndicator() { return MainWindowProbe::commIndicator(window); }
    RedrawRateMeter& redrawRateMeter() { return MainWindowProbe::redrawRateMeter(window); }
    RoomEqActions& roomEq() { return MainWindowProbe::roomEq(window); }
    const WindowLayout& layout() const { return MainWindowProbe::layout(window); }

    // Hands the link its handshake and synchronisation, then forgets the frames they took.
    bool goOnline()
    {
        const bool online = QCoro::waitFor(supervisor().Handshake()) && link.isOnline();
        sim.clearReceivedFrames();
        return online;
    }

    // Lets the event loop run until nothing uses the link any more, without the naps of
    // QTest::qWaitFor, which would make the processor's answers late for the link's time-outs.
    bool settle(int timeoutMs = 20000) const
    {
        return runUntil([this] { return !link.isBusy(); }, timeoutMs);
    }

    // "type/mode/address/D1" of every frame the processor received since the last clear, once
    // every send under way has been answered.
    QStringList frames() const
    {
        settle();
        QStringList lines;
        for (const auto& frame : sim.receivedFrames()) {
            lines.append(QStringLiteral("%1/%2/%3/%4")
                             .arg(frame.type)
                             .arg(frame.mode)
                             .arg(frame.address, 2, 16, QLatin1Char('0'))
                             .arg(frame.bytes.size() > 3 ? quint8(frame.bytes[3]) : 0));
        }
        return lines;
    }

    static QString frame(int type, int mode, int address, int d1)
    {
        return QStringLiteral("%1/%2/%3/%4")
            .arg(type)
            .arg(mode)
            .arg(address, 2, 16, QLatin1Char('0'))
            .arg(d1);
    }

    // Where the thumb of a slider stands for an exposed value, in the slider's pixels (the window
    // is at its design size, so natural pixels are widget pixels).
    static QPoint thumbPoint(const SkinnedSlider* slider, int value)
    {
        const int position = slider->changeMinMax() ? slider->maxValue() - value : value;
        const double centre = slider->minPos() + position *
                                                     double(slider->maxPos() - slider->minPos()) /
                                                     slider->maxValue();
        const int across = slider->stableOtherPos() + 5; // inside every thumb picture
        return slider->displayType() == SkinnedSlider::Horizontal ? QPoint(qRound(centre), across)
                                                                  : QPoint(across, qRound(centre));
    }

    // Presses the thumb where it stands, drags it towards the given values and lets go; returns
    // the values the slider took on the way, each once. Each step waits, as a hand would, until
    // the slider takes input again (its send has been answered).
    static QList<int> drag(SkinnedSlider* slider, const QList<int>& values)
    {
        QList<int> taken;
        int last = slider->value();
        QTest::mousePress(slider, Qt::LeftButton, {}, thumbPoint(slider, last));
        for (int value : values) {
            QTest::mouseMove(slider, thumbPoint(slider, value));
            if (slider->value() != last) {
                last = slider->value();
                taken.append(last);
            }
            waitUntilEnabled(slider);
        }
        QTest::mouseRelease(slider, Qt::LeftButton, {}, thumbPoint(slider, values.back()));
        return taken;
    }

    // Clicks, then waits until the control and the window take input again: whatever the click
    // sent has been answered.
    static void click(QWidget* control)
    {
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
        waitUntilEnabled(control);
    }

    static void waitUntilEnabled(QWidget* control)
    {
        const bool enabled = runUntil([control] {
            const auto* skinned = qobject_cast<const SkinnedControl*>(control);
            return control->window()->isEnabled() && (!skinned || skinned->controlEnabled());
        });
        if (!enabled) {
            QTest::qFail("the control stayed disabled", __FILE__, __LINE__);
        }
    }

    ParamModel model;
    SkinImages skin;
    SimProcessor sim;
    SimulatedComm comm;
    Messages messages;
    DeviceLink link;
    ScriptedFiles files;
    frmEQ window;
    bool loaded = false;
    bool activated = false;
    QString loadError;
};

using MainWindowHarness = MainWindowHarnessOf<RecordingMessages>;
