// The World's scenery: loading the city textures, compiling and drawing the
// map objects, and the sky box around the city.

#include "world/World.h"

#include "shell/Settings.h"

#include <GL/gl.h>

#include <algorithm>
#include <iterator>

namespace {

constexpr float skyHalfHeight = 2000.0f; // the box reaches from z = -1000 to 3000
constexpr float skyTint[3] = {0.7f, 0.7f, 1.0f};
// The ground, z = 0, in the box's own -1..1 units.
constexpr float groundInBox = -0.5f;

// One face of the sky box in the unit cube -1..1: corners with (s, t).
struct SkyFace {
    float corners[4][5]; // x, y, z, s, t
};

constexpr SkyFace skyFaces[] = {
    {{{-1, -1, 1, 0, 0}, {1, -1, 1, 1, 0}, {1, 1, 1, 1, 1}, {-1, 1, 1, 0, 1}}},     // ceiling
    {{{-1, 1, -1, 0, 1}, {-1, 1, 1, 0, 0}, {1, 1, 1, 1, 0}, {1, 1, -1, 1, 1}}},     // y = 1
    {{{-1, -1, -1, 1, 1}, {1, -1, -1, 0, 1}, {1, -1, 1, 0, 0}, {-1, -1, 1, 1, 0}}}, // y = -1
    {{{1, -1, -1, 1, 0}, {1, 1, -1, 1, 1}, {1, 1, 1, 0, 1}, {1, -1, 1, 0, 0}}},     // x = 1
    {{{-1, -1, -1, 0, 0}, {-1, -1, 1, 1, 0}, {-1, 1, 1, 1, 1}, {-1, 1, -1, 0, 1}}}, // x = -1
};

} // namespace

void World::LoadTextures() {
    TextureSet& set = citySets[textureSlot];
    set.LoadCityTextures();
    set.LoadSkyTextures();
}

void World::CompileMapObjects() {
    for (const std::unique_ptr<MapObject>& object : mapObjects) {
        object->SetupDisplaylist();
    }
    cityBatch.Build(mapObjects);
}

void World::DrawAtmosphere(const bool batched) {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glScalef(WidthInUnits() / 2.0f, DepthInUnits() / 2.0f, skyHalfHeight);
    glColor3fv(skyTint);
    glTranslatef(1.0f, 1.0f, 0.5f);
    if (settings.lighting != 0) {
        glDisable(GL_LIGHTING);
    }
    // The sky stays textured whatever the textures setting, and shows its
    // faces from inside.
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE);
    const GLuint sky = citySets[textureSlot].Get(TextureSet::SkyTop);
    // The walls below the ground are hidden by the city's floor (the eye is
    // always above it): cut there, they cost no pixels. The texture
    // coordinates are cut along, so what shows is the same.
    const float lowest = batched ? groundInBox : -1.0f;
    GLint minFilter = GL_LINEAR;
    if (batched) {
        // So large a box shows its texture magnified nearly everywhere, and
        // where the ceiling is seen edge-on its smaller levels hardly differ:
        // without a level chosen per pixel the sky costs a fifth less.
        glBindTexture(GL_TEXTURE_2D, sky);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    }
    for (const SkyFace& face : skyFaces) {
        glBindTexture(GL_TEXTURE_2D, sky);
        glBegin(GL_QUADS);
        for (const auto& corner : face.corners) {
            float z = corner[2];
            float s = corner[3];
            float t = corner[4];
            if (z < lowest) {
                // A wall's corners come in pairs, one above the other.
                const auto& top = *std::find_if(
                    std::begin(face.corners), std::end(face.corners), [&corner](const auto& other) {
                        return other[0] == corner[0] && other[1] == corner[1] &&
                               other[2] > corner[2];
                    });
                const float share = (lowest - z) / (top[2] - z);
                s += share * (top[3] - s);
                t += share * (top[4] - t);
                z = lowest;
            }
            glTexCoord2f(s, t);
            glVertex3f(corner[0], corner[1], z);
        }
        glEnd();
    }
    if (batched) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    }
    SetSceneState();
    glPopMatrix();
}

void World::SetSceneState() {
    glDisable(GL_TEXTURE_2D);
    glPolygonMode(GL_FRONT, GL_FILL);
    glEnable(GL_DEPTH_TEST);
    if (settings.lighting != 0) {
        glEnable(GL_LIGHTING);
    }
    glEnable(GL_CULL_FACE);
}

void World::DrawMapObjs() {
    // The batch draws the same faces as the objects' own lists with a
    // fraction of the calls; --classic-renderer draws object by object.
    const Point eye = bird.GetEye();
    if (settings.classicRenderer == 0 && cityBatch.Draw(eye.GetX(), eye.GetY())) {
        return;
    }
    for (const std::unique_ptr<MapObject>& object : mapObjects) {
        object->Draw();
    }
}
