// The World's scenery: loading the city textures, compiling and drawing the
// map objects, and the sky box around the city.

#include "world/World.h"

#include "base/Settings.h"
#include "legacygl/Gl.h"

namespace {

constexpr float skyHalfHeight = 2000.0f; // the box reaches from z = -1000 to 3000
constexpr float skyTint[3] = {0.7f, 0.7f, 1.0f};

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
}

void World::DrawAtmosphere() {
    gl::MatrixMode(GL_MODELVIEW);
    gl::PushMatrix();
    gl::Scalef(WidthInUnits() / 2.0f, DepthInUnits() / 2.0f, skyHalfHeight);
    gl::Color3fv(skyTint);
    gl::Translatef(1.0f, 1.0f, 0.5f);
    if (settings.lighting != 0) {
        gl::Disable(GL_LIGHTING);
    }
    // The sky stays textured whatever the textures setting, and shows its
    // faces from inside.
    gl::Enable(GL_TEXTURE_2D);
    gl::Disable(GL_CULL_FACE);
    const GLuint sky = citySets[textureSlot].Get(TextureSet::SkyTop);
    for (const SkyFace& face : skyFaces) {
        gl::BindTexture(GL_TEXTURE_2D, sky);
        gl::Begin(GL_QUADS);
        for (const auto& corner : face.corners) {
            gl::TexCoord2f(corner[3], corner[4]);
            gl::Vertex3f(corner[0], corner[1], corner[2]);
        }
        gl::End();
    }
    SetSceneState();
    gl::PopMatrix();
}

void World::SetSceneState() {
    gl::Disable(GL_TEXTURE_2D);
    gl::PolygonMode(GL_FRONT, GL_FILL);
    gl::Enable(GL_DEPTH_TEST);
    if (settings.lighting != 0) {
        gl::Enable(GL_LIGHTING);
    }
    gl::Enable(GL_CULL_FACE);
}

void World::DrawMapObjs() {
    for (const std::unique_ptr<MapObject>& object : mapObjects) {
        object->Draw();
    }
}
