#include "AppStyle.h"
#include "CommLogFollower.h"
#include "DefaultSimState.h"
#include "DeviceLink.h"
#include "FileName.h"
#include "MessageBoxMessages.h"
#include "ParamModel.h"
#include "PresetDialogs.h"
#include "ProcessorTransport.h"
#include "QuietQtMessages.h"
#include "ScreenCheck.h"
#include "ScreenshotRun.h"
#include "SimFaultPlan.h"
#include "SimProcessor.h"
#include "SimStateKeeper.h"
#include "SkinImages.h"
#include "StartMode.h"
#include "StartupTrace.h"
#include "StreamMessages.h"
#include "TerminationSignals.h"
#include "USB_Comm.h"
#include "frmEQ.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryFile>
#include <QTimer>
#include <fontconfig/fontconfig.h>
#include <memory>
#include <optional>
#include <thread>

namespace {

constexpr int DismissDialogsMs = 50;

struct Options
{
    bool simulate = false;
    QString simulatorState;
    SimFaultPlan faults;
    QString screenshot;
    QString log;
};

void nameProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("tonvexa"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TONVEXA_VERSION));
}

// Nothing, with the reason in error, when an option's value does not read. --help and --version
// print and end the program here.
std::optional<Options> parseOptions(QStringList arguments, QString& error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Control program for the karaoke / audio signal processor."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(
        {QStringLiteral("simulate"),
         QCoreApplication::translate(
             "main", "Use the simulated processor instead of a USB device. It keeps its "
                     "memory between runs in ~/.local/share/tonvexa/simulator.PA, or in "
                     "STATE.PA with --simulate=STATE.PA.")});
    parser.addOption(
        {QStringLiteral("simulate-faults"),
         QCoreApplication::translate(
             "main", "Make the simulated processor misbehave (implies --simulate): "
                     "comma-separated KIND@FRAME or KIND@FIRST-LAST, frames counted from 1 as "
                     "it receives them, KIND one of %1; for example silence@5,noise@12. An "
                     "unplugged processor comes back after %2 s; %3.")
             .arg(SimFaultPlan::kindNames())
             .arg(std::chrono::duration_cast<std::chrono::seconds>(SimFaultPlan::ReplugDelay)
                      .count())
             .arg(SimFaultPlan::lostWriteNote()),
         QStringLiteral("FAULTS")});
    parser.addOption({QStringLiteral("screenshot"),
                      QCoreApplication::translate(
                          "main", "Start, connect and synchronise, save the window as PNG and "
                                  "quit."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("log"),
                      QCoreApplication::translate(
                          "main", "Append every frame sent to and received from the processor "
                                  "to FILE as it happens, one line each, as the communication "
                                  "log shows them."),
                      QStringLiteral("FILE")});
    // --simulate takes an optional value, which QCommandLineParser cannot express.
    Options options;
    for (QString& argument : arguments) {
        if (argument.startsWith(u"--simulate=")) {
            options.simulatorState = argument.mid(int(sizeof("--simulate=")) - 1);
            if (options.simulatorState.isEmpty()) {
                error = QCoreApplication::translate("main", "--simulate= needs a state file");
                return std::nullopt;
            }
            argument = QStringLiteral("--simulate");
        }
    }
    parser.process(arguments);
    options.simulate = parser.isSet(QStringLiteral("simulate"));
    options.screenshot = parser.value(QStringLiteral("screenshot"));
    options.log = parser.value(QStringLiteral("log"));
    if (parser.isSet(QStringLiteral("simulate-faults"))) {
        const auto faults =
            SimFaultPlan::parse(parser.value(QStringLiteral("simulate-faults")), error);
        if (!faults) {
            error = QCoreApplication::translate("main", "--simulate-faults: %1").arg(error);
            return std::nullopt;
        }
        options.simulate = true;
        options.faults = *faults;
    }
    return options;
}

// Before the window is up and once it has gone, a message box is the last thing the program
// shows: the program ends when the user has closed it.
int endAfterMessages(MessageBoxMessages& boxes, int code)
{
    const QList<QMessageBox*> open = boxes.openBoxes();
    for (QMessageBox* box : open) {
        QObject::connect(box, &QDialog::finished, box, [&boxes] {
            if (boxes.openBoxes().isEmpty()) {
                QCoreApplication::exit();
            }
        });
    }
    if (!open.isEmpty()) {
        QApplication::exec();
    }
    return code;
}

} // namespace

int main(int argc, char* argv[])
{
    QuietQtMessages::install();
    const StartMode::Kind start =
        StartMode::of(FileName::arguments(argc, argv), QProcessEnvironment::systemEnvironment());
    if (start == StartMode::Kind::NoDisplay) {
        QTextStream(stderr) << "tonvexa: " << StartMode::noDisplayMessage() << Qt::endl;
        return 2;
    }
    if (start == StartMode::Kind::TextOnly) {
        const QCoreApplication app(argc, argv);
        nameProgram();
        QString error;
        if (!parseOptions(FileName::arguments(argc, argv), error)) {
            QTextStream(stderr) << "tonvexa: " << error << Qt::endl;
            return 2;
        }
        return 0;
    }
    // Fontconfig parses its configuration and reads its font caches once per process, a few
    // milliseconds that would fall on the window's first text: it does so here, on a thread of
    // its own, while Qt connects to the display. Joined on every way out of main.
    const std::jthread fontConfigSetup([] { FcInit(); });
    // Lives until the platform has read the screen from it.
    QTemporaryFile offscreenScreen;
    if (start == StartMode::Kind::Offscreen) {
        if (!offscreenScreen.open() || offscreenScreen.write(StartMode::offscreenScreen()) < 0 ||
            !offscreenScreen.flush()) {
            QTextStream(stderr) << "tonvexa: "
                                << QCoreApplication::translate("main", "cannot write %1: %2")
                                       .arg(offscreenScreen.fileName(),
                                            offscreenScreen.errorString())
                                << Qt::endl;
            return 1;
        }
        qputenv("QT_QPA_PLATFORM", StartMode::offscreenPlatform(offscreenScreen.fileName()));
    }

    QApplication app(argc, argv);
    nameProgram();
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TONVEXA_APP_ID));
    AppStyle::apply(app);
    // The interface texts are partly Chinese: the simplified-Chinese face, not the Japanese one.
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("Noto Sans CJK SC"));
    QString optionError;
    // Taken from argv itself: file names reach the file system byte for byte (FileName).
    const std::optional<Options> parsed =
        parseOptions(FileName::arguments(argc, argv), optionError);
    if (!parsed) {
        QTextStream(stderr) << "tonvexa: " << optionError << Qt::endl;
        return 2;
    }
    const Options& options = *parsed;

    QTextStream err(stderr);
    StreamMessages streamMessages(err);
    MessageBoxMessages boxMessages;
    // Nobody answers a message box in a screenshot run.
    UserMessages& messages =
        options.screenshot.isEmpty() ? static_cast<UserMessages&>(boxMessages) : streamMessages;
    if (!ScreenCheck::confirm(*app.primaryScreen(), messages)) {
        return endAfterMessages(boxMessages, 1);
    }

    ParamModel model;
    SkinImages skin;
    skin.InitSkin();
    ProcessorTransport processor(options.simulate,
                                 options.simulatorState.isEmpty() ? DefaultSimState::path()
                                                                  : options.simulatorState,
                                 messages);
    if (!processor.loadState()) {
        return endAfterMessages(boxMessages, 1);
    }
    if (processor.simulator()) {
        options.faults.applyTo(*processor.simulator());
    }
    processor.transport().Connect();

    DeviceLink link(model, processor.transport());
    CommLogFollower logFile(link.log());
    if (QString reason; !options.log.isEmpty() && !logFile.open(options.log, reason)) {
        err << "tonvexa: --log " << FileName::shown(options.log) << ": " << reason << Qt::endl;
        return 2;
    }
    PresetDialogs dialogs;
    frmEQ window(model, skin, link, messages, dialogs);
    boxMessages.setOwner(&window);
    dialogs.setOwner(&window);
    QString error;
    if (!window.load(error)) {
        messages.showMessage(UserMessages::Icon::Critical, error);
        return endAfterMessages(boxMessages, 1);
    }
    StartupTrace::watch(window);
    window.show();
    window.activateWindow();
    window.prepareFirstPaint();

    // The simulated processor keeps each write as it arrives, as the hardware does; a logout,
    // kill or Ctrl-C closes the window as its close button does.
    SimStateKeeper keeper(processor);
    keeper.saveOnClose(&window);
    TerminationSignals termination;
    QTimer dismissDialogs;
    QObject::connect(&dismissDialogs, &QTimer::timeout, &window, [] {
        // All of them: a box shown over another leaves that one open beneath it.
        for (QWidget* dialog : QApplication::topLevelWidgets()) {
            if (dialog->isVisible() && dialog->isModal()) {
                dialog->close();
            }
        }
    });
    QObject::connect(&termination, &TerminationSignals::requested, &window, [&] {
        // Nobody is there to answer a dialog any more, the one open now or one the closing
        // shows (an exchange still running): each is closed as soon as it is up.
        dismissDialogs.start(DismissDialogsMs);
        window.close();
    });

    std::unique_ptr<ScreenshotRun> screenshot;
    int screenshotFailed = 0;
    if (!options.screenshot.isEmpty()) {
        screenshot = std::make_unique<ScreenshotRun>(window, link, options.screenshot);
        QObject::connect(screenshot.get(), &ScreenshotRun::finished, &app, [&](bool saved) {
            if (saved) {
                QTextStream(stdout) << QFileInfo(options.screenshot).absoluteFilePath() << '\n';
            } else {
                err << QCoreApplication::translate("main", "cannot write %1: %2")
                           .arg(options.screenshot, screenshot->errorString())
                    << Qt::endl;
                screenshotFailed = 1;
            }
            window.close();
        });
    }
    const int code = app.exec();
    if (!processor.saveChangedState()) {
        return endAfterMessages(boxMessages, 1);
    }
    return code != 0 ? code : screenshotFailed;
}
