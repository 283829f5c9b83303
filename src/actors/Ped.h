#pragma once

#include "actors/Target.h"
#include "actors/TexturedBox.h"
#include "geometry/Placement.h"

#include <array>
#include <cstdint>

class TextureSet;

// Ped: a pedestrian, a small blocky figure with a textured head and torso and
// swinging arms and legs, walking the sidewalks. Poop turns it green and makes
// it panic for good: it runs faster, swings its limbs harder and keeps turning.
// The panic is played out while drawing, once per frame.
class Ped : public Target {
public:
    static constexpr float firstHitPoints = 10.0f;
    static constexpr float panicSpeed = 10.0f;
    static constexpr int walkOn = 5; // the sidewalk bit, and bit 4 that no cell carries
    // The body's frame stands this high above the ped's origin, in model units.
    static constexpr float bodyHeight = 10.0f;

    // One of the six boxes of the body: where it goes in the body's frame
    // (its scale included), its half edge and its textures.
    struct BodyBox {
        Placement placement;
        float half;
        TexturedBox::Textures textures;
    };
    using Body = std::array<BodyBox, 6>;

    // Draws the speed (2 to 4) with one rand() call.
    Ped();
    void DrawGeometry() override;
    // What drawing a frame does to the ped: the limbs swing on, a panicking
    // ped runs and turns now and then, the frame is counted. Returns the limb
    // angle of this frame (the swing turns back at its ends).
    float AnimateFrame();
    // Drawing animates, except while a replay draws frames of its own: then
    // a ped is drawn as it stands and nothing changes, and the replay
    // animates every ped as often as the recorded game drew it.
    static bool animateWhenDrawn;
    // The six boxes at this limb angle, in the order they are drawn: the
    // head, the leg and the arm on the +x side, the torso, the arm and the
    // leg on the -x side.
    Body BodyAt(float angle) const;
    // Takes the pedestrian textures of the set, each into the field of its role.
    void SetTextures(const TextureSet& textures);

    int GetFrameCounter() const { return frameCounter; }
    int GetSwing() const { return swing; }

private:
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
