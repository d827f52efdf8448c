#pragma once

#include <QString>
#include <optional>
#include <vector>

// A curve given at rising frequencies and read anywhere between the first and the last of them,
// linearly in log frequency; nothing outside.
class OverlayCurve
{
public:
    OverlayCurve() = default;
    OverlayCurve(std::vector<double> hz, std::vector<double> db);

    bool isEmpty() const { return m_hz.size() < 2; }
    std::optional<double> at(double hz) const;

private:
    std::vector<double> m_hz;
    std::vector<double> m_db;
};

// What the graph draws besides a group's bands: a measured response and a target under the EQ
// curve, the measurement as the EQ will make it (drawn from the current curve, so it follows a
// drag), and a line of text over the plot.
struct GraphOverlay
{
    OverlayCurve measured;
    OverlayCurve target;
    QString message; // none when empty

    bool isEmpty() const { return measured.isEmpty() && target.isEmpty() && message.isEmpty(); }
};
