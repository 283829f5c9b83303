#pragma once

#include "geometry/FourFloats.h"
#include "geometry/Vector.h"

#include <type_traits>

namespace detail {
inline float KeepAsGiven(const float value) {
    return value;
}
} // namespace detail

// Point: a position of four floats (x, y, z, w), stored exactly as given.
class Point : public FourFloats<detail::KeepAsGiven> {
public:
    Point() = default;
    Point(const float x_, const float y_, const float z_, const float w_ = 1.0f) {
        Set(x_, y_, z_, w_);
    }

    Point& Set(const float x_, const float y_, const float z_) {
        x = x_;
        y = y_;
        z = z_;
        return *this;
    }
    void Set(const float x_, const float y_, const float z_, const float w_) {
        Set(x_, y_, z_);
        w = w_;
    }

    Point operator+(const Point& b) const { return Point(x + b.x, y + b.y, z + b.z); }
    // The position moved by a displacement.
    Point operator+(const Vector& v) const {
        return Point(x + v.GetX(), y + v.GetY(), z + v.GetZ());
    }

    // One debug line on standard output.
    void Print() const;
};

static_assert(std::is_trivially_copyable_v<Point>);
static_assert(sizeof(Point) == 16);
