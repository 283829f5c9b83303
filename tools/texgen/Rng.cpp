#include "Rng.h"

namespace texgen {

namespace {

constexpr float InverseTwoTo24 = 1.0f / 16777216.0f;

std::uint32_t Mix32(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

} // namespace

std::uint32_t Rng::Next() {
    state += 0x9e3779b97f4a7c15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return static_cast<std::uint32_t>(z >> 32);
}

float Rng::Uniform() {
    return static_cast<float>(Next() >> 8) * InverseTwoTo24;
}

float Rng::Range(const float lo, const float hi) {
    return lo + (hi - lo) * Uniform();
}

int Rng::Below(const int n) {
    return static_cast<int>(Next() % static_cast<std::uint32_t>(n));
}

bool Rng::Chance(const float probability) {
    return Uniform() < probability;
}

float HashUnit(const int x, const int y, const std::uint32_t seed) {
    const std::uint32_t h = Mix32(static_cast<std::uint32_t>(x) * 0x8da6b343U ^
                                  Mix32(static_cast<std::uint32_t>(y) * 0xd8163841U ^ seed));
    return static_cast<float>(h >> 8) * InverseTwoTo24;
}

} // namespace texgen
