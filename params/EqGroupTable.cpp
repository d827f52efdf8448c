#include "EqGroupTable.h"

#include "NumberLiteral.h"
#include "ParamTable.h"

#include <QString>
#include <QStringList>
#include <QtDebug>

namespace {

QList<int> parseTable(const char* text)
{
    QList<int> values;
    for (const QString& item : QString::fromLatin1(text).split(u',')) {
        const auto value = parseNumberLiteral(item);
        if (!value || *value < 0 || *value > 255) {
            qFatal("Malformed constant table entry '%s'", qPrintable(item));
        }
        values.append(int(*value));
    }
    return values;
}

// The band addresses from the first on: the run of band rows in the parameter table.
int storedBands(int firstBand)
{
    const auto isBand = [](int address) {
        const ParamInfo* info = findParam(address);
        return info && info->kind == ParamKind::Band;
    };
    int count = 0;
    while (isBand(firstBand + count)) {
        ++count;
    }
    return count;
}

} // namespace

QList<int> EqGroup::resetAddresses() const
{
    QList<int> addresses;
    for (int band = 0; band < bandCount; ++band) {
        addresses.append(firstBand + band);
    }
    if (hasHighCut()) {
        addresses.append(highCut);
    }
    if (hasLowCut()) {
        addresses.append(lowCut);
    }
    for (int band = bandCount; band < storedBandCount; ++band) {
        addresses.append(firstBand + band);
    }
    return addresses;
}

const EqGroupTable& EqGroupTable::instance()
{
    static const EqGroupTable table;
    return table;
}

EqGroupTable::EqGroupTable()
{
    const QList<int> groups = parseTable(GroupText);
    const QList<int> bypass = parseTable(BypassText);
    Q_ASSERT(groups.size() == 4 * GroupCount && bypass.size() == GroupCount);
    for (int g = 0; g < GroupCount; ++g) {
        m_groups[g] = EqGroup{groups[4 * g],
                              quint8(groups[4 * g + 1]),
                              quint8(groups[4 * g + 2]),
                              quint8(groups[4 * g + 3]),
                              quint8(bypass[g]),
                              storedBands(groups[4 * g + 1])};
    }
}

const EqGroup& EqGroupTable::group(int index) const
{
    Q_ASSERT(index >= 0 && index < GroupCount);
    return m_groups[qBound(0, index, GroupCount - 1)];
}

bool EqGroupTable::usesThreeFields(int address) const
{
    for (const EqGroup& g : m_groups) {
        if (address >= g.firstBand && address < g.firstBand + g.storedBandCount) {
            return true;
        }
        if ((g.hasHighCut() && address == g.highCut) || (g.hasLowCut() && address == g.lowCut)) {
            return true;
        }
    }
    return false;
}
