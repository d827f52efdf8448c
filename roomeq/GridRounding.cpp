#include "GridRounding.h"

#include "BandGrid.h"
#include "ContinuousStart.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

constexpr int OneBandIterations = 15;
constexpr int RefitIterations = 30;

} // namespace

GridRounding::GridRounding(const ContinuousFit& fit, const GroupBands& current,
                           std::vector<FitBand> bands, FrequencyTrial frequencyTrial)
    : m_fit(fit)
    , m_frequencyTrial(frequencyTrial)
    , m_result(current)
    , m_bands(std::move(bands))
{}

GroupBands GridRounding::run()
{
    std::vector<double> weights;
    for (const FitBand& band : m_bands) {
        weights.push_back(ContinuousStart::weightOf(m_fit, band));
    }
    std::vector<std::size_t> order(m_bands.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return weights[a] > weights[b]; });
    for (FitBand& band : m_bands) {
        band.hold(false);
    }
    for (const int parameter : {FitBand::Frequency, FitBand::Q, FitBand::Gain}) {
        for (const std::size_t b : order) {
            if (m_bands[b].moves(parameter)) {
                placeOnGrid(b, parameter);
                if (!othersMoveFor(parameter)) { // else its trial has moved them already
                    m_fit.optimise(m_bands, RefitIterations);
                }
            }
        }
    }
    return m_result;
}

bool GridRounding::othersMoveFor(int parameter) const
{
    return parameter == FitBand::Frequency && m_frequencyTrial == FrequencyTrial::AllFree;
}

// Each of the two grid values is judged with the parameters that may move at their best for it.
void GridRounding::placeOnGrid(std::size_t b, int parameter)
{
    const std::vector<FitBand> before = m_bands; // both grid values start from the same place
    const FitBand band = before[b];
    const bool othersMove = othersMoveFor(parameter);
    std::optional<double> best;
    for (const quint8 value : gridAround(band, parameter)) {
        std::vector<FitBand> trial = before;
        if (!othersMove) {
            for (FitBand& other : trial) {
                other.hold(true);
            }
        }
        StoredBand candidate = m_result.bands()[b];
        FitBand& moved = trial[b];
        moved = band;
        switch (parameter) {
        case FitBand::Frequency:
            candidate.index = value;
            moved.hz = candidate.filter().hz;
            break;
        case FitBand::Q:
            candidate.q = value;
            moved.q = candidate.filter().q;
            break;
        default:
            candidate.gain = value;
            moved.gainDb = candidate.filter().gainDb;
            break;
        }
        moved.held[std::size_t(parameter)] = true;
        m_fit.optimise(trial, othersMove ? RefitIterations : OneBandIterations);
        const double cost = m_fit.cost(trial);
        if (!best || cost < *best) {
            best = cost;
            if (othersMove) {
                m_bands = std::move(trial);
            } else {
                m_bands[b] = trial[b];
            }
            m_result.bands()[b] = candidate;
        }
    }
}

std::array<quint8, 2> GridRounding::gridAround(const FitBand& band, int parameter) const
{
    switch (parameter) {
    case FitBand::Frequency:
        return BandGrid::indexesAround(band.hz, BandGrid::indexRange(band.kind, m_result.group()));
    case FitBand::Q:
        return BandGrid::qsAround(band.q);
    default:
        return BandGrid::gainsAround(band.gainDb);
    }
}
