#include "RoomEqCommands.h"

#include "BandEncoding.h"
#include "CommandLineTool.h"
#include "DeviceSession.h"
#include "EqGroupTable.h"
#include "FilterText.h"
#include "Frames.h"
#include "FrequencyPoints.h"
#include "GridFit.h"
#include "MeasurementText.h"
#include "NumberArgument.h"
#include "ParamStore.h"
#include "ProcessorModel.h"
#include "RoomCorrection.h"
#include "Wish.h"

#include <QDir>

namespace {

// "56 Hz 0.0 dB Q 1.4" for a peaking band, "18 Hz" for a cut.
QString bandText(const StoredBand& band)
{
    QString hz = QStringLiteral("%1 Hz").arg(BandEncoding::FreqFromIndex(band.index));
    if (band.kind != BandKind::Peaking) {
        return hz;
    }
    return QStringLiteral("%1 %2 dB Q %3")
        .arg(hz)
        .arg(BandEncoding::GainFromByte(band.gain), 0, 'f', 1)
        .arg(BandEncoding::QFromByte(band.q));
}

QString bandName(const StoredBand& band, int peakingNumber)
{
    switch (band.kind) {
    case BandKind::HighCut:
        return QStringLiteral("high cut");
    case BandKind::LowCut:
        return QStringLiteral("low cut");
    case BandKind::Peaking:
        break;
    }
    return QStringLiteral("band %1").arg(peakingNumber);
}

} // namespace

const char* const RoomEqCommands::ExportSynopsis = "eq export MODE GROUP";
const char* const RoomEqCommands::ExportHelp = QT_TRANSLATE_NOOP(
    "CommandLineTool",
    "Read EQ group GROUP (numbered as for curve) of mode MODE from the processor and print its\n"
    "bands as filter text, the lines room-measurement programs and PC equalisers read: a\n"
    "comment naming group and mode, \"Filter N: ON PK Fc F Hz Gain G dB Q Q\" per peaking\n"
    "band, the cuts as HPQ (low cut) and LPQ (high cut) with their fixed Q 0.77, and a last\n"
    "comment saying how far the text's response lies from the processor's.");
const char* const RoomEqCommands::ImportSynopsis = "eq import FILE MODE GROUP [--dry-run]";
const char* const RoomEqCommands::ImportHelp = QT_TRANSLATE_NOOP(
    "CommandLineTool",
    "Fit the response of a filter file onto EQ group GROUP of mode MODE and write the bands\n"
    "that change to the processor (nothing with --dry-run). The file's filters (PK, PEQ, LP,\n"
    "LPQ, HP, HPQ, LS, LSC, HS, HSC, with Q or BW Oct; decimal points, not commas) make a\n"
    "response at 48 kHz; the group's bands are chosen on the processor's steps to come as\n"
    "close to it as they can from 20 Hz to 20 kHz, every octave weighing the same. A shelf\n"
    "has no band of its own and is reached by the peaking bands; a preamp is not applied. A\n"
    "malformed line refuses the file, naming the line. Prints every band before and after\n"
    "(\"band 1: 56 Hz 0.0 dB Q 1.4 -> 63 Hz -3.2 dB Q 2\", \"low cut: 18 Hz -> 30 Hz\"),\n"
    "then \"max deviation X dB, rms Y dB\": the processor's response against the file's.");
const char* const RoomEqCommands::FitSynopsis =
    "eq fit MEASUREMENT MODE GROUP [--target FILE] [--dry-run]";
const char* const RoomEqCommands::FitHelp = QT_TRANSLATE_NOOP(
    "CommandLineTool",
    "Fit the correction of a measured room onto EQ group GROUP of mode MODE and write the\n"
    "bands that change (nothing with --dry-run): the target, flat without --target, minus\n"
    "the measurement, each levelled at its mean from 200 Hz to 2 kHz. Both files are the text\n"
    "a room-measurement program exports (\"*\" or \"#\" comment lines, then frequency and dB\n"
    "a line, separated by blanks, tabs or commas, further columns ignored) or CSV with a\n"
    "header naming the columns frequency and raw. Prints as eq import does; the deviation is\n"
    "that of the correction, where the measurement has points.");

RoomEqCommands::RoomEqCommands(QTextStream& out, QTextStream& err, Connected connected,
                               BadUsage badUsage)
    : m_out(out)
    , m_err(err)
    , m_connected(std::move(connected))
    , m_badUsage(std::move(badUsage))
{}

std::optional<QPair<int, int>> RoomEqCommands::modeAndGroup(const QString& mode,
                                                            const QString& group)
{
    QString error;
    const auto m = NumberArgument::parse(mode, ParamStore::ModeCount - 1, "MODE", error);
    const auto g = m ? NumberArgument::parse(group, EqGroupTable::GroupCount - 1, "GROUP", error)
                     : std::nullopt;
    if (!g) {
        m_badUsage(error);
        return std::nullopt;
    }
    return QPair<int, int>{*m, *g};
}

QCoro::Task<int> RoomEqCommands::exportCommand(QStringList arguments)
{
    const auto target = modeAndGroup(arguments.value(0), arguments.value(1));
    if (!target) {
        co_return CommandLineTool::BadUsage;
    }
    co_return co_await exportGroup(target->first, target->second);
}

QCoro::Task<int> RoomEqCommands::importCommand(QStringList arguments)
{
    const bool dryRun = arguments.removeAll(QStringLiteral("--dry-run")) > 0;
    if (arguments.size() != 3) {
        co_return m_badUsage(tr("usage: tonvexa-cli %1").arg(QLatin1String(ImportSynopsis)));
    }
    const auto target = modeAndGroup(arguments[1], arguments[2]);
    if (!target) {
        co_return CommandLineTool::BadUsage;
    }
    co_return co_await importFile(arguments[0], target->first, target->second, dryRun);
}

QCoro::Task<int> RoomEqCommands::fitCommand(QStringList arguments)
{
    const bool dryRun = arguments.removeAll(QStringLiteral("--dry-run")) > 0;
    QString curve;
    const qsizetype option = arguments.indexOf(QStringLiteral("--target"));
    if (option >= 0 && option + 1 < arguments.size()) {
        curve = arguments.takeAt(option + 1);
        arguments.removeAt(option);
    }
    if (arguments.size() != 3 || arguments.indexOf(QStringLiteral("--target")) >= 0) {
        co_return m_badUsage(tr("usage: tonvexa-cli %1").arg(QLatin1String(FitSynopsis)));
    }
    const auto target = modeAndGroup(arguments[1], arguments[2]);
    if (!target) {
        co_return CommandLineTool::BadUsage;
    }
    co_return co_await fitMeasurement(arguments[0], curve, target->first, target->second, dryRun);
}

int RoomEqCommands::fileFailed(const QString& path, const QString& reason)
{
    m_err << '"' << QDir::toNativeSeparators(path) << "\": " << reason << Qt::endl;
    return CommandLineTool::Failure;
}

QCoro::Task<int> RoomEqCommands::exportGroup(int mode, int group)
{
    co_return co_await m_connected([&](DeviceSession& session) -> QCoro::Task<int> {
        const GroupBands bands = GroupBands::read(session.model().store(), mode, group);
        const FilterList filters = bands.filters();
        m_out << FilterText::write(filters, bands.title(mode));
        // How faithfully the text stands for the bands, as a comment readers pass over.
        ProcessorModel model(FrequencyPoints::standard());
        const Wish wish = Wish::ofFilters(filters);
        m_out << "# " << Deviation::of(model.group(bands), wish).text() << '\n';
        co_return CommandLineTool::Success;
    });
}

QCoro::Task<int> RoomEqCommands::importFile(QString path, int mode, int group, bool dryRun)
{
    const FilterText::Result read = FilterText::readFile(path);
    if (!read.file) {
        co_return fileFailed(path, read.error);
    }
    const FilterFile& file = *read.file;
    if (file.skippedLines > 0 || file.filtersOff > 0) {
        m_err << tr("%1 lines passed over, %2 filters off\n")
                     .arg(file.skippedLines)
                     .arg(file.filtersOff);
    }
    if (file.preampDb) {
        m_err
            << tr("preamp %1 dB not applied: the EQ has no gain of its own\n").arg(*file.preampDb);
    }
    co_return co_await fitAndWrite(Wish::ofFilters(file.filters), file.filters, mode, group,
                                   dryRun);
}

QCoro::Task<int> RoomEqCommands::fitMeasurement(QString path, QString target, int mode, int group,
                                                bool dryRun)
{
    const MeasurementText::Result measured = MeasurementText::readFile(path);
    if (!measured.response) {
        co_return fileFailed(path, measured.error);
    }
    MeasurementText::Result goal;
    if (!target.isEmpty()) {
        goal = MeasurementText::readFile(target);
        if (!goal.response) {
            co_return fileFailed(target, goal.error);
        }
    }
    const RoomCorrection::Result correction =
        RoomCorrection::wish(*measured.response, goal.response ? &*goal.response : nullptr);
    if (!correction.wish) {
        co_return fileFailed(correction.targetFailed ? target : path, correction.error);
    }
    co_return co_await fitAndWrite(*correction.wish, {}, mode, group, dryRun);
}

QCoro::Task<int> RoomEqCommands::fitAndWrite(Wish wish, FilterList seed, int mode, int group,
                                             bool dryRun)
{
    co_return co_await m_connected([&](DeviceSession& session) -> QCoro::Task<int> {
        const GroupBands before = GroupBands::read(session.model().store(), mode, group);
        const GridFit::Result fitted = GridFit::fit(wish, before, seed);
        printBands(before, fitted.bands);
        m_out << fitted.deviation.text() << '\n';
        m_out.flush();
        if (dryRun) {
            m_err << tr("--dry-run: nothing written\n");
            co_return CommandLineTool::Success;
        }
        const bool written = co_await writeChanges(session, mode, before, fitted.bands);
        co_return written ? CommandLineTool::Success : CommandLineTool::Failure;
    });
}

void RoomEqCommands::printBands(const GroupBands& before, const GroupBands& after)
{
    int peaking = 0;
    for (std::size_t i = 0; i < before.bands().size(); ++i) {
        const StoredBand& old = before.bands()[i];
        peaking += old.kind == BandKind::Peaking ? 1 : 0;
        m_out << bandName(old, peaking) << ": " << bandText(old) << " -> "
              << bandText(after.bands()[i]) << '\n';
    }
}

QCoro::Task<bool> RoomEqCommands::writeChanges(DeviceSession& session, int mode,
                                               const GroupBands& before, const GroupBands& after)
{
    after.writeChanges(session.model().store(), mode, before);
    for (const int address : after.changedAddresses(before)) {
        const bool answered =
            co_await session.link().SendFrame(Frames::Type::ParamWrite, mode, ParamAddress(address),
                                              Frames::StoredBytes, ReplyTimeout::Normal);
        if (!answered) {
            co_return false;
        }
    }
    co_return true;
}
