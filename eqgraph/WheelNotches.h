#pragma once

// Turns wheel turns over the graph into whole notches. A classic wheel reports each notch as a
// turn of 120 (eighths of a degree); high-resolution wheels and touchpads report a notch in
// smaller parts, which add up here until they make a whole one. A turn made with a key or a mouse
// button held is not an edit: it counts for nothing and drops any part of a notch gathered.
class WheelNotches
{
public:
    static constexpr int Notch = 120;

    // The whole notches this turn completes: positive away from the user, negative towards.
    int add(int angleDeltaY, bool plain);

private:
    long long m_gathered = 0; // under a notch between calls; wide enough for any one turn
};
