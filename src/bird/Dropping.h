#pragma once

#include "city/SceneObject.h"

// Dropping: placeholder declaration, completed with the bird.
class Dropping : public SceneObject {
public:
    void DrawGeometry() override;
};
