#include "ContinuousStart.h"

#include "BandEncoding.h"
#include "BandGrid.h"
#include "FrequencyPoints.h"
#include "GroupBands.h"
#include "Wish.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace {

constexpr int JointIterations = 100;
constexpr int OneBandIterations = 15;
// A deviation this small is not worth a band.
constexpr double NothingLeftDb = 0.05;
// Points either side over which the deviation is smoothed before a band is placed on its peak:
// a twelfth of an octave at 48 points an octave, so that one noisy point draws no band.
constexpr int SmoothingPoints = 4;
// The Q a band placed on a peak starts with stays within these.
constexpr double StartQLow = 0.3;
constexpr double StartQHigh = 10;
// An exchange of bands is kept when it lowers the cost by at least this share; after this many
// exchanges in a row that do not, the search ends.
constexpr double ExchangeGain = 1e-2;
constexpr int ExchangeMisses = 3;
// dB squared of cost per dB squared of gain in the search for a fit with small gains: some
// tenths of a dB of deviation for a band of 10 dB.
constexpr double SearchPenalty = 0.1;

BandKind cutFor(FilterType type)
{
    return type == FilterType::HighPass  ? BandKind::LowCut
           : type == FilterType::LowPass ? BandKind::HighCut
                                         : BandKind::Peaking;
}

} // namespace

ContinuousStart::ContinuousStart(const ContinuousFit& fit, const GroupBands& current,
                                 const FilterList& seed)
    : m_fit(fit)
{
    for (const StoredBand& band : current.bands()) {
        const BandGrid::IndexRange range = BandGrid::indexRange(band.kind, current.group());
        const double lowest = BandEncoding::FreqFromIndex(range.low);
        const double highest = BandEncoding::FreqFromIndex(range.high);
        const double start = band.kind == BandKind::LowCut ? lowest : highest;
        m_bands.push_back(FitBand{band.kind, start, 0, 1, lowest, highest});
    }
    m_placed.assign(m_bands.size(), false);
    const auto peakingFilters =
        std::count_if(seed.begin(), seed.end(),
                      [](const CookbookFilter& f) { return f.type == FilterType::Peaking; });
    const auto peakingBands = std::count_if(m_bands.begin(), m_bands.end(), [](const FitBand& b) {
        return b.kind == BandKind::Peaking;
    });
    const bool seeded = peakingFilters <= peakingBands;
    m_seededCount = seeded ? int(peakingFilters) : 0;
    std::size_t next = 0;
    for (const CookbookFilter& filter : seed) {
        for (std::size_t b = 0; b < m_bands.size(); ++b) {
            FitBand& band = m_bands[b];
            if (filter.type == FilterType::Peaking && seeded && b == next) {
                band.place(filter.hz, filter.gainDb, filter.q);
                m_placed[b] = true;
            } else if (band.kind != BandKind::Peaking && band.kind == cutFor(filter.type)) {
                band.place(filter.hz, 0, 1);
            }
        }
        next += filter.type == FilterType::Peaking ? 1 : 0;
    }
    m_seedBands = m_bands;
}

std::vector<FitBand> ContinuousStart::run()
{
    // Two searches from the same start: one for the closest fit, one that keeps gains small
    // and so stays clear of deep cuts flanked by boosts (which the grid spoils), refined
    // without that bias afterwards. The closer of the two is kept.
    const std::vector<FitBand> start = m_bands;
    const std::vector<bool> placed = m_placed;
    std::optional<std::vector<FitBand>> best;
    for (const double penalty : {0.0, SearchPenalty}) {
        m_bands = start;
        m_placed = placed;
        m_penalty = penalty;
        placeRemaining();
        m_fit.optimise(m_bands, JointIterations, m_penalty);
        exchangeWeakest();
        if (penalty > 0) {
            m_fit.optimise(m_bands, JointIterations);
        }
        if (!best || m_fit.cost(m_bands) < m_fit.cost(*best)) {
            best = m_bands;
        }
    }
    m_bands = *best;
    return m_bands;
}

double ContinuousStart::weightOf(const ContinuousFit& fit, const FitBand& band)
{
    const std::vector<double> alone = fit.response({band});
    const Wish& wish = fit.wish();
    double sum = 0;
    for (std::size_t i = 0; i < alone.size(); ++i) {
        sum += wish.weight[i] * alone[i] * alone[i];
    }
    return sum;
}

// The cuts stay where they started meanwhile: moved first, a cut would take over a dip it
// cannot follow.
void ContinuousStart::placeRemaining()
{
    for (std::size_t b = 0; b < m_bands.size(); ++b) {
        if (m_bands[b].kind != BandKind::Peaking || m_placed[b]) {
            continue;
        }
        if (!startOnResidualPeak(b)) {
            break;
        }
        for (std::size_t other = 0; other < m_bands.size(); ++other) {
            m_bands[other].hold(other != b);
        }
        m_fit.optimise(m_bands, OneBandIterations, m_penalty);
    }
    for (FitBand& band : m_bands) {
        band.hold(false);
    }
}

void ContinuousStart::exchangeWeakest()
{
    std::vector<std::size_t> peaking;
    for (std::size_t b = 0; b < m_bands.size(); ++b) {
        if (m_bands[b].kind == BandKind::Peaking) {
            peaking.push_back(b);
        }
    }
    int misses = 0;
    for (std::size_t round = 0; round < peaking.size() && misses < ExchangeMisses; ++round) {
        std::vector<double> weights(m_bands.size(), 0.0);
        for (const std::size_t b : peaking) {
            weights[b] = weightOf(m_fit, m_bands[b]);
        }
        std::vector<std::size_t> order = peaking;
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return weights[a] < weights[b]; });
        const std::size_t weakest = order[std::size_t(misses) % order.size()];
        const double before = m_fit.cost(m_bands);
        const std::vector<FitBand> saved = m_bands;
        m_bands[weakest].gainDb = 0;
        if (startOnResidualPeak(weakest)) {
            m_fit.optimise(m_bands, JointIterations, m_penalty);
        }
        if (m_fit.cost(m_bands) < before * (1 - ExchangeGain)) {
            misses = 0;
        } else {
            m_bands = saved;
            ++misses;
        }
    }
}

std::vector<double> ContinuousStart::smoothedResidual() const
{
    const Wish& wish = m_fit.wish();
    const std::vector<double> response = m_fit.response(m_bands);
    const int n = int(response.size());
    std::vector<double> smooth(std::size_t(n), 0.0);
    for (int i = 0; i < n; ++i) {
        double sum = 0;
        double weight = 0;
        for (int k = std::max(0, i - SmoothingPoints); k <= std::min(n - 1, i + SmoothingPoints);
             ++k) {
            const auto at = std::size_t(k);
            sum += wish.weight[at] * (wish.db[at] - response[at]);
            weight += wish.weight[at];
        }
        smooth[std::size_t(i)] = weight > 0 ? sum / weight : 0;
    }
    return smooth;
}

bool ContinuousStart::startOnResidualPeak(std::size_t b)
{
    const std::vector<double> r = smoothedResidual();
    const auto peak =
        std::size_t(std::max_element(r.begin(), r.end(),
                                     [](double x, double y) { return std::abs(x) < std::abs(y); }) -
                    r.begin());
    if (std::abs(r[peak]) < NothingLeftDb) {
        return false;
    }
    // The width where the deviation keeps half its peak gives the band's Q.
    const auto half = [&](std::size_t k) {
        return r[k] * r[peak] > 0 && std::abs(r[k]) >= std::abs(r[peak]) / 2;
    };
    std::size_t low = peak;
    std::size_t high = peak;
    while (low > 0 && half(low - 1)) {
        --low;
    }
    while (high + 1 < r.size() && half(high + 1)) {
        ++high;
    }
    const FrequencyPoints& points = m_fit.points();
    const double ratio = std::exp2(std::max(std::log2(points.hz(int(high)) / points.hz(int(low))),
                                            1.0 / FrequencyPoints::PerOctave));
    FitBand& band = m_bands[b];
    band.place(points.hz(int(peak)), r[peak],
               std::clamp(std::sqrt(ratio) / (ratio - 1), StartQLow, StartQHigh));
    m_placed[b] = true;
    return true;
}
