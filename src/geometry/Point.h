#pragma once

#include "geometry/Vector.h"

#include <type_traits>

// Point: a position of four floats (x, y, z, w), stored exactly as given.
class Point {
public:
    Point() = default;
    Point(const float x_, const float y_, const float z_, const float w_ = 1.0f)
        : x(x_), y(y_), z(z_), w(w_) {}

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

    void SetX(const float v) { x = v; }
    void SetY(const float v) { y = v; }
    void SetZ(const float v) { z = v; }
    void SetW(const float v) { w = v; }
    float GetX() const { return x; }
    float GetY() const { return y; }
    float GetZ() const { return z; }
    float GetW() const { return w; }

    // Component i for 0..3; any other index reads as -99999 and writes nothing.
    float operator[](const int i) const {
        switch (i) {
        case 0: return x;
        case 1: return y;
        case 2: return z;
        case 3: return w;
        default: return Vector::outOfRange;
        }
    }
    void SetComponent(const int i, const float value) {
        switch (i) {
        case 0: x = value; break;
        case 1: y = value; break;
        case 2: z = value; break;
        case 3: w = value; break;
        default: break;
        }
    }

    Point operator+(const Point& b) const { return Point(x + b.x, y + b.y, z + b.z); }
    // The position moved by a displacement.
    Point operator+(const Vector& v) const {
        return Point(x + v.GetX(), y + v.GetY(), z + v.GetZ());
    }

    // One debug line on standard output.
    void Print() const;

private:
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 1.0f;
};

static_assert(std::is_trivially_copyable_v<Point>);
static_assert(sizeof(Point) == 16);
