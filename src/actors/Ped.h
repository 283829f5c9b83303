#pragma once

#include "actors/Actor.h"

class TextureSet;

// Ped: placeholder declaration, completed with the actors.
class Ped : public Actor {
public:
    Ped();
    void DrawGeometry() override;
    void OnHit();
    void SetTextures(const TextureSet& textures);
    int GetHitCount() const { return hitCount; }
    float GetPoints() const { return points; }

private:
    int hitCount = 0;
    float points = 0.0f;
};
