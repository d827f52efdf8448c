#pragma once

#include <QtGlobal>

// Deterministic noise for the metal grain: the same seed and pixel always give the same value, so
// regenerating the skin reproduces every picture byte for byte.
class SeededNoise
{
public:
    explicit SeededNoise(quint32 seed);

    // Uniform in [-1, 1] for one pixel.
    double grain(int x, int y) const;
    // Brushed-metal streak in [-1, 1]: each row varies slowly along x, rows differ sharply.
    double streak(int x, int y) const;

private:
    quint32 hash(int x, int y) const;
    double unit(int x, int y) const;

    quint32 m_seed;
};
