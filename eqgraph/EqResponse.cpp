#include "EqResponse.h"

#include "BandFilter.h"
#include "BandTable.h"

#include <algorithm>

EqResponse::EqResponse(const GraphGeometry& geometry)
    : m_geometry(geometry)
{
    setGeometry(geometry);
}

void EqResponse::setGeometry(const GraphGeometry& geometry)
{
    m_geometry = geometry;
    const int count = std::max(0, geometry.PointCount());
    m_frequencies.resize(count);
    for (int i = 0; i < count; ++i) {
        m_frequencies[i] =
            std::min(geometry.XToFreq(geometry.X0() + i), float(GraphGeometry::TopFrequency));
    }
    evaluateAtFrequencies();
}

void EqResponse::setPointFrequencies(std::vector<float> hz)
{
    m_frequencies = std::move(hz);
    evaluateAtFrequencies();
}

void EqResponse::evaluateAtFrequencies()
{
    m_angles.resize(m_frequencies.size());
    for (std::size_t i = 0; i < m_frequencies.size(); ++i) {
        m_angles[i] = BandFilter::angleAt(m_frequencies[i]);
    }
    m_sum.assign(m_frequencies.size(), 0.0f);
}

float EqResponse::pointFrequency(int point) const
{
    return m_frequencies.at(std::size_t(point));
}

void EqResponse::clear()
{
    std::fill(m_sum.begin(), m_sum.end(), 0.0f);
}

void EqResponse::AddBandResponse(const EqBand& band)
{
    const BandFilter filter(band);
    // A point where the response has no value repeats the point before it (0 at the first).
    float previous = 0;
    for (std::size_t i = 0; i < m_sum.size(); ++i) {
        filter.db(m_angles[i], previous);
        m_sum[i] += previous;
    }
}

std::vector<ResponseCurve> EqResponse::groupCurves(const BandTable& bands, int group)
{
    const bool separateCuts = group == EffectGroup;
    std::vector<ResponseCurve> curves;
    clear();
    for (int i = 0; i < BandTable::Capacity && bands.band(i).InUse; ++i) {
        if (!separateCuts || bands.band(i).Kind == BandKind::Peaking) {
            AddBandResponse(bands.band(i));
        }
    }
    curves.push_back({CurveRole::Main, m_sum});
    if (separateCuts) {
        for (int i = 0; i < BandTable::Capacity && bands.band(i).InUse; ++i) {
            const EqBand& band = bands.band(i);
            if (band.Kind != BandKind::Peaking) {
                clear();
                AddBandResponse(band);
                curves.push_back(
                    {band.Kind == BandKind::HighCut ? CurveRole::HighCut : CurveRole::LowCut,
                     m_sum});
            }
        }
    }
    return curves;
}

std::vector<ResponseCurve> EqResponse::groupCurves(ParamModel& model, int mode, int group)
{
    BandTable bands;
    bands.LoadGroupBands(model, mode, group);
    return groupCurves(bands, group);
}
