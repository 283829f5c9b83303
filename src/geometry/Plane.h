#pragma once

#include "geometry/Point.h"
#include "geometry/Vector.h"

// Plane: the points (x, y, z) with A x + B y + C z + D = 0.
class Plane {
public:
    float GetA() const { return a; }
    float GetB() const { return b; }
    float GetC() const { return c; }
    float GetD() const { return d; }
    void SetA(const float v) { a = v; }
    void SetB(const float v) { b = v; }
    void SetC(const float v) { c = v; }
    void SetD(const float v) { d = v; }

    // The plane through p with normal n (normalised here).
    void SetFromNormalAndPoint(const Vector& n, const Point& p);
    void Print() const;

private:
    float a = 1.0f;
    float b = 1.0f;
    float c = 1.0f;
    float d = 1.0f;
};
