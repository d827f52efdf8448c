#pragma once

#include "EqResponse.h"

#include <vector>

class FrequencyPoints;
class GroupBands;
struct StoredBand;

// The processor's response as the graph models it (single precision, the processor's own
// constants), at the points of a fit. A group's response is that of all its bands, cuts
// included: the effect group's graph draws its cuts apart, but the signal passes them all.
class ProcessorModel
{
public:
    explicit ProcessorModel(const FrequencyPoints& points);

    std::vector<double> band(const StoredBand& band);
    std::vector<double> group(const GroupBands& bands);

private:
    std::vector<double> sum() const;

    EqResponse m_response;
};
