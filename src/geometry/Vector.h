#pragma once

#include "geometry/FourFloats.h"

#include <cmath>
#include <type_traits>

namespace detail {
// The float nearest 0.00001, so that a component of exactly 0.00001 is kept
// while anything of smaller magnitude snaps.
constexpr double snapLimit = 0.00001f;
inline float SnapTiny(const float value) {
    const double v = value;
    if (!(v < snapLimit) || v <= -snapLimit) {
        return value;
    }
    return 0.0f;
}
} // namespace detail

// Vector: a direction or displacement of four floats (x, y, z, w).
//
// Every write snaps components closer to zero than 0.00001 to exactly 0, so
// directions built from differences, cross products and matrix products carry
// no tiny residues. Arithmetic ignores w and gives results with w = 1.
class Vector : public FourFloats<detail::SnapTiny> {
public:
    static constexpr double snapLimit = detail::snapLimit;

    // The value a component is stored as: tiny magnitudes become exactly 0.
    static float Snap(const float value) { return detail::SnapTiny(value); }

    Vector() = default;
    Vector(const float x_, const float y_, const float z_) { Set(x_, y_, z_); }

    void Set(const float x_, const float y_, const float z_) {
        x = Snap(x_);
        y = Snap(y_);
        z = Snap(z_);
    }
    void Set(const float x_, const float y_, const float z_, const float w_) {
        Set(x_, y_, z_);
        w = Snap(w_);
    }

    Vector operator+(const Vector& b) const { return Vector(x + b.x, y + b.y, z + b.z); }
    Vector operator*(const float s) const { return Vector(x * s, y * s, z * s); }

    Vector Cross(const Vector& b) const {
        return Vector(y * b.z - z * b.y, z * b.x - x * b.z, x * b.y - y * b.x);
    }
    float Dot(const Vector& b) const { return x * b.x + y * b.y + z * b.z; }
    // True when the two vectors point into the same half-space.
    bool PointsAlong(const Vector& b) const { return Dot(b) > 0.0f; }

    float Length() const {
        return static_cast<float>(std::sqrt(static_cast<double>(x * x + y * y + z * z)));
    }

    // The unit vector along this one. The zero vector has no direction and
    // stays the zero vector instead of turning into NaNs.
    Vector Normalized() const {
        const float length = Length();
        if (length == 0.0f) {
            return Vector(0.0f, 0.0f, 0.0f);
        }
        return Vector(x / length, y / length, z / length);
    }

    // One debug line on standard output.
    void Print() const;

};

static_assert(std::is_trivially_copyable_v<Vector>);
static_assert(sizeof(Vector) == 16);
