#include "GridPolish.h"

#include "BandGrid.h"
#include "Deviation.h"
#include "Wish.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

constexpr int Passes = 50;

} // namespace

GridPolish::GridPolish(const FrequencyPoints& points, const Wish& wish)
    : m_model(points)
    , m_wish(wish)
{}

void GridPolish::run(GroupBands& group)
{
    State state{group, {}, std::vector<double>(m_wish.db.size(), 0.0)};
    for (const StoredBand& band : group.bands()) {
        state.responses.push_back(m_model.band(band));
        for (std::size_t i = 0; i < state.total.size(); ++i) {
            state.total[i] += state.responses.back()[i];
        }
    }
    state.limit = Deviation::of(state.total, m_wish).maxDb;
    state.cost = m_wish.squaredDeviation(state.total);
    for (int pass = 0; pass < Passes; ++pass) {
        // The pairs are tried only when no single step was taken, so from the same steps.
        std::vector<Step> candidates = stepsFrom(state);
        if (!singleSteps(state, candidates) && !pairStep(state, candidates)) {
            break;
        }
    }
}

std::vector<GridPolish::Step> GridPolish::stepsFrom(const State& state)
{
    const std::vector<StoredBand>& bands = state.group.bands();
    std::vector<Step> all;
    for (std::size_t b = 0; b < bands.size(); ++b) {
        for (const StoredBand& moved : steps(bands[b], state.group.group())) {
            all.push_back({b, moved, m_model.band(moved)});
        }
    }
    return all;
}

bool GridPolish::singleSteps(State& state, std::vector<Step>& candidates)
{
    bool improved = false;
    for (Step& step : candidates) {
        improved = take(state, {&step}) || improved;
    }
    return improved;
}

// What two steps do together is what each does alone and the overlap of their changes, so all
// pairs are ranked from one product of the changes, and only the best are summed out.
bool GridPolish::pairStep(State& state, std::vector<Step>& all)
{
    const std::size_t n = state.total.size();
    // Columns: each step's change, scaled by the root of its point's weight.
    Eigen::MatrixXd changes = Eigen::MatrixXd::Zero(Eigen::Index(n), Eigen::Index(all.size()));
    Eigen::VectorXd error = Eigen::VectorXd::Zero(Eigen::Index(n));
    for (std::size_t i = 0; i < n; ++i) {
        const double root = std::sqrt(m_wish.weight[i]);
        error[Eigen::Index(i)] = root * (state.total[i] - m_wish.db[i]);
        for (std::size_t s = 0; s < all.size(); ++s) {
            changes(Eigen::Index(i), Eigen::Index(s)) =
                root * (all[s].response[i] - state.responses[all[s].band][i]);
        }
    }
    const Eigen::MatrixXd overlap = changes.transpose() * changes;
    const Eigen::VectorXd alone = 2 * (changes.transpose() * error) + overlap.diagonal();
    std::vector<std::tuple<double, Eigen::Index, Eigen::Index>> pairs;
    for (Eigen::Index a = 0; a < overlap.cols(); ++a) {
        for (Eigen::Index b = a + 1; b < overlap.cols(); ++b) {
            const double gain = alone[a] + alone[b] + 2 * overlap(a, b);
            if (all[std::size_t(a)].band != all[std::size_t(b)].band && gain < 0) {
                pairs.emplace_back(gain, a, b);
            }
        }
    }
    std::sort(pairs.begin(), pairs.end());
    for (const auto& [gain, a, b] : pairs) {
        if (take(state, {&all[std::size_t(a)], &all[std::size_t(b)]})) {
            return true;
        }
    }
    return false;
}

bool GridPolish::take(State& state, std::initializer_list<Step*> steps)
{
    std::vector<double> next = state.total;
    for (const Step* step : steps) {
        for (std::size_t i = 0; i < next.size(); ++i) {
            next[i] += step->response[i] - state.responses[step->band][i];
        }
    }
    const double nextCost = m_wish.squaredDeviation(next);
    if (nextCost >= state.cost || Deviation::of(next, m_wish).maxDb > state.limit) {
        return false;
    }
    for (Step* step : steps) {
        state.group.bands()[step->band] = step->moved;
        state.responses[step->band] = std::move(step->response);
    }
    state.total = std::move(next);
    state.cost = nextCost;
    return true;
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
