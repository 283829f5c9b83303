#include "render/BatchedRenderer.h"

#include "base/DrawText.h"
#include "base/TimeStats.h"
#include "city/TextureSet.h"
#include "legacygl/Gl.h"
#include "world/World.h"

namespace {

// The sky box with last frame's projection, as the classic frame draws it
// before the camera is set, seen from the eye that is always above the
// ground: the walls below it are hidden by the city's floor, and a clip plane
// there spares their pixels. The box is so large that its texture shows
// magnified nearly everywhere, and where the ceiling is seen edge-on its
// smaller levels hardly differ: without a level chosen per pixel the sky
// costs a fifth less. The texture's own filter is put back after.
void DrawSky(World& world, const GLfloat (&projection)[16]) {
    gl::MatrixMode(GL_PROJECTION);
    gl::PushMatrix();
    gl::LoadMatrixf(projection);
    gl::MatrixMode(GL_MODELVIEW);
    // Clip planes are given in eye space, which is world space here: the
    // camera lives in the projection matrix.
    gl::PushMatrix();
    gl::LoadIdentity();
    constexpr GLdouble aboveGround[4] = {0.0, 0.0, 1.0, 0.0};
    gl::ClipPlane(GL_CLIP_PLANE0, aboveGround);
    gl::PopMatrix();
    gl::Enable(GL_CLIP_PLANE0);
    const GLuint sky = world.GetCityTextures().Get(TextureSet::SkyTop);
    gl::BindTexture(GL_TEXTURE_2D, sky);
    GLint minFilter = GL_LINEAR;
    gl::GetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    world.DrawAtmosphere();
    gl::BindTexture(GL_TEXTURE_2D, sky);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    gl::Disable(GL_CLIP_PLANE0);
    gl::MatrixMode(GL_PROJECTION);
    gl::PopMatrix();
    gl::MatrixMode(GL_MODELVIEW);
}

} // namespace

void BatchedRenderer::SceneryCompiled(World& world) {
    city.Build(world.GetMapObjects());
}

void BatchedRenderer::DrawWorld(World& world) {
    // The classic frame's steps with the sky moved after the opaque scene
    // and before the translucent clouds: the box encloses everything, and
    // depth decides what shows whatever the order.
    GLfloat skyProjection[16];
    gl::GetFloatv(GL_PROJECTION_MATRIX, skyProjection);
    world.SetSceneState();
    timeStats.Timed(TimeStats::Camera, [&] { world.SetupCamera(); });
    timeStats.Timed(TimeStats::MapObjects, [&] { DrawCity(world); });
    timeStats.Timed(TimeStats::Peds, [&] { crowd.DrawPeds(world.GetPeds()); });
    timeStats.Timed(TimeStats::Cars, [&] { crowd.DrawCars(world.GetCars()); });
    timeStats.Timed(TimeStats::Fries, [&] { world.DrawFries(); });
    timeStats.Timed(TimeStats::Atmosphere, [&] { DrawSky(world, skyProjection); });
    timeStats.Timed(TimeStats::Clouds, [&] { clouds.Draw(world.GetClouds()); });
    timeStats.Timed(TimeStats::BirdGeometry, [&] { world.GetBird().Draw(); });
    timeStats.Timed(TimeStats::Osd, [&] { world.DrawOSD(Gauge::BarStyle::OneDraw); });
}

void BatchedRenderer::DrawSecondView(World& world) {
    world.DrawAtmosphere();
    world.GetBird().ApplySecondView();
    DrawCity(world);
    crowd.DrawPeds(world.GetPeds());
    crowd.DrawCars(world.GetCars());
}

void BatchedRenderer::PrepareText(const float x, const float y, const char* text,
                                  const int viewWidth, const int viewHeight) {
    intro.Prepare(x, y, text, viewWidth, viewHeight);
}

void BatchedRenderer::DrawText(const float x, const float y, const char* text) {
    if (!intro.Draw()) {
        ::DrawText(x, y, text);
    }
}

void BatchedRenderer::DrawCity(World& world) const {
    // A window without lists of its own (none could be made) draws the
    // objects one by one.
    const Point eye = world.GetBird().GetEye();
    if (!city.Draw(eye.GetX(), eye.GetY())) {
        world.DrawMapObjs();
    }
}
