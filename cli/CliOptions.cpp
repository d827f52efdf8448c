#include "CliOptions.h"

#include <QCoreApplication>

std::optional<CliOptions> CliOptions::parse(const QStringList& words, QString& error)
{
    CliOptions options;
    qsizetype i = 0;
    for (; i < words.size() && words[i].startsWith(u'-'); ++i) {
        const QString& word = words[i];
        if (word == u"--simulate") {
            options.simulate = true;
        } else if (word.startsWith(u"--simulate=")) {
            options.simulate = true;
            options.simulatorState = word.mid(qsizetype(sizeof("--simulate=") - 1));
            if (options.simulatorState.isEmpty()) {
                error = QCoreApplication::translate("CliOptions", "--simulate= needs a state file");
                return std::nullopt;
            }
        } else if (word.startsWith(u"--simulate-faults=")) {
            const auto plan =
                SimFaultPlan::parse(QStringView(word).sliced(word.indexOf(u'=') + 1), error);
            if (!plan) {
                error =
                    QCoreApplication::translate("CliOptions", "--simulate-faults: %1").arg(error);
                return std::nullopt;
            }
            options.simulate = true;
            options.faults = *plan;
        } else if (word == u"--log") {
            options.log = true;
        } else if (word == u"--help" || word == u"-h") {
            options.help = true;
        } else if (word == u"--timeout-scale") {
            bool ok = false;
            options.timeoutScale = i + 1 < words.size() ? words[++i].toDouble(&ok) : 0;
            // Written so that NaN fails too: every time-out is converted to whole milliseconds.
            if (!ok || !(options.timeoutScale > 0 && options.timeoutScale <= MaxTimeoutScale)) {
                error = QCoreApplication::translate(
                            "CliOptions", "--timeout-scale needs a factor above 0 and at most %1")
                            .arg(MaxTimeoutScale);
                return std::nullopt;
            }
        } else {
            error = QCoreApplication::translate("CliOptions", "unknown option %1").arg(word);
            return std::nullopt;
        }
    }
    if (i < words.size()) {
        options.command = words[i];
        options.arguments = words.mid(i + 1);
    }
    return options;
}
