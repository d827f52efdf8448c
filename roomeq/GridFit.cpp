#include "GridFit.h"

#include "BandGrid.h"
#include "ContinuousStart.h"
#include "FrequencyPoints.h"
#include "GridPolish.h"
#include "GridRounding.h"
#include "ProcessorModel.h"
#include "Wish.h"

#include <algorithm>
#include <optional>

namespace {

constexpr quint8 ZeroGain = 75; // 0 dB

// The seed's bands each on their nearest grid values: what a plain import would send.
GroupBands nearestOnGrid(const std::vector<FitBand>& seed, const GroupBands& current)
{
    GroupBands bands = current;
    for (std::size_t b = 0; b < seed.size(); ++b) {
        StoredBand& band = bands.bands()[b];
        band.index =
            BandGrid::nearestIndex(seed[b].hz, BandGrid::indexRange(band.kind, current.group()));
        if (band.kind == BandKind::Peaking) {
            band.gain = BandGrid::nearestGain(seed[b].gainDb);
            band.q = BandGrid::nearestQ(seed[b].q);
        }
    }
    return bands;
}

// The seeded peaking bands keep their order on the addresses, the others follow by frequency
// and those left at 0 dB last; a band at 0 dB keeps the frequency and Q its address had, as it
// sounds the same anywhere, so that nothing is sent for it.
void assignAddresses(GroupBands& result, const GroupBands& current, int seeded)
{
    std::vector<StoredBand>& bands = result.bands();
    const auto peakingEnd = std::find_if(bands.begin(), bands.end(), [](const StoredBand& b) {
        return b.kind != BandKind::Peaking;
    });
    std::stable_sort(bands.begin() + std::min<std::ptrdiff_t>(seeded, peakingEnd - bands.begin()),
                     peakingEnd, [](const StoredBand& a, const StoredBand& b) {
                         return std::pair(a.gain == ZeroGain, a.index) <
                                std::pair(b.gain == ZeroGain, b.index);
                     });
    for (std::size_t i = 0; i < bands.size(); ++i) {
        bands[i].address = current.bands()[i].address;
        if (bands[i].kind == BandKind::Peaking && bands[i].gain == ZeroGain) {
            bands[i] = current.bands()[i];
            bands[i].gain = ZeroGain;
        }
    }
}

} // namespace

GridFit::Result GridFit::fit(const Wish& wish, const GroupBands& current, const FilterList& seed)
{
    const FrequencyPoints& points = FrequencyPoints::standard();
    const ContinuousFit fit(points, wish);
    ContinuousStart start(fit, current, seed);
    const std::vector<FitBand> continuous = start.run();
    GridPolish polish(points, wish);
    ProcessorModel model(points);
    // The grid's frequency steps cost most. Judged with all bands moving, a step is often made
    // up for by the neighbours; judged band by band, a response the grid can make is found
    // again more surely. Both are rounded and the closer kept, the first on a tie.
    std::optional<GroupBands> rounded;
    double cost = 0;
    for (const auto trial :
         {GridRounding::FrequencyTrial::BandAlone, GridRounding::FrequencyTrial::AllFree}) {
        GroupBands candidate = GridRounding(fit, current, continuous, trial).run();
        polish.run(candidate);
        const double candidateCost = wish.squaredDeviation(model.group(candidate));
        if (!rounded || candidateCost < cost) {
            rounded = std::move(candidate);
            cost = candidateCost;
        }
    }
    GroupBands bands = *rounded;
    Deviation deviation = Deviation::of(model.group(bands), wish);
    if (start.seededCount() > 0) {
        // Never further off at its worst point than the seed's filters rounded one by one.
        GroupBands plain = nearestOnGrid(start.seedBands(), current);
        polish.run(plain);
        const Deviation plainDeviation = Deviation::of(model.group(plain), wish);
        if (plainDeviation.maxDb < deviation.maxDb) {
            bands = plain;
            deviation = plainDeviation;
        }
    }
    assignAddresses(bands, current, start.seededCount());
    return {bands, deviation, Deviation::of(fit.response(continuous), wish)};
}
