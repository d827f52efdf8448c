#include "SimFaultPlan.h"

#include "SimProcessor.h"

#include <algorithm>
#include <array>

namespace {

struct KindName
{
    const char* name;
    SimFault fault;
};

constexpr std::array<KindName, 8> KindNames{{
    {"silence", SimFault::Silent},
    {"ackonly", SimFault::AckOnly},
    {"corruptack", SimFault::CorruptAck},
    {"corruptdata", SimFault::CorruptData},
    {"noise", SimFault::NoiseFirst},
    {"split", SimFault::SplitReply},
    {"unplug", SimFault::Unplug},
    {"lostwrite", SimFault::LostWrite},
}};

// A whole frame number from 1, digits only.
std::optional<int> frameNumber(QStringView text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < 1 ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); })) {
        return std::nullopt;
    }
    return number;
}

} // namespace

QString SimFaultPlan::kindNames()
{
    QStringList names;
    for (const KindName& kind : KindNames) {
        names.append(QLatin1String(kind.name));
    }
    return names.join(QStringLiteral(", "));
}

QString SimFaultPlan::kindName(SimFault fault)
{
    const auto kind = std::find_if(KindNames.begin(), KindNames.end(),
                                   [fault](const KindName& k) { return k.fault == fault; });
    return kind == KindNames.end() ? QString() : QLatin1String(kind->name);
}

std::optional<SimFaultPlan> SimFaultPlan::parse(QStringView faults, QString& error)
{
    SimFaultPlan plan;
    for (QStringView item : faults.split(u',')) {
        item = item.trimmed();
        const qsizetype at = item.indexOf(u'@');
        const QStringView kindText = at < 0 ? item : item.first(at);
        const auto kind = std::find_if(KindNames.begin(), KindNames.end(), [&](const KindName& k) {
            return kindText.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0;
        });
        if (kind == KindNames.end()) {
            error =
                tr("unknown fault \"%1\"; the faults are %2").arg(kindText.toString(), kindNames());
            return std::nullopt;
        }
        const QStringView frames = at < 0 ? QStringView() : item.sliced(at + 1);
        const qsizetype dash = frames.indexOf(u'-');
        const auto first = frameNumber(dash < 0 ? frames : frames.first(dash));
        const auto last = dash < 0 ? first : frameNumber(frames.sliced(dash + 1));
        if (!first || !last || *last < *first) {
            error = tr("\"%1\" needs @FRAME or @FIRST-LAST, frames counted from 1")
                        .arg(item.toString());
            return std::nullopt;
        }
        plan.m_entries.append({kind->fault, *first, *last});
    }
    return plan;
}

void SimFaultPlan::applyTo(SimProcessor& processor) const
{
    for (const Entry& entry : m_entries) {
        processor.scheduleFault(entry.firstFrame, entry.lastFrame, entry.fault);
    }
    processor.setReplugDelay(ReplugDelay);
}
