#include "actors/Ped.h"

#include "city/TextureSet.h"
#include "legacygl/Gl.h"

#include <cstdlib>

namespace {

constexpr float pedScale = 5.0f;
constexpr int speedChoices = 3;
constexpr int slowestSpeed = 2;
constexpr int calmSwingStep = 10;
constexpr int panicSwingStep = 20;
// The limbs swing back once the angle reaches a multiple of this.
constexpr int swingTurnAround = 30;
// A panicking ped turns at random every this many frames.
constexpr int panicTurnFrames = 30;
// The limb cube stretched into arms and legs.
constexpr float armThickness = 0.3f;
constexpr float legThickness = 0.5f;
constexpr float limbLength = 2.0f;

} // namespace

Ped::Ped() : Target(firstHitPoints) {
    walkMask = walkOn;
    speed = static_cast<float>(std::rand() % speedChoices + slowestSpeed);
    Scale(pedScale, pedScale, pedScale);
}

void Ped::SetTextures(const TextureSet& textures) {
    textureHeadFace = textures.Get(TextureSet::PedHeadFace);
    textureHeadSide = textures.Get(TextureSet::PedHeadSide);
    textureHeadSide2 = textures.Get(TextureSet::PedHeadSide2);
    textureHeadTop = textures.Get(TextureSet::PedHeadTop);
    textureHeadBack = textures.Get(TextureSet::PedHeadBack);
    textureFront = textures.Get(TextureSet::PedFront);
    textureBack = textures.Get(TextureSet::PedBack);
    textureLimb = textures.Get(TextureSet::PedBack);
}

bool Ped::animateWhenDrawn = true;

float Ped::AnimateFrame() {
    if (!animateWhenDrawn) {
        return static_cast<float>(swing);
    }
    if (hitCount != 0) {
        swing += panicSwingStep;
        speed = panicSpeed;
    } else {
        swing += calmSwingStep;
    }
    if (frameCounter % panicTurnFrames == 0 && hitCount != 0) {
        Turn();
    }
    ++frameCounter;
    if (swing % swingTurnAround == 0) {
        swing = -swing;
    }
    return static_cast<float>(swing);
}

Ped::Body Ped::BodyAt(const float angle) const {
    // Arms and legs on one side swing against each other, and the two sides
    // against each other; the head turns to and fro with the same angle.
    const uint32_t limb = textureLimb;
    const TexturedBox::Textures limbCube = {limb, limb, limb, limb, limb, limb, true};
    return {{
        {Placement().RotateZ(angle + 180.0f),
         1.0f,
         {textureHeadSide, textureHeadSide, textureHeadFace, textureHeadTop, textureHeadBack, 0,
          false}},
        {Placement()
             .Translate(0.75f, 0.0f, -5.0f)
             .RotateX(angle)
             .Translate(0.0f, 0.0f, -3.0f)
             .Scale(legThickness, legThickness, limbLength),
         1.0f, limbCube},
        {Placement()
             .Translate(1.3f, 0.0f, -1.5f)
             .RotateX(-angle)
             .Translate(0.0f, 0.0f, -2.0f)
             .Scale(armThickness, armThickness, limbLength),
         1.0f, limbCube},
        {Placement().RotateZ(180.0f).Scale(2.0f, 2.0f, 5.0f).Translate(0.0f, 0.0f, -0.75f),
         0.5f,
         {limb, limb, textureFront, textureBack, limb, 0, false}},
        {Placement()
             .Translate(-1.3f, 0.0f, -1.5f)
             .RotateX(angle)
             .Translate(0.0f, 0.0f, -2.0f)
             .Scale(armThickness, armThickness, limbLength),
         1.0f, limbCube},
        {Placement()
             .Translate(-0.75f, 0.0f, -5.0f)
             .RotateX(-angle)
             .Translate(0.0f, 0.0f, -3.0f)
             .Scale(legThickness, legThickness, limbLength),
         1.0f, limbCube},
    }};
}

void Ped::DrawGeometry() {
    const float angle = AnimateFrame();
    gl::PushMatrix();
    gl::Rotatef(static_cast<float>(facing + 90), 0.0f, 0.0f, 1.0f);
    gl::Translatef(0.0f, 0.0f, bodyHeight);
    for (const BodyBox& box : BodyAt(angle)) {
        gl::PushMatrix();
        box.placement.Apply();
        TexturedBox::Draw(box.half, box.textures);
        gl::PopMatrix();
    }
    gl::PopMatrix();
}
