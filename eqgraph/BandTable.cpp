#include "BandTable.h"

#include "BandEncoding.h"
#include "EqGroupTable.h"
#include "ParamModel.h"

#include <cmath>

namespace {

constexpr int HighCutState = 15;
constexpr int LowCutState = 16;
constexpr int OfflineStateOffset = 18;

// The Q byte of an address, corrected from 0 to 1 in the store as it is read.
quint8 qByte(ParamModel& model, int mode, int address)
{
    quint8& byte = model.store().entry(ParamField::Q, mode, address);
    if (byte == 0) {
        byte = 1;
    }
    return byte;
}

} // namespace

void BandTable::LoadGroupBands(ParamModel& model)
{
    LoadGroupBands(model, model.currentMode(), model.currentEqGroup());
}

void BandTable::LoadGroupBands(ParamModel& model, int mode, int groupIndex)
{
    for (EqBand& band : m_bands) {
        band.InUse = false;
    }
    const EqGroup& group = EqGroupTable::instance().group(groupIndex);
    mode = qBound(0, mode, ParamStore::ModeCount - 1);
    const ParamStore& store = model.store();
    m_bandCount = 0;
    for (int i = 0; i < group.bandCount; ++i) {
        const int address = group.firstBand + i;
        m_bands[m_bandCount++] = EqBand{
            float(BandEncoding::FreqFromIndex(store.value(ParamField::Value, mode, address))),
            float(BandEncoding::GainFromByte(store.value(ParamField::Gain, mode, address))),
            float(BandEncoding::QFromByte(qByte(model, mode, address))),
            BandKind::Peaking,
            true,
            quint8(address)};
    }
    for (const auto& [address, kind] :
         {std::pair{group.highCut, BandKind::HighCut}, std::pair{group.lowCut, BandKind::LowCut}}) {
        if (address != EqGroup::None) {
            m_bands[m_bandCount++] = EqBand{
                float(BandEncoding::FreqFromIndex(store.value(ParamField::Value, mode, address))),
                CutGain,
                CutQ,
                kind,
                true,
                address};
        }
    }
    if (m_currentBand >= m_bandCount) {
        m_currentBand = 0;
    }
}

void BandTable::setCurrentBand(int band)
{
    Q_ASSERT(band >= 0 && band < Capacity);
    m_currentBand = qBound(0, band, Capacity - 1);
}

const EqBand& BandTable::band(int index) const
{
    return m_bands[qBound(0, index, Capacity - 1)];
}

void BandTable::setCurrentField(ParamField field, quint8 byte)
{
    EqBand& band = m_bands[qBound(0, m_currentBand, Capacity - 1)];
    switch (field) {
    case ParamField::Value:
        band.Frequency = float(BandEncoding::FreqFromIndex(byte));
        break;
    case ParamField::Gain:
        band.Gain = float(BandEncoding::GainFromByte(byte));
        break;
    case ParamField::Q:
        band.Q = float(BandEncoding::QFromByte(byte));
        break;
    }
}

int BandTable::nextBand() const
{
    return m_bandCount == 0 ? 0 : (m_currentBand + 1) % m_bandCount;
}

int BandTable::previousBand() const
{
    return m_currentBand > 0 ? m_currentBand - 1 : qMax(0, m_bandCount - 1);
}

int BandTable::indicatorValue(bool online) const
{
    int state = m_currentBand;
    if (current().Kind == BandKind::HighCut) {
        state = HighCutState;
    } else if (current().Kind == BandKind::LowCut) {
        state = LowCutState;
    }
    return online ? state : state + OfflineStateOffset;
}

int BandTable::readout(ParamModel& model, int mode, int address, ParamField field)
{
    const ParamStore& store = model.store();
    switch (field) {
    case ParamField::Value:
        return BandEncoding::FreqFromIndex(store.value(ParamField::Value, mode, address));
    case ParamField::Gain:
        // Single precision, as the read-outs always showed it: byte 3 (+14.4 dB) shows 144.
        return int(std::nearbyint(
            float(BandEncoding::GainFromByte(store.value(ParamField::Gain, mode, address))) *
            10.0f));
    case ParamField::Q:
        break;
    }
    return int(std::nearbyint(float(BandEncoding::QFromByte(qByte(model, mode, address))) * 10.0f));
}
