#include "GridPolish.h"

#include "BandGrid.h"
#include "Deviation.h"
#include "Wish.h"

namespace {

constexpr int Passes = 50;

} // namespace

GridPolish::GridPolish(const FrequencyPoints& points, const Wish& wish)
    : m_model(points)
    , m_wish(wish)
{}

void GridPolish::run(GroupBands& group)
{
    std::vector<StoredBand>& bands = group.bands();
    std::vector<std::vector<double>> responses;
    std::vector<double> total(m_wish.db.size(), 0.0);
    for (const StoredBand& band : bands) {
        responses.push_back(m_model.band(band));
        for (std::size_t i = 0; i < total.size(); ++i) {
            total[i] += responses.back()[i];
        }
    }
    const double limit = Deviation::of(total, m_wish).maxDb;
    double cost = m_wish.squaredDeviation(total);
    bool improved = true;
    for (int pass = 0; pass < Passes && improved; ++pass) {
        improved = false;
        for (std::size_t b = 0; b < bands.size(); ++b) {
            for (const StoredBand& moved : steps(bands[b], group.group())) {
                std::vector<double> response = m_model.band(moved);
                std::vector<double> next = total;
                for (std::size_t i = 0; i < next.size(); ++i) {
                    next[i] += response[i] - responses[b][i];
                }
                const double nextCost = m_wish.squaredDeviation(next);
                if (nextCost < cost && Deviation::of(next, m_wish).maxDb <= limit) {
                    bands[b] = moved;
                    responses[b] = std::move(response);
                    total = std::move(next);
                    cost = nextCost;
                    improved = true;
                }
            }
        }
    }
}

std::vector<StoredBand> GridPolish::steps(const StoredBand& band, int group) const
{
    std::vector<StoredBand> moves;
    const auto range = BandGrid::indexRange(band.kind, group);
    for (const int delta : {-1, 1}) {
        if (const auto index = BandGrid::stepIndex(band.index, delta, range)) {
            moves.push_back(band);
            moves.back().index = *index;
        }
        if (band.kind != BandKind::Peaking) {
            continue;
        }
        if (const auto gain = BandGrid::stepGain(band.gain, delta)) {
            moves.push_back(band);
            moves.back().gain = *gain;
        }
        if (const auto q = BandGrid::stepQ(band.q, delta)) {
            moves.push_back(band);
            moves.back().q = *q;
        }
    }
    return moves;
}
