#pragma once

#include "city/SceneObject.h"

// BodyCube: a unit cube that follows the bird 2 units below its eye. It lies
// inside the near clip distance of the bird's own view, so it only shows in
// the second view, where it marks the bird.
class BodyCube : public SceneObject {
public:
    static constexpr float belowEye = 2.0f;

    // Starts as a 60 x 20 x 5 slab 30 units below the origin; the bird's
    // first tick replaces that placement.
    BodyCube();

    void DrawGeometry() override;
};
