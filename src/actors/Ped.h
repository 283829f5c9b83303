#pragma once

#include "actors/Actor.h"

#include <cstdint>
#include <memory>
#include <vector>

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
    // Draws every ped of the list as Draw would (animating each as it goes),
    // but the faces of all peds that share a texture in one draw, placed on
    // the CPU: a few draws for the whole crowd instead of a dozen per ped.
    static void DrawAll(const std::vector<std::unique_ptr<Ped>>& peds);
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
    // What drawing a frame does to the ped: the limbs swing on, a panicking
    // ped runs and turns now and then, the frame is counted.
    void Animate();
    // The limb angle of this frame; the swing turns back at its ends.
    float SwingAngle();

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
