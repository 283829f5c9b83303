#include "actors/Ped.h"

#include "city/TextureSet.h"
#include "shell/Settings.h"

#include <GL/gl.h>

#include <algorithm>
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

// The faces of a textured box from -h to h on each axis; returns how many
// (no bottom unless asked for). Side faces stand upright (the picture's top
// at +z); the top face has the picture's top towards +y.
int BoxFaces(const float h, const BoxTextures& t, BoxFace (&faces)[6]) {
    faces[0] = {t.posY, {0, 1, 0}, {{h, h, h}, {-h, h, h}, {-h, h, -h}, {h, h, -h}}};
    faces[1] = {t.negY, {0, -1, 0}, {{-h, -h, h}, {h, -h, h}, {h, -h, -h}, {-h, -h, -h}}};
    faces[2] = {t.posX, {1, 0, 0}, {{h, -h, h}, {h, h, h}, {h, h, -h}, {h, -h, -h}}};
    faces[3] = {t.negX, {-1, 0, 0}, {{-h, h, h}, {-h, -h, h}, {-h, -h, -h}, {-h, h, -h}}};
    faces[4] = {t.posZ, {0, 0, 1}, {{-h, h, h}, {h, h, h}, {h, -h, h}, {-h, -h, h}}};
    faces[5] = {t.negZ, {0, 0, -1}, {{h, h, -h}, {-h, h, -h}, {-h, -h, -h}, {h, -h, -h}}};
    return t.withBottom ? 6 : 5;
}

void DrawBox(const float h, const BoxTextures& t) {
    BoxFace faces[6];
    const int count = BoxFaces(h, t, faces);
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

void Ped::Animate() {
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
}

float Ped::SwingAngle() {
    if (swing % swingTurnAround == 0) {
        swing = -swing;
    }
    return static_cast<float>(swing);
}

void Ped::DrawGeometry() {
    Animate();
    glPushMatrix();
    glRotatef(static_cast<float>(facing + 90), 0.0f, 0.0f, 1.0f);
    DrawBody(0.0f, 0.0f, bodyHeight);
    glPopMatrix();
}

void Ped::DrawBody(const float x, const float y, const float z) {
    const float angle = SwingAngle();
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

void Ped::DrawAll(const std::vector<std::unique_ptr<Ped>>& peds) {
    // Each ped animates as DrawGeometry does; its six boxes are then placed
    // on the CPU through the same transforms, normals through the inverse of
    // each box's scale (what GL_NORMALIZE makes of them), and the faces of
    // every ped that share a texture go in one draw.
    const auto translation = [](const float x, const float y, const float z) {
        Matrix m;
        m.SetTranslation(x, y, z);
        return m;
    };
    const auto scaling = [](const float x, const float y, const float z) {
        Matrix m;
        m.SetScale(x, y, z);
        return m;
    };
    const auto turnX = [](const float degrees) {
        Matrix m;
        m.SetRotationX(degrees);
        return m;
    };
    const auto turnZ = [](const float degrees) {
        Matrix m;
        m.SetRotationZ(degrees);
        return m;
    };
    struct Quad {
        uint32_t texture;
        const float* colour;
        float normal[3];
        Point corners[4];
    };
    static std::vector<Quad> quads;
    quads.clear();
    for (const std::unique_ptr<Ped>& ped : peds) {
        ped->Animate();
        const float angle = ped->SwingAngle();
        const Matrix body = ped->GetModelMatrix() * turnZ(static_cast<float>(ped->facing + 90)) *
                            translation(0.0f, 0.0f, bodyHeight);
        const uint32_t limb = ped->textureLimb;
        const BoxTextures limbs = {limb, limb, limb, limb, limb, limb, true};
        struct Part {
            Matrix matrix;
            float half;
            BoxTextures textures;
            float scale[3];
        };
        const Part parts[] = {
            {body * turnZ(angle + 180.0f),
             1.0f,
             {ped->textureHeadSide, ped->textureHeadSide, ped->textureHeadFace, ped->textureHeadTop,
              ped->textureHeadBack, 0, false},
             {1.0f, 1.0f, 1.0f}},
            {body * translation(0.75f, 0.0f, -5.0f) * turnX(angle) *
                 translation(0.0f, 0.0f, -3.0f) * scaling(0.5f, 0.5f, 2.0f),
             1.0f,
             limbs,
             {0.5f, 0.5f, 2.0f}},
            {body * translation(1.3f, 0.0f, -1.5f) * turnX(-angle) *
                 translation(0.0f, 0.0f, -2.0f) * scaling(0.3f, 0.3f, 2.0f),
             1.0f,
             limbs,
             {0.3f, 0.3f, 2.0f}},
            {body * turnZ(180.0f) * scaling(2.0f, 2.0f, 5.0f) * translation(0.0f, 0.0f, -0.75f),
             0.5f,
             {limb, limb, ped->textureFront, ped->textureBack, limb, 0, false},
             {2.0f, 2.0f, 5.0f}},
            {body * translation(-1.3f, 0.0f, -1.5f) * turnX(angle) *
                 translation(0.0f, 0.0f, -2.0f) * scaling(0.3f, 0.3f, 2.0f),
             1.0f,
             limbs,
             {0.3f, 0.3f, 2.0f}},
            {body * translation(-0.75f, 0.0f, -5.0f) * turnX(-angle) *
                 translation(0.0f, 0.0f, -3.0f) * scaling(0.5f, 0.5f, 2.0f),
             1.0f,
             limbs,
             {0.5f, 0.5f, 2.0f}},
        };
        for (const Part& part : parts) {
            BoxFace faces[6];
            const int count = BoxFaces(part.half, part.textures, faces);
            for (int f = 0; f < count; ++f) {
                const BoxFace& face = faces[f];
                Quad quad{face.texture, ped->GetColour(), {}, {}};
                // A direction (w = 0): the translations leave it alone.
                Vector direction;
                direction.Set(face.normal[0] / (part.scale[0] * part.scale[0]),
                              face.normal[1] / (part.scale[1] * part.scale[1]),
                              face.normal[2] / (part.scale[2] * part.scale[2]), 0.0f);
                const Vector normal = part.matrix * direction;
                const float length = normal.Length();
                quad.normal[0] = normal.GetX() / length;
                quad.normal[1] = normal.GetY() / length;
                quad.normal[2] = normal.GetZ() / length;
                for (int i = 0; i < 4; ++i) {
                    quad.corners[i] = part.matrix * Point(face.corners[i][0], face.corners[i][1],
                                                          face.corners[i][2]);
                }
                quads.push_back(quad);
            }
        }
    }
    std::stable_sort(quads.begin(), quads.end(),
                     [](const Quad& a, const Quad& b) { return a.texture < b.texture; });
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    for (size_t first = 0; first < quads.size();) {
        const uint32_t texture = quads[first].texture;
        glBindTexture(GL_TEXTURE_2D, texture);
        glBegin(GL_QUADS);
        size_t next = first;
        for (; next < quads.size() && quads[next].texture == texture; ++next) {
            const Quad& quad = quads[next];
            glColor3fv(quad.colour);
            glNormal3fv(quad.normal);
            // The whole picture as stored: t = 0 at its top, s = 0 at its left.
            constexpr int order[4] = {0, 3, 2, 1};
            constexpr float st[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
            for (int i = 0; i < 4; ++i) {
                const Point& corner = quad.corners[order[i]];
                glTexCoord2fv(st[i]);
                glVertex3f(corner.GetX(), corner.GetY(), corner.GetZ());
            }
        }
        glEnd();
        first = next;
    }
    glDisable(GL_TEXTURE_2D);
    glColor3f(neutralGrey, neutralGrey, neutralGrey);
    glPopMatrix();
}
