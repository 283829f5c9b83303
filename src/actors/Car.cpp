#include "actors/Car.h"

#include "base/Settings.h"
#include "city/TextureSet.h"
#include "legacygl/Gl.h"

#include <cstdlib>

namespace {

constexpr int speedChoices = 10;
constexpr int slowestSpeed = 10;
constexpr int shadeChoices = 50;
constexpr double shadeStep = 100.0;
constexpr float lengthAlongX = 80.0f;
constexpr float modelScaleYZ = 60.0f;

// Model coordinates of the body: across x from L to R, front at y = 0, back
// at y = 1, heights from below the sill to the roof.
constexpr float L = -0.16666667f;
constexpr float R = 0.16666667f;
constexpr float yHood = 0.2777778f;
constexpr float yMid = 0.5f;
constexpr float yRear = 0.8333333f;
constexpr float yTrunk = 0.8888889f;
constexpr float zLow = -0.055555556f;
constexpr float zSill = 0.055555556f;
constexpr float zHood = 0.11111111f;
constexpr float zRoof = 0.22222222f;

constexpr Car::Face carFaces[] = {
    {Car::Front,
     0,
     0,
     1,
     4,
     {{L, 0, zLow, 1, 1}, {R, 0, zLow, 0, 1}, {R, 0, zSill, 0, 0}, {L, 0, zSill, 1, 0}}},
    {Car::Top,
     0,
     0,
     1,
     4,
     {{L, 0, zSill, 0, 1}, {R, 0, zSill, 1, 1}, {R, yHood, zHood, 1, 0}, {L, yHood, zHood, 0, 1}}},
    {Car::Wheel,
     1,
     0,
     0,
     4,
     {{R, yHood, zHood, 0, 0}, {R, 0, zSill, 1, 0}, {R, 0, zLow, 1, 1}, {R, yHood, zLow, 0, 1}}},
    {Car::Wheel,
     -1,
     0,
     0,
     4,
     {{L, 0, zSill, 1, 0}, {L, yHood, zHood, 0, 0}, {L, yHood, zLow, 0, 1}, {L, 0, zLow, 1, 1}}},
    {Car::Windshield,
     1,
     0,
     1,
     4,
     {{R, yMid, zRoof, 0, 0},
      {L, yMid, zRoof, 1, 0},
      {L, yHood, zHood, 1, 1},
      {R, yHood, zHood, 0, 1}}},
    {Car::DoorPlusX,
     1,
     0,
     0,
     4,
     {{R, yRear, zRoof, 1, 0},
      {R, yMid, zRoof, 0, 0},
      {R, yMid, zLow, 0, 1},
      {R, yRear, zLow, 1, 1}}},
    {Car::DoorMinusX,
     -1,
     0,
     0,
     4,
     {{L, yMid, zRoof, 0, 0},
      {L, yRear, zRoof, 1, 0},
      {L, yRear, zLow, 1, 1},
      {L, yMid, zLow, 0, 1}}},
    {Car::Top,
     0,
     0,
     1,
     4,
     {{L, yRear, zRoof, 1, 1},
      {L, yMid, zRoof, 0, 1},
      {R, yMid, zRoof, 0, 0},
      {R, yRear, zRoof, 1, 0}}},
    {Car::SideWindow,
     1,
     0,
     0,
     3,
     {{R, yHood, zHood, 1, 1}, {R, yMid, zHood, 0, 1}, {R, yMid, zRoof, 1, 0}, {}}},
    {Car::Top,
     -1,
     0,
     0,
     4,
     {{L, yHood, zHood, 0, 0},
      {L, yMid, zHood, 0, 1},
      {L, yMid, zLow, 1, 1},
      {L, yHood, zLow, 1, 0}}},
    {Car::SideWindow,
     -1,
     0,
     0,
     3,
     {{L, yMid, zRoof, 1, 0}, {L, yMid, zHood, 0, 1}, {L, yHood, zHood, 1, 1}, {}}},
    {Car::Top,
     1,
     0,
     0,
     4,
     {{R, yMid, zHood, 0, 1},
      {R, yHood, zHood, 0, 0},
      {R, yHood, zLow, 1, 0},
      {R, yMid, zLow, 1, 1}}},
    {Car::Windshield,
     1,
     1,
     0,
     4,
     {{L, yTrunk, zHood, 1, 1},
      {L, yRear, zRoof, 1, 0},
      {R, yRear, zRoof, 0, 0},
      {R, yTrunk, zHood, 0, 1}}},
    {Car::SideWindow,
     -1,
     0,
     0,
     3,
     {{L, yRear, zHood, 1, 1}, {L, yRear, zRoof, 1, 0}, {L, yTrunk, zHood, 0, 1}, {}}},
    {Car::SideWindow,
     1,
     0,
     0,
     3,
     {{R, yTrunk, zHood, 0, 1}, {R, yRear, zRoof, 1, 0}, {R, yRear, zHood, 1, 1}, {}}},
    {Car::Top,
     -1,
     0,
     0,
     4,
     {{L, yRear, zHood, 0, 1},
      {L, yTrunk, zHood, 0, 0},
      {L, yTrunk, zLow, 1, 0},
      {L, yRear, zLow, 1, 1}}},
    {Car::Top,
     1,
     0,
     0,
     4,
     {{R, yTrunk, zHood, 0, 0},
      {R, yRear, zHood, 0, 1},
      {R, yRear, zLow, 1, 1},
      {R, yTrunk, zLow, 1, 0}}},
    {Car::Wheel,
     1,
     0,
     0,
     4,
     {{R, 1, zSill, 1, 0}, {R, yTrunk, zHood, 0, 0}, {R, yTrunk, zLow, 0, 1}, {R, 1, zLow, 1, 0}}},
    {Car::Wheel,
     -1,
     0,
     0,
     4,
     {{L, yTrunk, zHood, 0, 0}, {L, 1, zSill, 1, 0}, {L, 1, zLow, 1, 1}, {L, yTrunk, zLow, 0, 1}}},
    {Car::Top,
     0,
     0,
     1,
     4,
     {{R, yTrunk, zHood, 1, 0},
      {R, 1, zSill, 1, 1},
      {L, 1, zSill, 0, 1},
      {L, yTrunk, zHood, 0, 0}}},
    {Car::Back,
     0,
     0,
     1,
     4,
     {{L, 1, zSill, 1, 0}, {R, 1, zSill, 0, 0}, {R, 1, zLow, 0, 1}, {L, 1, zLow, 1, 1}}},
};

float PaleShade() {
    return static_cast<float>(1.0 - (std::rand() % shadeChoices) / shadeStep);
}

} // namespace

Car::Car() : Target(firstHitPoints) {
    walkMask = walkOn;
    direction.Set(1.0f, 0.0f, 0.0f);
    speed = static_cast<float>(std::rand() % speedChoices + slowestSpeed);
    const float red = PaleShade();
    const float green = PaleShade();
    const float blue = PaleShade();
    SetColour(red, green, blue);
    Scale(lengthAlongX, modelScaleYZ, modelScaleYZ);
}

void Car::SetTextures(const TextureSet& set) {
    textures[Front] = set.Get(TextureSet::CarFront);
    textures[Back] = set.Get(TextureSet::CarBack);
    textures[Top] = set.Get(TextureSet::CarTop);
    textures[Windshield] = set.Get(TextureSet::CarWindshield);
    textures[Wheel] = set.Get(TextureSet::CarWheel);
    textures[DoorMinusX] = set.Get(TextureSet::CarDoorLeft);
    textures[DoorPlusX] = set.Get(TextureSet::CarDoor);
    textures[SideWindow] = set.Get(TextureSet::CarSideWindow);
}

std::span<const Car::Face> Car::Faces() {
    return carFaces;
}

void Car::DrawGeometry() {
    gl::PushMatrix();
    // With textures off the car shows only its colour.
    if (settings.textureTarget != 0) {
        gl::Enable(static_cast<GLenum>(settings.textureTarget));
    }
    gl::Rotatef(static_cast<float>(facing + 90), 0.0f, 0.0f, 1.0f);
    for (const Face& face : carFaces) {
        gl::BindTexture(GL_TEXTURE_2D, textures[face.texture]);
        gl::Begin(face.vertexCount == 3 ? GL_TRIANGLES : GL_QUADS);
        gl::Normal3f(face.nx, face.ny, face.nz);
        for (int i = 0; i < face.vertexCount; ++i) {
            gl::TexCoord2f(face.v[i].s, face.v[i].t);
            gl::Vertex3f(face.v[i].x, face.v[i].y, face.v[i].z);
        }
        gl::End();
    }
    gl::Disable(GL_TEXTURE_2D);
    gl::PopMatrix();
}
