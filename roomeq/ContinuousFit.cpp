#include "ContinuousFit.h"

#include "BandFilter.h"
#include "BandGrid.h"
#include "BandTable.h"
#include "FilterResponse.h"
#include "FrequencyPoints.h"
#include "Wish.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double DbPerNeper = 10 / std::numbers::ln10;
// Finite-difference steps of the parameters: log frequency, dB, log Q.
constexpr std::array<double, 3> Steps{1e-6, 1e-5, 1e-6};
constexpr double StartDamping = 1e-3;
constexpr double LargestDamping = 1e10;
constexpr double SmallestDamping = 1e-9;
// An accepted step that gains less than this share of the cost ends the search.
constexpr double Converged = 1e-5;

using Terms = std::array<double, 6>; // n0, n1, n2, d0, d1, d2

Terms termsOf(const CookbookFilter& filter)
{
    const auto m = FilterResponse::magnitude(filter);
    return {m.n0, m.n1, m.n2, m.d0, m.d1, m.d2};
}

// One parameter that moves.
struct Moving
{
    std::size_t band;
    int parameter;
};

// Levenberg-Marquardt over the moving parameters. The bands' magnitudes multiply, so a response
// in dB needs one logarithm a point however many bands move; each band's derivatives come from
// differences of its six magnitude terms, which then hold at every point exactly. Rows are
// scaled by the square root of their point's weight.
class Search
{
public:
    Search(const ContinuousFit& fit, const FrequencyPoints& points, const Wish& wish,
           std::vector<FitBand>& bands, double gainPenalty)
        : m_fit(fit)
        , m_points(points)
        , m_wish(wish)
        , m_bands(bands)
        , m_heldSum(std::size_t(points.size()), 0.0)
        , m_gainPenalty(gainPenalty)
    {
        for (std::size_t b = 0; b < bands.size(); ++b) {
            bool moves = false;
            for (int p = 0; p < bands[b].parameterCount(); ++p) {
                if (bands[b].moves(p)) {
                    m_moving.push_back({b, p});
                    moves = true;
                }
            }
            if (moves) {
                m_movingBands.push_back(b);
            } else {
                fit.add(bands[b], m_heldSum);
            }
        }
    }

    void run(int iterations)
    {
        const int count = int(m_moving.size());
        if (count == 0) {
            return;
        }
        Eigen::VectorXd x(count);
        for (int k = 0; k < count; ++k) {
            x[k] = m_bands[m_moving[std::size_t(k)].band].parameter(
                m_moving[std::size_t(k)].parameter);
        }
        double cost = penalised(m_bands);
        double damping = StartDamping;
        // Below the points, one row per moving gain: the penalty on large gains.
        Eigen::MatrixXd jacobian = Eigen::MatrixXd::Zero(m_points.size() + count, count);
        Eigen::VectorXd residual = Eigen::VectorXd::Zero(m_points.size() + count);
        for (int iteration = 0; iteration < iterations; ++iteration) {
            linearise(jacobian, residual);
            Eigen::MatrixXd normal = Eigen::MatrixXd::Zero(count, count);
            normal.selfadjointView<Eigen::Lower>().rankUpdate(jacobian.transpose());
            normal.triangularView<Eigen::StrictlyUpper>() = normal.transpose();
            const Eigen::VectorXd gradient = jacobian.transpose() * residual;
            const Eigen::VectorXd scale = normal.diagonal().cwiseMax(1e-9);
            bool accepted = false;
            double gained = 0;
            while (!accepted && damping < LargestDamping) {
                Eigen::MatrixXd damped = normal;
                damped.diagonal() += damping * scale;
                const Eigen::VectorXd next = x + damped.ldlt().solve(-gradient);
                std::vector<FitBand> placed = m_bands;
                for (int k = 0; k < count; ++k) {
                    const Moving& m = m_moving[std::size_t(k)];
                    placed[m.band].setParameter(m.parameter, next[k]);
                }
                const double nextCost = penalised(placed);
                if (nextCost < cost) {
                    // A parameter held at a limit stays there, and the next step starts there.
                    for (int k = 0; k < count; ++k) {
                        const Moving& m = m_moving[std::size_t(k)];
                        x[k] = placed[m.band].parameter(m.parameter);
                    }
                    m_bands = std::move(placed);
                    gained = cost - nextCost;
                    cost = nextCost;
                    damping = std::max(damping * 0.3, SmallestDamping);
                    accepted = true;
                } else {
                    damping *= 4;
                }
            }
            if (!accepted || gained <= Converged * cost) {
                return;
            }
        }
    }

private:
    std::vector<double> sum(const std::vector<FitBand>& bands) const
    {
        const int n = m_points.size();
        std::vector<double> numerator(std::size_t(n), 1.0);
        std::vector<double> denominator(std::size_t(n), 1.0);
        for (const std::size_t b : m_movingBands) {
            const auto m = FilterResponse::magnitude(bands[b].filter());
            for (int i = 0; i < n; ++i) {
                numerator[std::size_t(i)] *= m.numerator(m_points.phi(i), m_points.psi(i));
                denominator[std::size_t(i)] *= m.denominator(m_points.phi(i), m_points.psi(i));
            }
        }
        std::vector<double> result = m_heldSum;
        for (int i = 0; i < n; ++i) {
            result[std::size_t(i)] +=
                DbPerNeper * std::log(numerator[std::size_t(i)] / denominator[std::size_t(i)]);
        }
        return result;
    }

    double penalised(const std::vector<FitBand>& bands) const
    {
        double penalty = 0;
        for (const Moving& m : m_moving) {
            if (m.parameter == FitBand::Gain) {
                penalty += m_gainPenalty * bands[m.band].gainDb * bands[m.band].gainDb;
            }
        }
        return m_fit.cost(sum(bands)) + penalty;
    }

    void linearise(Eigen::MatrixXd& jacobian, Eigen::VectorXd& residual)
    {
        for (int k = 0; k < int(m_moving.size()); ++k) {
            if (m_moving[std::size_t(k)].parameter == FitBand::Gain) {
                const double root = std::sqrt(m_gainPenalty);
                jacobian(m_points.size() + k, k) = root;
                residual[m_points.size() + k] =
                    root * m_bands[m_moving[std::size_t(k)].band].gainDb;
            }
        }
        const std::vector<double> response = sum(m_bands);
        for (int i = 0; i < m_points.size(); ++i) {
            const auto at = std::size_t(i);
            residual[i] = std::sqrt(m_wish.weight[at]) * (response[at] - m_wish.db[at]);
        }
        for (std::size_t k = 0; k < m_moving.size();) {
            const std::size_t b = m_moving[k].band;
            const FitBand& band = m_bands[b];
            const Terms t = termsOf(band.filter());
            // The columns of this band's moving parameters, which follow each other.
            std::vector<std::pair<int, Terms>> columns;
            for (; k < m_moving.size() && m_moving[k].band == b; ++k) {
                columns.emplace_back(int(k), derivative(band, m_moving[k].parameter));
            }
            const int n = m_points.size();
            m_inverseN.resize(std::size_t(n));
            m_inverseD.resize(std::size_t(n));
            for (int i = 0; i < n; ++i) {
                const double phi = m_points.phi(i);
                const double psi = m_points.psi(i);
                const double root = DbPerNeper * std::sqrt(m_wish.weight[std::size_t(i)]);
                m_inverseN[std::size_t(i)] = root / (t[0] - t[1] * phi + t[2] * psi);
                m_inverseD[std::size_t(i)] = root / (t[3] - t[4] * phi + t[5] * psi);
            }
            for (const auto& [column, dt] : columns) {
                for (int i = 0; i < n; ++i) {
                    const double phi = m_points.phi(i);
                    const double psi = m_points.psi(i);
                    const double dn = dt[0] - dt[1] * phi + dt[2] * psi;
                    const double dd = dt[3] - dt[4] * phi + dt[5] * psi;
                    jacobian(i, column) =
                        dn * m_inverseN[std::size_t(i)] - dd * m_inverseD[std::size_t(i)];
                }
            }
        }
    }

    // How the band's six magnitude terms change with one parameter (central differences,
    // unbounded: the formulas hold a little beyond the limits too).
    static Terms derivative(const FitBand& band, int parameter)
    {
        const double step = Steps[std::size_t(parameter)];
        const auto moved = [&](double by) {
            FitBand copy = band;
            const double value = band.parameter(parameter) + by;
            switch (parameter) {
            case FitBand::Frequency:
                copy.hz = std::exp(value);
                break;
            case FitBand::Gain:
                copy.gainDb = value;
                break;
            default:
                copy.q = std::exp(value);
                break;
            }
            return termsOf(copy.filter());
        };
        const Terms up = moved(step);
        const Terms down = moved(-step);
        Terms result{};
        for (std::size_t j = 0; j < result.size(); ++j) {
            result[j] = (up[j] - down[j]) / (2 * step);
        }
        return result;
    }

    const ContinuousFit& m_fit;
    const FrequencyPoints& m_points;
    const Wish& m_wish;
    std::vector<FitBand>& m_bands;
    std::vector<double> m_heldSum;
    double m_gainPenalty;
    std::vector<Moving> m_moving;
    std::vector<std::size_t> m_movingBands;
    // Per point, for the band being linearised: the row scale over N and over D.
    std::vector<double> m_inverseN;
    std::vector<double> m_inverseD;
};

} // namespace

int FitBand::parameterCount() const
{
    return kind == BandKind::Peaking ? 3 : 1;
}

double FitBand::parameter(int parameter) const
{
    switch (parameter) {
    case Frequency:
        return std::log(hz);
    case Gain:
        return gainDb;
    default:
        return std::log(q);
    }
}

void FitBand::setParameter(int parameter, double value)
{
    switch (parameter) {
    case Frequency:
        hz = std::clamp(std::exp(value), lowestHz, highestHz);
        break;
    case Gain:
        gainDb = std::clamp(value, -BandGrid::GainLimitDb, BandGrid::GainLimitDb);
        break;
    default:
        q = std::clamp(std::exp(value), BandGrid::LowestQ, BandGrid::HighestQ);
        break;
    }
}

void FitBand::place(double atHz, double atGainDb, double atQ)
{
    hz = std::clamp(atHz, lowestHz, highestHz);
    gainDb = std::clamp(atGainDb, -BandGrid::GainLimitDb, BandGrid::GainLimitDb);
    q = std::clamp(atQ, BandGrid::LowestQ, BandGrid::HighestQ);
}

CookbookFilter FitBand::filter() const
{
    switch (kind) {
    case BandKind::Peaking:
        return {FilterType::Peaking, hz, gainDb, q};
    case BandKind::HighCut:
        return {FilterType::LowPass, hz, 0, BandFilter::CutFilterQ};
    case BandKind::LowCut:
        break;
    }
    return {FilterType::HighPass, hz, 0, BandFilter::CutFilterQ};
}

ContinuousFit::ContinuousFit(const FrequencyPoints& points, const Wish& wish)
    : m_points(points)
    , m_wish(wish)
{}

void ContinuousFit::add(const FitBand& band, std::vector<double>& sum) const
{
    const auto m = FilterResponse::magnitude(band.filter());
    for (int i = 0; i < m_points.size(); ++i) {
        sum[std::size_t(i)] += FilterResponse::db(m, m_points, i);
    }
}

std::vector<double> ContinuousFit::response(const std::vector<FitBand>& bands) const
{
    std::vector<double> sum(std::size_t(m_points.size()), 0.0);
    for (const FitBand& band : bands) {
        add(band, sum);
    }
    return sum;
}

void ContinuousFit::optimise(std::vector<FitBand>& bands, int iterations, double gainPenalty) const
{
    Search(*this, m_points, m_wish, bands, gainPenalty).run(iterations);
}
