#include "ValueNoise.h"

#include "Rng.h"

#include <cmath>

namespace texgen {

namespace {

float Smooth(const float t) {
    return t * t * (3.0f - 2.0f * t);
}

} // namespace

float ValueNoise::Sample(const float x, const float y) const {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const float tx = Smooth(x - fx);
    const float ty = Smooth(y - fy);
    const float top =
        HashUnit(ix, iy, seed) + (HashUnit(ix + 1, iy, seed) - HashUnit(ix, iy, seed)) * tx;
    const float bottom = HashUnit(ix, iy + 1, seed) +
                         (HashUnit(ix + 1, iy + 1, seed) - HashUnit(ix, iy + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

float ValueNoise::Fractal(const float x, const float y, const float cellSize,
                          const int octaves) const {
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    float frequency = 1.0f / cellSize;
    for (int octave = 0; octave < octaves; ++octave) {
        // Offsetting each octave keeps their lattices from lining up.
        const float shift = 17.31f * static_cast<float>(octave);
        sum += weight * Sample(x * frequency + shift, y * frequency - shift);
        total += weight;
        weight *= 0.5f;
        frequency *= 2.0f;
    }
    return sum / total;
}

} // namespace texgen
