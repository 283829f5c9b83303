#pragma once

// Colour: a linear RGB value with components nominally in 0..1, the unit the
// texture painters mix and shade with before pixels are quantised to bytes.

namespace texgen {

struct Colour {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;

    constexpr Colour operator+(const Colour& o) const { return {r + o.r, g + o.g, b + o.b}; }
    constexpr Colour operator-(const Colour& o) const { return {r - o.r, g - o.g, b - o.b}; }
    constexpr Colour operator*(const float k) const { return {r * k, g * k, b * k}; }
    constexpr Colour operator*(const Colour& o) const { return {r * o.r, g * o.g, b * o.b}; }
};

// Linear blend: t = 0 gives a, t = 1 gives b.
constexpr Colour Mix(const Colour& a, const Colour& b, const float t) {
    return a + (b - a) * t;
}

} // namespace texgen
