#include "BulkTransfer.h"
#include "C_ProgressBar.h"
#include "ConnectionSupervisor.h"
#include "EchoDelayTable.h"
#include "Form.h"
#include "MainWindowHarness.h"
#include "ParamBlocks.h"
#include "ParamTable.h"
#include "PresetTestSupport.h"
#include "SavePreset.h"
#include "SimFaultPlan.h"
#include "SimpControl.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <map>

namespace {

// The link's time-outs during the soak: a tenth of the processor's, so that a lost frame costs
// tens of milliseconds. The final upload and sync run with the real ones.
constexpr double SoakTimeScale = 0.1;
constexpr int DefaultSeconds = 45;
constexpr int DefaultEditLimit = 6000;
// Of every hundred edits, how many meet a fault; of every thousand, how many lose the link.
constexpr int FaultPercent = 6;
constexpr int LinkLossPerMille = 3;
// Edits run from a timer, so that they land while other exchanges wait for their replies.
constexpr int DeferredPercent = 20;
// Every so many edits the soak waits for the link to be idle and compares.
constexpr int QuietCheckEvery = 200;

constexpr std::array<SimFault, 6> FrameFaults{SimFault::Silent,     SimFault::AckOnly,
                                              SimFault::CorruptAck, SimFault::CorruptData,
                                              SimFault::NoiseFirst, SimFault::SplitReply};

int environmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

// Thousands of random edits through the window, against a simulated processor that misbehaves
// in every way it can: afterwards, with the faults off, the processor's memory equals the store
// (nothing drifted), an upload and a sync leave them equal, no control is left disabled, and the
// window closes. The run is seeded; TONVEXA_SOAK_SEED replays a seed, TONVEXA_SOAK_SECONDS and
// TONVEXA_SOAK_EDITS bound it.
class tst_FaultSoak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editsThroughFaultsEndInAgreement();

private:
    using Edit = std::function<void()>;
    struct EditKind
    {
        const char* name;
        int weight;
        Edit edit;
    };

    QList<EditKind> editKinds(MainWindowHarness& h);
    void injectFaults(MainWindowHarness& h);
    int pick(int bound) { return int(m_random.bounded(bound)); }

    QRandomGenerator m_random;
    QTemporaryDir m_dir;
    QStringList m_presets;
    std::map<QString, int> m_edits;
    int m_queuedLinkLosses = 0;
    int m_whileDisabled = 0;
};

QList<tst_FaultSoak::EditKind> tst_FaultSoak::editKinds(MainWindowHarness& h)
{
    const MainWindowControls& c = h.c();
    const auto drag = [this](SkinnedSlider* slider) {
        MainWindowHarness::drag(slider, {pick(slider->maxValue() + 1)});
    };
    const auto clickOneOf = [this](const QList<SimpControl*>& controls) {
        MainWindowHarness::click(controls[pick(int(controls.size()))]);
    };
    const QList<SimpControl*> tabs(c.groupTabs.begin(), c.groupTabs.end());
    return {
        {"fader", 30,
         [&c, this, drag] {
             drag(c.sliders[pick(c.sliders.size())]);
         }},
        {"knob", 10,
         [&c, this, drag] {
             drag(QList{c.frequencyKnob, c.gainKnob, c.qKnob}[pick(3)]);
         }},
        {"button", 8,
         [&c, clickOneOf] {
             clickOneOf(QList(c.twoWayButtons.begin(), c.twoWayButtons.end()));
         }},
        {"band step", 4,
         [&c, clickOneOf] {
             clickOneOf({c.previousBand, c.nextBand});
         }},
        {"EQ bypass", 3,
         [&c] {
             MainWindowHarness::click(c.bypassButton);
         }},
        {"mode", 8,
         [&c, clickOneOf] {
             clickOneOf({c.modeUp, c.modeDown});
         }},
        {"group tab", 5,
         [tabs, clickOneOf] {
             clickOneOf(tabs);
         }},
        {"selector", 5,
         [&c, clickOneOf] {
             clickOneOf({c.fourWayUp, c.fourWayDown, c.inputArrows[0], c.inputArrows[1],
                         c.modeChangeButtons[0], c.modeChangeButtons[1]});
         }},
        {"tone", 2,
         [&c, drag] {
             drag(c.toneKey);
         }},
        {"undo", 6,
         [&c] {
             MainWindowHarness::click(c.undoButton);
         }},
        {"redo", 4,
         [&c] {
             MainWindowHarness::click(c.redoButton);
         }},
        {"group reset", 3,
         [&c] {
             MainWindowHarness::click(c.groupResetButton);
         }},
        {"import", 3,
         [&h, &c, this] {
             h.files.openPath = m_presets[pick(int(m_presets.size()))];
             MainWindowHarness::click(c.importButton);
         }},
        {"upload", 3,
         [&h, &c, this] {
             // A fault somewhere in the 26 frames of the upload.
             QList<SimFault> faults(pick(26), SimFault::None);
             faults.append(FrameFaults[pick(FrameFaults.size())]);
             h.sim.queueFaults(faults);
             MainWindowHarness::click(c.uploadButton);
         }},
        {"pause", 6,
         [this] {
             QTest::qWait(pick(30));
         }},
    };
}

void tst_FaultSoak::injectFaults(MainWindowHarness& h)
{
    if (pick(1000) < LinkLossPerMille) {
        // Eight lost attempts take the link down; the supervisor's next handshake brings it back
        // with a synchronisation, which meets a fault of its own somewhere in its 29 frames.
        QList<SimFault> faults(8, SimFault::Silent);
        faults.append(QList<SimFault>(1 + pick(29), SimFault::None));
        faults.append(FrameFaults[pick(FrameFaults.size())]);
        h.sim.queueFaults(faults);
        ++m_queuedLinkLosses;
    } else if (pick(100) < FaultPercent) {
        QList<SimFault> faults(pick(3), SimFault::None);
        faults.append(FrameFaults[pick(FrameFaults.size())]);
        h.sim.queueFaults(faults);
    }
}

void tst_FaultSoak::editsThroughFaultsEndInAgreement()
{
    const quint32 seed = quint32(
        environmentNumber("TONVEXA_SOAK_SEED", int(QRandomGenerator::system()->bounded(1 << 30))));
    const int seconds = environmentNumber("TONVEXA_SOAK_SECONDS", DefaultSeconds);
    qInfo("soak seed %u (TONVEXA_SOAK_SEED=%u replays it), at most %d s", seed, seed, seconds);
    m_random.seed(seed);

    // Presets to import: good ones, and each way a file can be refused.
    for (int i = 0; i < 3; ++i) {
        ParamModel model;
        PresetTestSupport::fillRandom(model, seed + i, true);
        RecordingMessages quiet;
        m_presets.append(
            *SavePreset(m_dir.filePath(QStringLiteral("good%1.PA").arg(i)), model, quiet));
    }
    PresetTestSupport::writeFile(m_dir.filePath("other.PA"), "[Main]\nType=OTHER\n");
    QByteArray bad = PresetTestSupport::readFile(m_presets[0]);
    PresetTestSupport::writeFile(m_dir.filePath("bad.PA"),
                                 bad.replace("COMMON.ADDR192=", "COMMON.ADDR192=253;"));
    QVERIFY(QDir(m_dir.path()).mkdir("folder.PA"));
    m_presets << m_dir.filePath("other.PA") << m_dir.filePath("bad.PA")
              << m_dir.filePath("folder.PA") << m_dir.filePath("missing.PA");

    LinkTimings soakTimings;
    soakTimings.scale = SoakTimeScale;
    MainWindowHarness h(soakTimings);
    QVERIFY2(h.loaded, qPrintable(h.loadError));
    h.sim.setNoiseSeed(seed);
    // The soak is the link's: every reconnection reads the processor, as without offline edits
    // (the question they raise has tests of its own).
    h.supervisor().trackOfflineEdits(false);
    h.supervisor().start();
    QTRY_VERIFY_WITH_TIMEOUT(h.link.isOnline() && !h.link.isBusy(), 10000);

    const QList<EditKind> kinds = editKinds(h);
    int totalWeight = 0;
    for (const EditKind& kind : kinds) {
        totalWeight += kind.weight;
    }
    const int editLimit = environmentNumber("TONVEXA_SOAK_EDITS", DefaultEditLimit);
    const int unplugAt = pick(editLimit / 2);
    const int replugAt = unplugAt + 20 + pick(40);
    // What the window shows against what the processor holds, at quiet moments of the run and
    // before the final upload and sync force them to agree: every difference is an edit lost on
    // the way, or one the window believes the processor has. By design the window holds back, until
    // a whole upload carries them, the start mode and the six common levels (mode 0, 0xC4..0xCA),
    // which it stores and shows but never sends alone, and the menu-show flags an import reads,
    // which reach a processor only through the menu window; and its displays correct in the store,
    // without sending, an echo delay beyond the table (to 31) and a Q byte of 0 (to 1), which
    // imported presets can hold.
    struct Drift
    {
        QStringList lost; // "field/mode/address: shown, held"
        int byDesign = 0;
        int flags = 0;
    };
    const auto drift = [&h] {
        Drift found;
        const int lastDelay = int(EchoDelayTable.size()) - 1;
        for (int i = 0; i < ParamStore::ByteCount; ++i) {
            const ParamField field = AllParamFields[i / (256 * ParamStore::ModeCount)];
            const int mode = i / 256 % ParamStore::ModeCount;
            const int address = i % 256;
            const int shown = h.model.store().value(field, mode, address);
            const int held = h.sim.memory().store().value(field, mode, address);
            if (shown == held) {
                continue;
            }
            const auto name = findParam(address);
            if ((field == ParamField::Value && mode == 0 && address >= 0xC4 && address <= 0xCA) ||
                (field == ParamField::Value && name && name->kind == ParamKind::EchoDelay &&
                 shown == lastDelay && held > lastDelay) ||
                (field == ParamField::Q && shown == 1 && held == 0)) {
                ++found.byDesign;
            } else {
                found.lost.append(QStringLiteral("%1/%2/0x%3: %4, %5")
                                      .arg(fieldIndex(field))
                                      .arg(mode)
                                      .arg(address, 2, 16, QLatin1Char('0'))
                                      .arg(shown)
                                      .arg(held));
            }
        }
        for (const ParamBlock& block : ParamBlocks) {
            for (int address = block.base; !block.common && address < block.base + block.size;
                 ++address) {
                found.flags += h.sim.memory().menuShow()[address] != h.model.menuShow()[address];
            }
        }
        return found;
    };
    int quietChecks = 0;
    QStringList lostDuringRun;
    QElapsedTimer clock;
    clock.start();
    int edits = 0;
    for (; edits < editLimit && clock.elapsed() < seconds * 1000; ++edits) {
        if (edits == unplugAt) {
            h.sim.unplug();
        } else if (edits == replugAt) {
            h.sim.replug();
        }
        // Each edit of the loop comes once the one before it has been answered, as when a send
        // waited for its answer before it returned; the deferred ones land in between.
        if (!h.settle()) {
            QFAIL("the link stayed busy");
        }
        injectFaults(h);
        int choice = pick(totalWeight);
        const EditKind* kind = &kinds.front();
        for (const EditKind& k : kinds) {
            kind = &k;
            if ((choice -= k.weight) < 0) {
                break;
            }
        }
        // What a user cannot do: click into a window disabled by a transfer (a deferred edit may
        // come too late).
        const auto edit = [this, &h, kind] {
            if (!h.window.isEnabled()) {
                ++m_whileDisabled;
                return;
            }
            ++m_edits[QString::fromLatin1(kind->name)];
            kind->edit();
        };
        if (pick(100) < DeferredPercent) {
            QTimer::singleShot(pick(20), &h.window, edit);
        } else {
            edit();
        }
        QCoreApplication::processEvents();
        if (edits % QuietCheckEvery == QuietCheckEvery - 1) {
            QTest::qWait(25); // the deferred edits
            if (h.settle(2000) && h.link.isOnline()) {
                ++quietChecks;
                lostDuringRun += drift().lost;
            }
        }
    }
    const qint64 soakMs = clock.elapsed();
    if (edits <= replugAt) {
        h.sim.replug();
    }

    // Faults off, the real time-outs back, and whatever still runs allowed to end.
    h.sim.clearFaults();
    QTest::qWait(50); // the deferred edits still to come
    QTRY_VERIFY_WITH_TIMEOUT(!h.link.isBusy(), 20000);
    h.supervisor().stop();
    h.link.setTimings(LinkTimings{});
    h.supervisor().start();
    QTRY_VERIFY_WITH_TIMEOUT(h.link.isOnline() && !h.link.isBusy(), 20000);
    h.supervisor().stop();

    const Drift before = drift();
    qInfo("soak: before the final upload and sync, %d of %d store bytes differ (%d more by "
          "design), and %d of 83 menu flags; field/mode/address: shown, held: %s",
          int(before.lost.size()), ParamStore::ByteCount, before.byDesign, before.flags,
          qPrintable(before.lost.mid(0, 10).join(QStringLiteral("; "))));

    QSignalSpy finished(&h.window.bulk(), &BulkTransfer::transferFinished);
    const int messagesBefore = int(h.messages.shown.size());
    MainWindowHarness::click(h.c().uploadButton);
    QVERIFY(QCoro::waitFor(h.supervisor().Handshake()));
    QCOMPARE(finished.size(), 2);
    QVERIFY(finished[0][0].toBool() && finished[1][0].toBool());
    QCOMPARE(h.messages.texts().mid(messagesBefore), QStringList());
    const Drift after = drift();
    const int storeDifferences = int(after.lost.size()) + after.byDesign;
    const int flagDifferences = after.flags;

    int done = 0;
    for (const auto& [name, count] : m_edits) {
        done += count;
    }
    qInfo("soak: %d edits in %lld ms (and %d not made: the window was disabled by a transfer), "
          "%d frames received by the processor",
          done, soakMs, m_whileDisabled, h.sim.framesReceived());
    QStringList byKind;
    for (const auto& [name, count] : m_edits) {
        byKind.append(QStringLiteral("%1 %2").arg(name).arg(count));
    }
    qInfo("soak: edits by kind: %s", qPrintable(byKind.join(QStringLiteral(", "))));
    QStringList faults;
    for (int kind = 1; kind < SimFaultKindCount; ++kind) {
        if (SimFault(kind) == SimFault::Unplug) {
            continue; // once, by hand, below
        }
        faults.append(QStringLiteral("%1 %2")
                          .arg(SimFaultPlan::kindName(SimFault(kind)))
                          .arg(h.sim.framesWith(SimFault(kind))));
    }
    qInfo("soak: frames meeting faults: %s; unplugged once for %d edits; link losses provoked %d",
          qPrintable(faults.join(QStringLiteral(", "))), replugAt - unplugAt, m_queuedLinkLosses);
    qInfo("soak: after upload and sync, %d of %d store bytes and %d of 83 menu flags differ",
          storeDifferences, ParamStore::ByteCount, flagDifferences);
    qInfo("soak: at %d quiet moments while online, %d store bytes differed: %s", quietChecks,
          int(lostDuringRun.size()),
          qPrintable(lostDuringRun.mid(0, 10).join(QStringLiteral("; "))));
    QCOMPARE(lostDuringRun, QStringList());
    QCOMPARE(before.lost, QStringList());
    QCOMPARE(storeDifferences, 0);
    QCOMPARE(flagDifferences, 0);

    // Nothing stays disabled once the sends are over.
    QVERIFY(h.window.isEnabled());
    QVERIFY(!h.c().transferProgress->isVisible());
    for (const Form::Entry& entry : h.form().entries()) {
        if (const auto* control = qobject_cast<SkinnedControl*>(entry.object.data())) {
            QVERIFY2(control->controlEnabled(),
                     qPrintable(entry.name + QStringLiteral("(%1)").arg(entry.index)));
        }
    }
    QVERIFY(h.window.close());
    QVERIFY(!h.link.isBusy());
}

QTEST_MAIN(tst_FaultSoak)
#include "tst_FaultSoak.moc"
