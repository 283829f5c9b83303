#pragma once

#include "actors/Actor.h"

class TextureSet;

// Car: placeholder declaration, completed with the actors.
class Car : public Actor {
public:
    Car();
    void DrawGeometry() override;
    void OnHit();
    void SetTextures(const TextureSet& textures);
    int GetHitCount() const { return hitCount; }
    float GetPoints() const { return points; }

private:
    int hitCount = 0;
    float points = 0.0f;
};
