#pragma once

#include "BandFilter.h"
#include "GraphGeometry.h"

#include <vector>

class BandTable;
class ParamModel;
struct EqBand;

// What a drawn curve is: the sum of a group's bands, or, for the effect group, one of its cuts
// on its own.
enum class CurveRole
{
    Main,
    HighCut,
    LowCut
};

// One curve in dB, a value per point of the graph (column X0 + i).
struct ResponseCurve
{
    CurveRole role = CurveRole::Main;
    std::vector<float> db;
};

// The magnitude response of EQ bands at every column of the graph. Each band is a second-order
// filter at 48 kHz (peaking, or a low-pass / high-pass for the high / low cut); band responses add
// in dB into ResponseSum. Whatever shows or prints a group's curves takes them from here.
class EqResponse
{
public:
    // The one group whose cuts are drawn as curves of their own, apart from its peaking bands.
    static constexpr int EffectGroup = 3;

    explicit EqResponse(const GraphGeometry& geometry = GraphGeometry());

    // The evaluation grid follows the geometry; ResponseSum is cleared.
    void setGeometry(const GraphGeometry& geometry);
    const GraphGeometry& geometry() const { return m_geometry; }
    // Points at the given frequencies instead of the graph's columns, until the next
    // setGeometry; ResponseSum is cleared.
    void setPointFrequencies(std::vector<float> hz);

    int pointCount() const { return int(m_frequencies.size()); }
    // The frequency a point is evaluated at: its column's frequency, at most 22 kHz.
    float pointFrequency(int point) const;

    void clear();
    // Adds one band's response in dB to every point.
    void AddBandResponse(const EqBand& band);
    const std::vector<float>& ResponseSum() const { return m_sum; }

    // The curves the graph draws for a group: the sum of every band in use; for the effect group
    // the sum of its peaking bands, then its high cut alone, then its low cut alone.
    std::vector<ResponseCurve> groupCurves(const BandTable& bands, int group);
    // The same for a group and mode of a parameter set (as a preset holds it).
    std::vector<ResponseCurve> groupCurves(ParamModel& model, int mode, int group);

private:
    void evaluateAtFrequencies();

    GraphGeometry m_geometry;
    std::vector<float> m_frequencies;
    // phi and psi per point depend only on the geometry: worked out once for it, not per band.
    std::vector<BandFilter::Angle> m_angles;
    std::vector<float> m_sum;
};
