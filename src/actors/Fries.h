#pragma once

#include "actors/Actor.h"

// Fries: placeholder declaration, completed with the actors.
class Fries : public Actor {
public:
    Fries();
    void DrawGeometry() override;
    void SetKind(int k);
    void SetValue(float v);
    int GetKind() const { return kind; }
    float GetValue() const { return value; }

private:
    int kind = 0;
    float value = 0.0f;
};
