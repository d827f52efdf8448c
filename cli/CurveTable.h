#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class ParamModel;

// The response of one EQ group of a parameter set as text that room-acoustics tools import: a
// header line starting with "*", then one row per point, "frequency,dB" with three decimals (for
// the effect group three dB columns: its peaking bands, its high cut alone, its low cut alone).
// The points are the graph's columns at its design size, or frequencies given; the numbers come
// from the same computation as the graph's curves.
namespace CurveTable {

QString header(const QString& preset, int mode, int group);
// At every column of the graph: its frequency (at most 22 kHz) and the curves there.
QStringList rows(ParamModel& model, int mode, int group);
// At the given frequencies instead.
QStringList rows(ParamModel& model, int mode, int group, const std::vector<float>& hz);

} // namespace CurveTable
