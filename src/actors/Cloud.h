#pragma once

#include "actors/Actor.h"

// Cloud: placeholder declaration, completed with the actors.
class Cloud : public Actor {
public:
    Cloud();
    void DrawGeometry() override;
};
