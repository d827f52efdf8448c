#include "CommandLineTool.h"

#include "AddressText.h"
#include "CurveTable.h"
#include "DecimalNumber.h"
#include "DeviceSession.h"
#include "EqGroupTable.h"
#include "FileName.h"
#include "FramePayload.h"
#include "ImportPreset.h"
#include "LinkTexts.h"
#include "MenuShowListing.h"
#include "NumberArgument.h"
#include "NumberLiteral.h"
#include "ParamBlocks.h"
#include "PartialUpload.h"
#include "PresetTable.h"
#include "ProcessorTransport.h"
#include "RegularFile.h"
#include "RoomEqCommands.h"
#include "SavePreset.h"
#include "SimFaultPlan.h"
#include "UploadCheck.h"

namespace {

const char* const ProgramName = "tonvexa-cli";

// A setting that differs, as verify prints it: mode, address, name, the processor's value(s),
// the other value(s).
QString differenceRow(const SettingDifference& difference)
{
    const QString name = difference.name();
    return QStringList{
        isCommonAddress(difference.key.address) ? QStringLiteral("COMMON")
                                                : QString::number(difference.key.mode),
        addressText(difference.key.address), name.isEmpty() ? QStringLiteral("-") : name,
        difference.heldText(), difference.wantedText()}
        .join(u'\t');
}

// The parameter blocks as the help and the messages name them: their bases ("0x00, 0x40, …")
// and their address ranges ("0x00..0x28, …").
QString blockRange(const ParamBlock& block)
{
    return addressText(block.base) + QStringLiteral("..") + addressText(block.last());
}

QString eachBlock(QString (*text)(const ParamBlock&))
{
    QStringList texts;
    for (const ParamBlock& block : ParamBlocks) {
        texts.append(text(block));
    }
    return texts.join(QStringLiteral(", "));
}

QString blockBases()
{
    return eachBlock([](const ParamBlock& block) { return addressText(block.base); });
}

QString blockRanges()
{
    return eachBlock(blockRange);
}

// The descriptions that name the blocks, %1 where they do.
const char* const FrameHelp = QT_TRANSLATE_NOOP(
    "CommandLineTool",
    "Print the frame the program sends, built from the factory settings (password: nine zero\n"
    "bytes). VALUE 255 takes the three stored bytes; block types 2 and 6 need a block base\n"
    "(%1).");
const char* const GetHelp = QT_TRANSLATE_NOOP(
    "CommandLineTool",
    "Read the block that holds ADDRESS from the processor and print the address's three\n"
    "fields in decimal. Common addresses (%1) are read in mode 0.");

// The line that says why a file failed: the file, then the key and value or the system's error.
QString fileReason(const QString& path, const QString& reason)
{
    return QStringLiteral("\"%1\": %2").arg(FileName::shown(path), reason);
}

} // namespace

CommandLineTool::CommandLineTool(QTextStream& out, QTextStream& err)
    : m_out(out)
    , m_err(err)
{}

const QList<CommandLineTool::Command>& CommandLineTool::commands()
{
    static const QList<Command> list{
        {"devices", "devices",
         tr("List every HID device with the processor's vendor and product id (0483:6850): its "
            "path\n"
            "and report lengths in bytes. With --simulate, the simulated processor."),
         0, 0, &CommandLineTool::devicesCommand},
        {"frame", "frame TYPE MODE ADDRESS [VALUE]", tr(FrameHelp).arg(blockBases()), 3, 4,
         &CommandLineTool::frameCommand},
        {"send", "send TYPE MODE ADDRESS [VALUE]",
         tr("Send the handshake frame, then the frame, and print the processor's data frame.\n"
            "Values 253 and 255 cannot be read back from the processor and are refused, and so is\n"
            "the password write (type 8), which would set a password of nine 0x00 bytes."),
         3, 4, &CommandLineTool::sendCommand},
        {"get", "get MODE ADDRESS", tr(GetHelp).arg(blockRange(CommonBlock)), 2, 2,
         &CommandLineTool::getCommand},
        {"set", "set MODE ADDRESS VALUE [VALUE2 VALUE3]",
         tr("Write one parameter: VALUE into field 0 and, for EQ bands and cuts (which need all\n"
            "three), VALUE2 and VALUE3 into the gain and Q fields; 0 otherwise. Values 253 and "
            "255\n"
            "cannot be read back from the processor and are refused."),
         3, 5, &CommandLineTool::setCommand},
        {"backup", "backup FILE.PA",
         tr("Connect (which reads every parameter from the processor) and save them all to a "
            "preset\n"
            "file (\".PA\" is appended unless the name ends in it). An existing file is replaced.\n"
            "Prints the name of the file written."),
         1, 1, &CommandLineTool::backupCommand},
        {"restore", "restore FILE.PA",
         tr("Connect, import the preset file and upload every parameter to the processor, then "
            "read\n"
            "the processor back: a setting it did not keep is written once more, and one that "
            "still\n"
            "differs is named on standard error as verify names it (exit status 1). The menu\n"
            "display flags in the file are not written to the processor."),
         1, 1, &CommandLineTool::restoreCommand},
        {"verify", "verify FILE.PA",
         tr("Read the processor and compare it with a preset file by value, writing nothing. "
            "Print\n"
            "the settings that differ, tab-separated: mode (0-7 or COMMON), address, name, the\n"
            "processor's value(s), the file's value(s). Exit status 0 when none differ, 1 when "
            "some\n"
            "do, 2 when the file does not import or no processor answers. The menu display flags\n"
            "are not compared (restore does not write them; menushow prints them)."),
         1, 1, &CommandLineTool::verifyCommand},
        {"show", "show FILE.PA",
         tr("Print a preset file as a table, one row per mode and address, tab-separated: mode\n"
            "(0-7, COMMON or MENUSHOW), address, name, stored value(s) (\"-\" where a key is\n"
            "missing) and what the value means where the window shows it as something else: EQ\n"
            "bands and cuts in Hz, dB and Q, the echo delay and reverb time as shown, and the "
            "menu\n"
            "flags as shown or hidden. Exit status 1, after the table, when the file would not\n"
            "import (a key missing or out of range), with the first such key on standard error."),
         1, 1, &CommandLineTool::showCommand},
        {"diff", "diff A.PA B.PA",
         tr("Print the rows of two preset files that differ: mode, address, name, the values in "
            "A,\n"
            "the values in B. Values are compared as numbers (0x50 and 80 are the same). Exit\n"
            "status 0 when none differ, 1 when some do, 2 when a file cannot be read or holds a\n"
            "value that does not read (named on standard error)."),
         2, 2, &CommandLineTool::diffCommand},
        {"menushow", "menushow [FILE.PA]",
         tr("Print which entries the processor's front-panel menu shows, in the menu's own order:\n"
            "a section header as its label, an entry as address, name and \"shown\" or "
            "\"hidden\",\n"
            "tab-separated. Without FILE, the flags are read from the processor; with FILE, from\n"
            "the preset (\"-\" where it lacks a flag). The flags are changed only in the window."),
         0, 1, &CommandLineTool::menushowCommand},
        {"curve", "curve FILE.PA MODE GROUP [--at F1,F2,...]",
         tr("Print the response the window draws for EQ group GROUP (0 music, 1 microphones 1-2,\n"
            "2 microphone 3, 3 effect, 4 centre, 5 surround, 6 bass, 7 record) of mode MODE of a\n"
            "preset file, at the graph's design size: a header line starting with \"*\", then one\n"
            "row per graph column, \"frequency,dB\" with three decimals (the effect group: the\n"
            "peaking bands, the high cut and the low cut, each a dB column). With --at the rows\n"
            "are at the given frequencies in Hz (from 1 up to 24000) instead."),
         3, 5, &CommandLineTool::curveCommand},
        {"eq export", RoomEqCommands::ExportSynopsis, tr(RoomEqCommands::ExportHelp), 2, 2,
         &CommandLineTool::eqExportCommand},
        {"eq import", RoomEqCommands::ImportSynopsis, tr(RoomEqCommands::ImportHelp), 3, 4,
         &CommandLineTool::eqImportCommand},
        {"eq fit", RoomEqCommands::FitSynopsis, tr(RoomEqCommands::FitHelp), 3, 6,
         &CommandLineTool::eqFitCommand},
    };
    return list;
}

QCoro::Task<int> CommandLineTool::run(QStringList words)
{
    QString error;
    const auto options = CliOptions::parse(words, error);
    if (!options) {
        co_return badUsage(error);
    }
    m_options = *options;
    if (m_options.simulate && m_options.simulatorState.isEmpty()) {
        m_options.simulatorState = m_defaultSimulatorState;
    }
    if (m_options.command.isEmpty()) {
        co_return m_options.help ? printUsage() : badUsage(tr("no command given"));
    }
    for (const Command& command : commands()) {
        // A name of two words ("eq fit") takes the first argument as its second word.
        const QStringList name = QString::fromLatin1(command.name).split(u' ');
        if (m_options.command != name[0] ||
            (name.size() == 2 && m_options.arguments.value(0) != name[1])) {
            continue;
        }
        if (name.size() == 2) {
            m_options.arguments.removeFirst();
        }
        if (m_options.help || m_options.arguments.contains(u"--help")) {
            co_return printCommandHelp(command);
        }
        const auto count = m_options.arguments.size();
        if (count < command.minArguments || count > command.maxArguments) {
            co_return badUsage(tr("usage: %1 %2").arg(ProgramName, command.synopsis));
        }
        co_return co_await (this->*command.handler)(m_options.arguments);
    }
    // A command of several ("eq") without the one meant: all of them.
    QStringList family;
    for (const Command& command : commands()) {
        if (QLatin1String(command.name).startsWith(m_options.command + u' ')) {
            if (m_options.help || m_options.arguments.contains(u"--help")) {
                printCommandHelp(command);
                m_out << '\n';
            }
            family << QStringLiteral("%1 %2").arg(QLatin1String(ProgramName), command.synopsis);
        }
    }
    if (!family.isEmpty()) {
        co_return m_options.help || m_options.arguments.contains(u"--help")
            ? Success
            : badUsage(tr("usage: ") + family.join(QStringLiteral("\n       ")));
    }
    co_return badUsage(tr("unknown command %1").arg(m_options.command));
}

int CommandLineTool::printUsage()
{
    m_out << tr("usage: %1 [--simulate[=STATE.PA]] [--simulate-faults=FAULTS] [--log] "
                "[--timeout-scale F] COMMAND [ARGUMENTS]\n\n"
                "Talks to the processor over USB HID, or to the simulated processor with "
                "--simulate.\n"
                "Numbers are decimal, 0x hex or &H hex.\n\n"
                "Options:\n"
                "  --simulate[=STATE.PA]     use the simulated processor instead of a USB device;\n"
                "                            it keeps its memory between runs in STATE.PA, by "
                "default\n"
                "                            in ~/.local/share/tonvexa/simulator.PA; one program "
                "at a\n"
                "                            time uses the file, others wait a few seconds and "
                "then\n"
                "                            give up\n"
                "  --simulate-faults=FAULTS  make the simulated processor misbehave (implies\n"
                "                            --simulate): comma-separated KIND@FRAME or\n"
                "                            KIND@FIRST-LAST, frames counted from 1 as it "
                "receives\n"
                "                            them, KIND one of %2\n"
                "                            (for example silence@5,noise@12,corruptdata@20-24);\n"
                "                            %3\n"
                "  --log                     write every communication log entry to standard "
                "error\n"
                "  --timeout-scale F         multiply the link's time limits by F (above 0, at "
                "most %4)\n"
                "  -h, --help                describe the program, or the command after it\n\n"
                "Commands:\n")
                 .arg(QLatin1String(ProgramName), SimFaultPlan::kindNames(),
                      SimFaultPlan::lostWriteNote(), QString::number(CliOptions::MaxTimeoutScale));
    for (const Command& command : commands()) {
        m_out << "  " << command.synopsis << '\n';
    }
    m_out << '\n' << tr("%1 COMMAND --help describes a command.\n").arg(QLatin1String(ProgramName));
    return Success;
}

int CommandLineTool::printCommandHelp(const Command& command)
{
    m_out << tr("usage: %1 %2").arg(QLatin1String(ProgramName), QLatin1String(command.synopsis))
          << "\n\n"
          << command.description << '\n';
    return Success;
}

int CommandLineTool::badUsage(const QString& message)
{
    m_err << ProgramName << ": " << message << Qt::endl;
    return BadUsage;
}

std::optional<int> CommandLineTool::parseNumber(const QString& text, int max, const char* what)
{
    QString error;
    const auto value = NumberArgument::parse(text, max, what, error);
    if (!value) {
        badUsage(error);
    }
    return value;
}

std::optional<CommandLineTool::FrameRequest>
CommandLineTool::parseFrameRequest(const QStringList& arguments)
{
    const auto type = parseNumber(arguments[0], 15, "TYPE");
    const auto mode = type ? parseNumber(arguments[1], 7, "MODE") : std::nullopt;
    const auto address = mode ? parseNumber(arguments[2], 255, "ADDRESS") : std::nullopt;
    const auto value = !address                ? std::nullopt
                       : arguments.size() == 4 ? parseNumber(arguments[3], 255, "VALUE")
                                               : std::optional<int>(0);
    if (!value) {
        return std::nullopt;
    }
    if (Frames::isBlockType(Frames::Type(*type)) && !blockAtBase(*address)) {
        badUsage(tr("a block frame needs a block base (%1)").arg(blockBases()));
        return std::nullopt;
    }
    return FrameRequest{Frames::Type(*type), *mode, ParamAddress(*address), *value};
}

QCoro::Task<int> CommandLineTool::devicesCommand(const QStringList&)
{
    const QList<HidDeviceInfo> found = ProcessorTransport::present(m_options.simulate);
    if (found.isEmpty()) {
        m_err << tr("no processor found") << Qt::endl;
        co_return Failure;
    }
    for (const HidDeviceInfo& device : found) {
        m_out << device.path << "\tinput " << device.inputReportLength << " bytes\toutput "
              << device.outputReportLength << " bytes\n";
    }
    co_return Success;
}

QCoro::Task<int> CommandLineTool::frameCommand(const QStringList& arguments)
{
    const auto request = parseFrameRequest(arguments);
    if (!request) {
        co_return BadUsage;
    }
    ParamModel model;
    model.InitDefaults(ParamModel::FactoryReset);
    const auto frame =
        FramePayload::frame(request->type, request->mode, request->address, request->value, model);
    m_out << Frames::hexText(*frame) << '\n';
    co_return Success;
}

QCoro::Task<int> CommandLineTool::withSession(SessionBody body, int failureCode)
{
    DeviceSession session(m_options, m_err);
    if (!session.open()) {
        co_return failureCode;
    }
    const int code = co_await body(session);
    co_return session.close() ? code : failureCode;
}

QCoro::Task<bool> CommandLineTool::bareHandshake(DeviceSession& session)
{
    const bool connected = co_await session.sendHandshakeFrame();
    if (!connected) {
        m_err << LinkTexts::text(LinkNotice::ExchangeTimedOut).trimmed() << Qt::endl;
        co_return false;
    }
    co_return true;
}

QCoro::Task<bool> CommandLineTool::fullHandshake(DeviceSession& session)
{
    const bool connected = co_await session.Handshake();
    if (!connected) {
        m_err << LinkTexts::text(LinkNotice::ExchangeTimedOut).trimmed() << Qt::endl;
        co_return false;
    }
    // A synchronisation that failed has said why and left the link offline.
    co_return session.link().isOnline();
}

QCoro::Task<int> CommandLineTool::sendCommand(const QStringList& arguments)
{
    const auto request = parseFrameRequest(arguments);
    if (!request) {
        co_return BadUsage;
    }
    if (!FramePayload::replyLength(request->type, request->address)) {
        co_return badUsage(tr("a block read needs a block base (%1)").arg(blockBases()));
    }
    if (request->value == Frames::NotificationByte || request->value == Frames::KeepAliveByte) {
        co_return badUsage(tr("253 and 255 cannot be read back from the processor"));
    }
    if (request->type == Frames::Type::PasswordWrite) {
        co_return badUsage(tr("send does not write the password: it would be nine 0x00 bytes"));
    }
    co_return co_await withSession([&](DeviceSession& session) -> QCoro::Task<int> {
        const bool connected = co_await bareHandshake(session);
        if (!connected) {
            co_return Failure; // the failure text is out already
        }
        const bool answered = co_await session.link().SendFrame(
            request->type, request->mode, request->address, request->value, ReplyTimeout::Normal);
        if (!answered) {
            co_return Failure;
        }
        m_out << Frames::hexText(session.link().reply()) << '\n';
        co_return Success;
    });
}

std::optional<QPair<int, int>> CommandLineTool::parseModeAndAddress(const QStringList& arguments)
{
    const auto mode = parseNumber(arguments[0], 7, "MODE");
    const auto address = mode ? parseNumber(arguments[1], 255, "ADDRESS") : std::nullopt;
    if (!address) {
        return std::nullopt;
    }
    if (!blockContaining(*address)) {
        badUsage(
            tr("ADDRESS must lie in a parameter block (%1): %2").arg(blockRanges(), arguments[1]));
        return std::nullopt;
    }
    return QPair<int, int>{ParamModel::slotMode(*address, *mode), *address};
}

QCoro::Task<int> CommandLineTool::getCommand(const QStringList& arguments)
{
    const auto target = parseModeAndAddress(arguments);
    if (!target) {
        co_return BadUsage;
    }
    // Not a structured binding: clang before 16 cannot capture one in the lambda below.
    const int mode = target->first;
    const int address = target->second;
    const ParamBlock block = *blockContaining(address);
    co_return co_await withSession([&](DeviceSession& session) -> QCoro::Task<int> {
        const bool connected = co_await bareHandshake(session);
        if (!connected) {
            co_return Failure;
        }
        const bool answered = co_await session.link().SendFrame(
            Frames::Type::BlockRead, mode, ParamAddress(block.base), 0, ReplyTimeout::Normal);
        if (!answered) {
            co_return Failure;
        }
        const QByteArray fields = session.link().reply().mid(3 * (address - block.base), 3);
        m_out << quint8(fields[0]) << ' ' << quint8(fields[1]) << ' ' << quint8(fields[2]) << '\n';
        co_return Success;
    });
}

QCoro::Task<int> CommandLineTool::setCommand(const QStringList& arguments)
{
    if (arguments.size() == 4) {
        co_return badUsage(tr("give VALUE2 and VALUE3 together"));
    }
    const auto target = parseModeAndAddress(arguments);
    if (!target) {
        co_return BadUsage;
    }
    // Not a structured binding: clang before 16 cannot capture one in the lambda below.
    const int mode = target->first;
    const int address = target->second;
    const bool threeFields = EqGroupTable::instance().usesThreeFields(address);
    if (threeFields && arguments.size() != 5) {
        // Writing only the frequency would set the band's gain and Q bytes to 0 (+15 dB).
        co_return badUsage(tr("an EQ band or cut takes all three values"));
    }
    ParamStore::Fields fields{};
    for (int i = 0; i + 2 < arguments.size(); ++i) {
        const auto value = parseNumber(arguments[i + 2], 255, "VALUE");
        if (!value) {
            co_return BadUsage;
        }
        if (*value == Frames::NotificationByte || *value == Frames::KeepAliveByte) {
            co_return badUsage(tr("253 and 255 cannot be read back from the processor"));
        }
        fields[i] = quint8(*value);
    }
    co_return co_await withSession([&](DeviceSession& session) -> QCoro::Task<int> {
        const bool connected = co_await bareHandshake(session);
        if (!connected) {
            co_return Failure;
        }
        // The frame carries the three fields as they stand in the session's store.
        session.model().store().setFields(mode, address, fields);
        const bool written =
            co_await session.link().SendFrame(Frames::Type::ParamWrite, mode, ParamAddress(address),
                                              Frames::StoredBytes, ReplyTimeout::Normal);
        co_return written ? Success : Failure;
    });
}

QCoro::Task<int> CommandLineTool::backupCommand(const QStringList& arguments)
{
    if (arguments[0].isEmpty()) {
        co_return badUsage(tr("backup needs a file name"));
    }
    if (const QString problem = presetNameProblem(arguments[0]); !problem.isEmpty()) {
        co_return badUsage(tr("backup: %1").arg(fileReason(arguments[0], problem)));
    }
    co_return co_await withSession([&](DeviceSession& session) -> QCoro::Task<int> {
        const bool connected = co_await fullHandshake(session);
        if (!connected) {
            co_return Failure; // nothing written
        }
        const auto path = SavePreset(arguments[0], session.model(), session.messages(),
                                     PresetFile::Existing::Replace);
        if (!path) {
            co_return Failure;
        }
        m_out << FileName::shown(*path) << '\n';
        co_return Success;
    });
}

QCoro::Task<int> CommandLineTool::restoreCommand(const QStringList& arguments)
{
    const QString path = arguments[0];
    // Checked before the processor is touched; the import reads the file again.
    if (const RegularFile::Check check = RegularFile::check(path);
        check.status != RegularFile::Status::Regular) {
        m_err << importFailedMessage() << '\n' << fileReason(path, check.reason) << Qt::endl;
        co_return Failure;
    }
    co_return co_await withSession([&](DeviceSession& session) -> QCoro::Task<int> {
        const bool connected = co_await fullHandshake(session);
        if (!connected) {
            co_return Failure;
        }
        // No window to refresh and no undo history here; the upload ends with the mode select,
        // as after an import in the window.
        const ImportOutcome outcome = ImportPreset(path, session.model(), session.messages());
        if (outcome.result != ImportResult::Imported) {
            // The program's own message is out; the reason follows it.
            if (!outcome.reason.isEmpty()) {
                m_err << fileReason(path, outcome.reason) << Qt::endl;
            }
            co_return Failure;
        }
        co_await session.bulk().UploadAll(true);
        // An upload that failed part-way has said so and left the link offline; the processor
        // keeps what reached it.
        if (const QString partial =
                PartialUpload::message(session.bulk().blocksWritten(),
                                       PartialUpload::Source::Preset, tr("Run restore again."));
            !partial.isEmpty()) {
            m_err << partial << Qt::endl;
        }
        if (!session.link().isOnline()) {
            co_return Failure;
        }
        const UploadCheck::Result check = co_await UploadCheck(session.link()).run();
        co_return reportCheck(check) ? Success : Failure;
    });
}

bool CommandLineTool::reportCheck(const UploadCheck::Result& check)
{
    if (!check.completed) {
        return false; // the link has said why
    }
    if (!check.found.isEmpty()) {
        m_err << ProgramName << ": "
              << tr("read back, %1 setting(s) differed from what was written; written again")
                     .arg(check.found.size())
              << Qt::endl;
    }
    if (!check.remaining.isEmpty()) {
        m_err << ProgramName << ": "
              << tr("the processor did not keep %1 setting(s) (mode, address, name, held, "
                    "written):")
                     .arg(check.remaining.size())
              << Qt::endl;
        for (const SettingDifference& difference : check.remaining) {
            m_err << differenceRow(difference) << '\n';
        }
        m_err.flush();
    }
    return check.remaining.isEmpty();
}

QCoro::Task<int> CommandLineTool::verifyCommand(const QStringList& arguments)
{
    const QString path = arguments[0];
    // The file is checked before the processor is touched; the comparison imports it again.
    const auto imports = [&](ParamModel& model, UserMessages& messages) {
        const ImportOutcome outcome = ImportPreset(path, model, messages);
        if (outcome.result == ImportResult::NoFile) {
            m_err << fileReason(path, RegularFile::check(path).reason) << Qt::endl;
        } else if (!outcome.reason.isEmpty()) {
            m_err << fileReason(path, outcome.reason) << Qt::endl;
        }
        return outcome.result == ImportResult::Imported;
    };
    ParamModel scratch;
    StreamMessages messages(m_err);
    if (!imports(scratch, messages)) {
        co_return BadUsage;
    }
    co_return co_await withSession(
        [&](DeviceSession& session) -> QCoro::Task<int> {
            const bool connected = co_await fullHandshake(session);
            if (!connected) {
                co_return BadUsage;
            }
            // The file over the processor's memory: what the file lacks cannot differ.
            ParamModel wanted = session.model();
            if (!imports(wanted, messages)) {
                co_return BadUsage;
            }
            const QList<SettingDifference> differences =
                SettingDifferences::between(session.model().store(), wanted.store());
            for (const SettingDifference& difference : differences) {
                m_out << differenceRow(difference) << '\n';
            }
            m_out.flush();
            co_return differences.isEmpty() ? Success : Failure;
        },
        BadUsage);
}

QCoro::Task<int> CommandLineTool::showCommand(const QStringList& arguments)
{
    QString error;
    const auto table = PresetTable::read(arguments[0], error);
    if (!table) {
        m_err << fileReason(arguments[0], error) << Qt::endl;
        co_return Failure;
    }
    for (const PresetTable::Row& row : table->rows()) {
        m_out << row.text() << '\n';
    }
    m_out.flush();
    // What restore would say of the same file.
    const QString importProblem = table->importProblem();
    if (!importProblem.isEmpty()) {
        m_err << tr("The window would refuse this file: %1").arg(importFailedMessage()) << '\n'
              << fileReason(arguments[0], importProblem) << Qt::endl;
        co_return Failure;
    }
    co_return Success;
}

QCoro::Task<int> CommandLineTool::diffCommand(const QStringList& arguments)
{
    QString error;
    std::optional<PresetTable> tables[2];
    for (int i = 0; i < 2; ++i) {
        tables[i] = PresetTable::read(arguments[i], error);
        if (!tables[i]) {
            m_err << fileReason(arguments[i], error) << Qt::endl;
            co_return BadUsage;
        }
    }
    int differences = 0;
    const QList<PresetTable::Row>& a = tables[0]->rows();
    const QList<PresetTable::Row>& b = tables[1]->rows();
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (!a[i].sameValues(b[i])) {
            ++differences;
            QStringList columns = a[i].text().split(u'\t').mid(0, 3);
            columns << a[i].shownValues() << b[i].shownValues();
            m_out << columns.join(u'\t') << '\n';
        }
    }
    m_out.flush();
    // A value that does not read is no number to compare: the comparison is not to be trusted.
    bool unreadable = false;
    for (int i = 0; i < 2; ++i) {
        if (!tables[i]->badValue().isEmpty()) {
            m_err << fileReason(arguments[i], tables[i]->badValue()) << Qt::endl;
            unreadable = true;
        }
    }
    if (unreadable) {
        co_return BadUsage;
    }
    co_return differences == 0 ? Success : Failure;
}

QCoro::Task<int> CommandLineTool::menushowCommand(const QStringList& arguments)
{
    MenuShowListing::Flags flags{};
    const auto print = [&] {
        for (const QString& line : MenuShowListing::lines(flags)) {
            m_out << line << '\n';
        }
        return Success;
    };
    if (!arguments.isEmpty()) {
        QString error;
        const auto table = PresetTable::read(arguments[0], error);
        if (!table) {
            m_err << fileReason(arguments[0], error) << Qt::endl;
            co_return Failure;
        }
        for (const PresetTable::Row& row : table->rows()) {
            if (row.scope == u"MENUSHOW") {
                flags[row.address] = row.byte(0);
            }
        }
        co_return print();
    }
    co_return co_await withSession([&](DeviceSession& session) -> QCoro::Task<int> {
        // The synchronisation after the handshake reads the flags of the three menu blocks.
        const bool connected = co_await fullHandshake(session);
        if (!connected) {
            co_return Failure;
        }
        const ParamModel::MenuShowFlags& read = session.model().menuShow();
        std::copy(read.begin(), read.end(), flags.begin());
        co_return print();
    });
}

QCoro::Task<int> CommandLineTool::curveCommand(const QStringList& arguments)
{
    constexpr double LowestFrequency = 1;
    constexpr double HighestFrequency = 24000; // half the processor's sample rate
    const auto mode = parseNumber(arguments[1], 7, "MODE");
    const auto group =
        mode ? parseNumber(arguments[2], EqGroupTable::GroupCount - 1, "GROUP") : std::nullopt;
    if (!group) {
        co_return BadUsage;
    }
    std::optional<std::vector<float>> frequencies;
    if (arguments.size() > 3) {
        QString list;
        if (arguments.size() == 5 && arguments[3] == u"--at") {
            list = arguments[4];
        } else if (arguments.size() == 4 && arguments[3].startsWith(u"--at=")) {
            list = arguments[3].mid(qsizetype(sizeof("--at=") - 1));
        } else {
            co_return badUsage(tr("usage: %1 curve FILE.PA MODE GROUP [--at F1,F2,...]")
                                   .arg(QLatin1String(ProgramName)));
        }
        frequencies.emplace();
        for (const QString& text : list.split(u',')) {
            const auto hz = parseDecimal(text);
            if (!hz || *hz < LowestFrequency || *hz > HighestFrequency) {
                co_return badUsage(tr("--at needs frequencies in Hz from %1 up to %2, "
                                      "separated by commas: %3")
                                       .arg(LowestFrequency)
                                       .arg(HighestFrequency)
                                       .arg(FileName::shown(text)));
            }
            frequencies->push_back(float(*hz));
        }
    }
    const QString path = arguments[0];
    if (const RegularFile::Check check = RegularFile::check(path);
        check.status != RegularFile::Status::Regular) {
        m_err << fileReason(path, check.reason) << Qt::endl;
        co_return Failure;
    }
    ParamModel model;
    model.InitDefaults(ParamModel::FactoryReset);
    StreamMessages messages(m_err);
    if (ImportPreset(path, model, messages).result != ImportResult::Imported) {
        co_return Failure; // the import has said why
    }
    m_out << CurveTable::header(FileName::shown(path.sliced(path.lastIndexOf(u'/') + 1)), *mode,
                                *group)
          << '\n';
    const QStringList rows = frequencies ? CurveTable::rows(model, *mode, *group, *frequencies)
                                         : CurveTable::rows(model, *mode, *group);
    for (const QString& row : rows) {
        m_out << row << '\n';
    }
    co_return Success;
}

RoomEqCommands CommandLineTool::roomEq()
{
    const auto connected = [this](SessionBody body) {
        return withSession([this, body = std::move(body)](DeviceSession& session) {
            return afterFullHandshake(session, body);
        });
    };
    return RoomEqCommands(m_out, m_err, connected,
                          [this](const QString& message) { return badUsage(message); });
}

QCoro::Task<int> CommandLineTool::afterFullHandshake(DeviceSession& session, SessionBody body)
{
    const bool connected = co_await fullHandshake(session);
    if (!connected) {
        co_return Failure;
    }
    co_return co_await body(session);
}

QCoro::Task<int> CommandLineTool::eqExportCommand(const QStringList& arguments)
{
    co_return co_await roomEq().exportCommand(arguments);
}

QCoro::Task<int> CommandLineTool::eqImportCommand(const QStringList& arguments)
{
    co_return co_await roomEq().importCommand(arguments);
}

QCoro::Task<int> CommandLineTool::eqFitCommand(const QStringList& arguments)
{
    co_return co_await roomEq().fitCommand(arguments);
}
