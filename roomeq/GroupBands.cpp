#include "GroupBands.h"

#include "BandEncoding.h"
#include "BandFilter.h"
#include "EqGroupTable.h"
#include "ParamStore.h"

using namespace BandEncoding;

EqBand StoredBand::eqBand() const
{
    if (kind != BandKind::Peaking) {
        return EqBand{
            float(FreqFromIndex(index)), BandTable::CutGain, BandTable::CutQ, kind, true, address};
    }
    return EqBand{float(FreqFromIndex(index)),
                  float(GainFromByte(gain)),
                  float(QFromByte(q)),
                  kind,
                  true,
                  address};
}

CookbookFilter StoredBand::filter() const
{
    switch (kind) {
    case BandKind::Peaking:
        return {FilterType::Peaking, double(FreqFromIndex(index)), GainFromByte(gain),
                QFromByte(q)};
    case BandKind::HighCut:
        return {FilterType::LowPass, double(FreqFromIndex(index)), 0, BandFilter::CutFilterQ};
    case BandKind::LowCut:
        break;
    }
    return {FilterType::HighPass, double(FreqFromIndex(index)), 0, BandFilter::CutFilterQ};
}

bool StoredBand::soundsLike(const StoredBand& other) const
{
    if (kind != BandKind::Peaking) {
        return FreqFromIndex(index) == FreqFromIndex(other.index);
    }
    return filter() == other.filter();
}

GroupBands GroupBands::read(const ParamStore& store, int mode, int group)
{
    const EqGroup& g = EqGroupTable::instance().group(group);
    GroupBands result;
    result.m_group = group;
    const auto stored = [&](BandKind kind, int address) {
        return StoredBand{kind, quint8(address), store.value(ParamField::Value, mode, address),
                          store.value(ParamField::Gain, mode, address),
                          store.value(ParamField::Q, mode, address)};
    };
    for (int i = 0; i < g.bandCount; ++i) {
        result.m_bands.push_back(stored(BandKind::Peaking, g.firstBand + i));
    }
    if (g.hasHighCut()) {
        result.m_bands.push_back(stored(BandKind::HighCut, g.highCut));
    }
    if (g.hasLowCut()) {
        result.m_bands.push_back(stored(BandKind::LowCut, g.lowCut));
    }
    return result;
}

FilterList GroupBands::filters() const
{
    FilterList list;
    for (const StoredBand& band : m_bands) {
        list.append(band.filter());
    }
    return list;
}

QString GroupBands::title(int mode) const
{
    return QStringLiteral("Tonvexa EQ group %1 (%2), mode %3")
        .arg(m_group)
        .arg(QLatin1String(EqGroupTable::Names[std::size_t(m_group)]))
        .arg(mode);
}

QList<int> GroupBands::changedAddresses(const GroupBands& before) const
{
    QList<int> addresses;
    for (std::size_t i = 0; i < m_bands.size() && i < before.m_bands.size(); ++i) {
        if (!m_bands[i].soundsLike(before.m_bands[i])) {
            addresses.append(m_bands[i].address);
        }
    }
    return addresses;
}

void GroupBands::writeChanges(ParamStore& store, int mode, const GroupBands& before) const
{
    for (std::size_t i = 0; i < m_bands.size() && i < before.m_bands.size(); ++i) {
        const StoredBand& band = m_bands[i];
        if (band.soundsLike(before.m_bands[i])) {
            continue;
        }
        if (band.kind == BandKind::Peaking) {
            store.setFields(mode, band.address, {band.index, band.gain, band.q});
        } else {
            store.setFields(mode, band.address,
                            {band.index, GainToByte(BandTable::CutGain), QToByte(BandTable::CutQ)});
        }
    }
}
