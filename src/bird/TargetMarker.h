#pragma once

#include "city/SceneObject.h"

// TargetMarker: the aiming figure the bird keeps on the ground below it, a
// red cross of four arms around a red ring and a green ring with a wedge cut
// out. It lies flat at the bird's x and y, where a dropping let go now lands.
class TargetMarker : public SceneObject {
public:
    static constexpr float height = 10.0f; // above the ground, whatever the bird's height
    static constexpr float lineWidth = 2.0f;
    static constexpr float armGap = 25.0f;
    static constexpr float armEnd = 150.0f;
    static constexpr float innerRadius = 20.0f;
    static constexpr float outerRadius = 25.0f;

    // Draws lines only, with lighting off while it does so (when the lighting
    // setting has it on). Leaves the line width at 2.
    void DrawGeometry() override;
};
