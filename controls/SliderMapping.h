#pragma once

// The slider's arithmetic, free of widgets: where the thumb centre sits for a position, which
// position a pointer coordinate means, and the Q knob's byte <-> position mapping.
namespace SliderMapping {

// Q bytes 1..30 take one position each (0..29); bytes 31, 35, ... 75 take positions 30..41.
int qToPosition(int q);
int positionToQ(int position);

// The centre a slider shows at rest: maxValue / 2, halves to even.
int centrePosition(int maxValue);

// Thumb centre in the track picture's natural pixels. maxValue must be at least 1.
double thumbCentre(int position, int maxValue, int minPos, int maxPos);

// Position under a pointer at natural pixel u along the axis, limited to 0..maxValue. With
// minPos equal to maxPos there is no travel to map, and the current position stands.
int positionAt(double u, int maxValue, int minPos, int maxPos, int current);

} // namespace SliderMapping
