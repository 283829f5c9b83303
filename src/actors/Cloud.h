#pragma once

#include "actors/Actor.h"

class SphereMesh;

// Cloud: a large, half-transparent white ellipsoid high above the city. It has
// a speed but no direction, so it stays where it was placed; it takes no part
// in collisions.
class Cloud : public Actor {
public:
    static constexpr float driftSpeed = 10.0f;
    // White at this alpha, blended over what lies behind.
    static constexpr float translucency = 0.5f;

    // Draws the radii along x, y and z with three rand() calls, in that order.
    Cloud();
    void DrawGeometry() override;

    float GetRadiusX() const { return radiusX; }
    float GetRadiusY() const { return radiusY; }
    float GetRadiusZ() const { return radiusZ; }
    // The cloud's shape before its radii stretch it: a coarse sphere of few
    // facets, on purpose, for the clouds' faceted look.
    static const SphereMesh& Shape();

private:
    float radiusX = 0.0f;
    float radiusY = 0.0f;
    float radiusZ = 0.0f;
};
