#include "ProcessorModel.h"

#include "FrequencyPoints.h"
#include "GroupBands.h"

ProcessorModel::ProcessorModel(const FrequencyPoints& points)
{
    std::vector<float> hz;
    hz.reserve(std::size_t(points.size()));
    for (double f : points.frequencies()) {
        hz.push_back(float(f));
    }
    m_response.setPointFrequencies(std::move(hz));
}

std::vector<double> ProcessorModel::band(const StoredBand& band)
{
    m_response.clear();
    m_response.AddBandResponse(band.eqBand());
    return sum();
}

std::vector<double> ProcessorModel::group(const GroupBands& bands)
{
    m_response.clear();
    for (const StoredBand& band : bands.bands()) {
        m_response.AddBandResponse(band.eqBand());
    }
    return sum();
}

std::vector<double> ProcessorModel::sum() const
{
    const std::vector<float>& values = m_response.ResponseSum();
    return {values.begin(), values.end()};
}
