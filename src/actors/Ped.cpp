#include "actors/Ped.h"

#include "city/TextureSet.h"
#include "shell/Settings.h"

#include <GL/gl.h>

#include <cstdlib>

namespace {

constexpr float pedScale = 5.0f;
constexpr int speedChoices = 3;
constexpr int slowestSpeed = 2;
constexpr float hitGreen = 0.7f;
constexpr int calmSwingStep = 10;
constexpr int panicSwingStep = 20;
// The limbs swing back once the angle reaches a multiple of this.
constexpr int swingTurnAround = 30;
// A panicking ped turns at random every this many frames.
constexpr int panicTurnFrames = 30;
constexpr float bodyHeight = 10.0f;

// Textures of a box's faces; a face without texture slot is not drawn.
struct BoxTextures {
    uint32_t posX;
    uint32_t negX;
    uint32_t posY;
    uint32_t negY;
    uint32_t posZ;
    uint32_t negZ;
    bool withBottom;
};

// One face of a box: its texture, outward normal and corners top-left,
// top-right, bottom-right, bottom-left as seen from outside.
struct BoxFace {
    uint32_t texture;
    float normal[3];
    float corners[4][3];
};

// A face's quad mapping the whole texture the way it is stored: t = 0 at the
// top of the picture, s = 0 at its left as seen from outside, sent
// counter-clockwise. Inside glBegin and glEnd.
void EmitFace(const BoxFace& face) {
    glNormal3fv(face.normal);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3fv(face.corners[0]);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3fv(face.corners[3]);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3fv(face.corners[2]);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3fv(face.corners[1]);
}

// A textured box from -h to h on each axis. Side faces stand upright (the
// picture's top at +z); the top face has the picture's top towards +y.
void DrawBox(const float h, const BoxTextures& t) {
    const BoxFace faces[] = {
        {t.posY, {0, 1, 0}, {{h, h, h}, {-h, h, h}, {-h, h, -h}, {h, h, -h}}},
        {t.negY, {0, -1, 0}, {{-h, -h, h}, {h, -h, h}, {h, -h, -h}, {-h, -h, -h}}},
        {t.posX, {1, 0, 0}, {{h, -h, h}, {h, h, h}, {h, h, -h}, {h, -h, -h}}},
        {t.negX, {-1, 0, 0}, {{-h, h, h}, {-h, -h, h}, {-h, -h, -h}, {-h, h, -h}}},
        {t.posZ, {0, 0, 1}, {{-h, h, h}, {h, h, h}, {h, -h, h}, {-h, -h, h}}},
        {t.negZ, {0, 0, -1}, {{h, h, -h}, {-h, h, -h}, {-h, -h, -h}, {h, -h, -h}}},
    };
    const int count = t.withBottom ? 6 : 5;
    glEnable(GL_TEXTURE_2D);
    if (settings.classicRenderer != 0) {
        for (int i = 0; i < count; ++i) {
            glBindTexture(GL_TEXTURE_2D, faces[i].texture);
            glBegin(GL_QUADS);
            EmitFace(faces[i]);
            glEnd();
        }
    } else {
        // A box's faces do not overlap: one bind and one draw per texture.
        bool drawn[6] = {};
        for (int i = 0; i < count; ++i) {
            if (drawn[i]) {
                continue;
            }
            glBindTexture(GL_TEXTURE_2D, faces[i].texture);
            glBegin(GL_QUADS);
            for (int j = i; j < count; ++j) {
                if (!drawn[j] && faces[j].texture == faces[i].texture) {
                    EmitFace(faces[j]);
                    drawn[j] = true;
                }
            }
            glEnd();
        }
    }
    glDisable(GL_TEXTURE_2D);
}

void DrawLimb(const float thickness, const uint32_t texture) {
    glScalef(thickness, thickness, 2.0f);
    DrawBox(1.0f, {texture, texture, texture, texture, texture, texture, true});
}

} // namespace

Ped::Ped() {
    walkMask = walkOn;
    speed = static_cast<float>(std::rand() % speedChoices + slowestSpeed);
    Scale(pedScale, pedScale, pedScale);
}

void Ped::OnHit() {
    SetColour(0.0f, hitGreen, 0.0f);
    ++hitCount;
    points /= static_cast<float>(hitCount);
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

void Ped::DrawGeometry() {
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

    glPushMatrix();
    glRotatef(static_cast<float>(facing + 90), 0.0f, 0.0f, 1.0f);
    DrawBody(0.0f, 0.0f, bodyHeight);
    glPopMatrix();
}

void Ped::DrawBody(const float x, const float y, const float z) {
    if (swing % swingTurnAround == 0) {
        swing = -swing;
    }
    const float angle = static_cast<float>(swing);
    glTranslatef(x, y, z);

    glPushMatrix();
    glRotatef(angle + 180.0f, 0.0f, 0.0f, 1.0f);
    DrawBox(1.0f, {textureHeadSide, textureHeadSide, textureHeadFace, textureHeadTop,
                   textureHeadBack, 0, false});
    glPopMatrix();

    glPushMatrix();
    glTranslatef(0.75f, 0.0f, -5.0f);
    glRotatef(angle, 1.0f, 0.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, -3.0f);
    DrawLimb(0.5f, textureLimb);
    glPopMatrix();

    glPushMatrix();
    glTranslatef(1.3f, 0.0f, -1.5f);
    glRotatef(-angle, 1.0f, 0.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, -2.0f);
    DrawLimb(0.3f, textureLimb);
    glPopMatrix();

    glPushMatrix();
    glRotatef(180.0f, 0.0f, 0.0f, 1.0f);
    glScalef(2.0f, 2.0f, 5.0f);
    glTranslatef(0.0f, 0.0f, -0.75f);
    DrawBox(0.5f, {textureLimb, textureLimb, textureFront, textureBack, textureLimb, 0, false});
    glPopMatrix();

    glPushMatrix();
    glTranslatef(-1.3f, 0.0f, -1.5f);
    glRotatef(angle, 1.0f, 0.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, -2.0f);
    DrawLimb(0.3f, textureLimb);
    glPopMatrix();

    glPushMatrix();
    glTranslatef(-0.75f, 0.0f, -5.0f);
    glRotatef(-angle, 1.0f, 0.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, -3.0f);
    DrawLimb(0.5f, textureLimb);
    glPopMatrix();
}
