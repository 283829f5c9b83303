#pragma once

#include <cstdint>

// ValueNoise: smooth 2D value noise and its fractal sum, the base of every
// "not flat" surface (stains, clouds, grass, grain at larger scales).

namespace texgen {

class ValueNoise {
public:
    explicit ValueNoise(std::uint32_t seed) : seed(seed) {}

    // Smooth noise in [0, 1]; one lattice cell per unit of x and y.
    float Sample(float x, float y) const;
    // Sum of octaves, each twice the frequency and half the weight of the one
    // before, normalised back to [0, 1]. x and y are in pixels; cellSize is the
    // feature size of the coarsest octave in pixels.
    float Fractal(float x, float y, float cellSize, int octaves) const;

private:
    std::uint32_t seed;
};

} // namespace texgen
