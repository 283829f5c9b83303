#pragma once

#include <cstdint>

// Rng: a small seeded generator (splitmix64) so every texture comes out the
// same on every machine and run; the C library's rand() is neither portable
// nor ours to reseed.

namespace texgen {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state(seed) {}

    std::uint32_t Next();
    // Uniform in [0, 1).
    float Uniform();
    // Uniform in [lo, hi).
    float Range(float lo, float hi);
    // Uniform integer in [0, n); n must be positive.
    int Below(int n);
    // True with the given probability.
    bool Chance(float probability);

private:
    std::uint64_t state;
};

// Stateless hash of a lattice point and a seed to [0, 1): the same inputs always
// give the same value, which value noise and per-cell variation rely on.
float HashUnit(int x, int y, std::uint32_t seed);

} // namespace texgen
