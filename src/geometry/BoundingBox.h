#pragma once

#include "geometry/Matrix.h"
#include "geometry/Point.h"

// BoundingBox: the box of a scene object, given by two corners in world space.
//
// Collisions use a sphere around the box centre whose radius is the mean
// half-extent (a sixth of width + depth + height): forgiving, symmetric and
// independent of orientation, and cheap, since only squared distances are
// compared. Corners are transformed as points and never re-sorted, so a
// rotated box can have negative extents; the tests use them as they are.
class BoundingBox {
public:
    BoundingBox() { Reset(); }

    // The unit cube (-1, -1, -1) to (1, 1, 1) of an object's local frame.
    void Reset() {
        LowerCloseCorner.Set(-1.0f, -1.0f, -1.0f, 1.0f);
        UpperFarCorner.Set(1.0f, 1.0f, 1.0f, 1.0f);
    }

    void TransformBy(const Matrix& m) {
        LowerCloseCorner = m * LowerCloseCorner;
        UpperFarCorner = m * UpperFarCorner;
    }

    float GetWidth() const { return UpperFarCorner.GetX() - LowerCloseCorner.GetX(); }
    float GetDepth() const { return UpperFarCorner.GetY() - LowerCloseCorner.GetY(); }
    float GetHeight() const { return UpperFarCorner.GetZ() - LowerCloseCorner.GetZ(); }
    float GetRadius() const { return (GetWidth() + GetDepth() + GetHeight()) / 6.0f; }

    Point GetCenter() const {
        return Point((LowerCloseCorner.GetX() + UpperFarCorner.GetX()) / 2.0f,
                     (LowerCloseCorner.GetY() + UpperFarCorner.GetY()) / 2.0f,
                     (LowerCloseCorner.GetZ() + UpperFarCorner.GetZ()) / 2.0f);
    }

    bool Contains(const Point& p) const {
        const Point c = GetCenter();
        const float r = GetRadius();
        const float dx = c.GetX() - p.GetX();
        const float dy = c.GetY() - p.GetY();
        const float dz = c.GetZ() - p.GetZ();
        return dx * dx + dy * dy + dz * dz < r * r;
    }

    bool Intersects(const BoundingBox& b) const {
        const Point c1 = GetCenter();
        const Point c2 = b.GetCenter();
        const float reach = GetRadius() + b.GetRadius();
        const float dx = c1.GetX() - c2.GetX();
        const float dy = c1.GetY() - c2.GetY();
        const float dz = c1.GetZ() - c2.GetZ();
        return dx * dx + dy * dy + dz * dz < reach * reach;
    }

    // The six faces as filled quads, in the current colour and modelview.
    void Draw() const;
    // Debug output of the corners and extents on standard output.
    void Print() const;

    Point LowerCloseCorner;
    Point UpperFarCorner;
};
