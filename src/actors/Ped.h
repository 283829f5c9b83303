#pragma once

#include "actors/Actor.h"

#include <cstdint>

class TextureSet;

// Ped: a pedestrian, a small blocky figure with a textured head and torso and
// swinging arms and legs, walking the sidewalks. Poop turns it green and makes
// it panic for good: it runs faster, swings its limbs harder and keeps turning.
// The panic is played out while drawing, once per frame.
class Ped : public Actor {
public:
    static constexpr float firstHitPoints = 10.0f;
    static constexpr float panicSpeed = 10.0f;
    static constexpr int walkOn = 5; // the sidewalk bit, and bit 4 that no cell carries

    // Draws the speed (2 to 4) with one rand() call.
    Ped();
    void DrawGeometry() override;
    // Green, one more hit, and the points shrink for the next one.
    void OnHit();
    // Takes the pedestrian textures of the set, each into the field of its role.
    void SetTextures(const TextureSet& textures);

    int GetHitCount() const { return hitCount; }
    float GetPoints() const { return points; }
    int GetFrameCounter() const { return frameCounter; }
    int GetSwing() const { return swing; }

private:
    void DrawBody(float x, float y, float z);

    int hitCount = 0;
    float points = firstHitPoints;
    int frameCounter = 0;
    uint32_t textureHeadFace = 0;
    uint32_t textureHeadSide2 = 0; // carried, not drawn
    uint32_t textureHeadSide = 0;
    uint32_t textureHeadTop = 0;
    uint32_t textureHeadBack = 0;
    uint32_t textureFront = 0;
    uint32_t textureBack = 0;
    uint32_t textureLimb = 0;
    int swing = 0;
};
