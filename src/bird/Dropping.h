#pragma once

#include "city/SceneObject.h"
#include "geometry/Point.h"
#include "geometry/Vector.h"

// Dropping: one poop the bird has let go, a brown upright ellipsoid (60 units
// wide, 100 high) that falls straight down from where the bird was, faster
// every tick, until the bird removes it below the ground or on a hit.
class Dropping : public SceneObject {
public:
    static constexpr float width = 30.0f; // half-extents of the ellipsoid
    static constexpr float height = 50.0f;
    static constexpr int sphereSlices = 20;
    static constexpr int sphereStacks = 20;

    Dropping();

    // Places the dropping at start and aims it at the ground below it.
    void Launch(const Point& start);
    // One tick of the fall: 2, 4, 6, ... units down in successive ticks.
    void Fall();

    void DrawGeometry() override;

    const Point& GetTarget() const { return target; }
    const Vector& GetVelocity() const { return velocity; }

private:
    Point target;
    Vector velocity{0.0f, 0.0f, 0.0f};
    Vector direction{0.0f, 0.0f, -1.0f};
    Vector gravity{0.0f, 0.0f, -1.0f};
};
