#include "actors/Car.h"

#include "city/TextureSet.h"
#include "shell/Settings.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int speedChoices = 10;
constexpr int slowestSpeed = 10;
constexpr int shadeChoices = 50;
constexpr double shadeStep = 100.0;
constexpr float hitGreen = 0.7f;
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

struct CarVertex {
    float x, y, z, s, t;
};

struct CarFace {
    Car::Role texture;
    float nx, ny, nz;
    int vertexCount;
    CarVertex v[4];
};

// The body's 21 faces in drawing order, each with its own texture mapping.
constexpr CarFace carFaces[] = {
    {Car::Front, 0, 0, 1, 4,
     {{L, 0, zLow, 1, 1}, {R, 0, zLow, 0, 1}, {R, 0, zSill, 0, 0}, {L, 0, zSill, 1, 0}}},
    {Car::Top, 0, 0, 1, 4,
     {{L, 0, zSill, 0, 1}, {R, 0, zSill, 1, 1}, {R, yHood, zHood, 1, 0}, {L, yHood, zHood, 0, 1}}},
    {Car::Wheel, 1, 0, 0, 4,
     {{R, yHood, zHood, 0, 0}, {R, 0, zSill, 1, 0}, {R, 0, zLow, 1, 1}, {R, yHood, zLow, 0, 1}}},
    {Car::Wheel, -1, 0, 0, 4,
     {{L, 0, zSill, 1, 0}, {L, yHood, zHood, 0, 0}, {L, yHood, zLow, 0, 1}, {L, 0, zLow, 1, 1}}},
    {Car::Windshield, 1, 0, 1, 4,
     {{R, yMid, zRoof, 0, 0}, {L, yMid, zRoof, 1, 0}, {L, yHood, zHood, 1, 1}, {R, yHood, zHood, 0, 1}}},
    {Car::DoorPlusX, 1, 0, 0, 4,
     {{R, yRear, zRoof, 1, 0}, {R, yMid, zRoof, 0, 0}, {R, yMid, zLow, 0, 1}, {R, yRear, zLow, 1, 1}}},
    {Car::DoorMinusX, -1, 0, 0, 4,
     {{L, yMid, zRoof, 0, 0}, {L, yRear, zRoof, 1, 0}, {L, yRear, zLow, 1, 1}, {L, yMid, zLow, 0, 1}}},
    {Car::Top, 0, 0, 1, 4,
     {{L, yRear, zRoof, 1, 1}, {L, yMid, zRoof, 0, 1}, {R, yMid, zRoof, 0, 0}, {R, yRear, zRoof, 1, 0}}},
    {Car::SideWindow, 1, 0, 0, 3,
     {{R, yHood, zHood, 1, 1}, {R, yMid, zHood, 0, 1}, {R, yMid, zRoof, 1, 0}, {}}},
    {Car::Top, -1, 0, 0, 4,
     {{L, yHood, zHood, 0, 0}, {L, yMid, zHood, 0, 1}, {L, yMid, zLow, 1, 1}, {L, yHood, zLow, 1, 0}}},
    {Car::SideWindow, -1, 0, 0, 3,
     {{L, yMid, zRoof, 1, 0}, {L, yMid, zHood, 0, 1}, {L, yHood, zHood, 1, 1}, {}}},
    {Car::Top, 1, 0, 0, 4,
     {{R, yMid, zHood, 0, 1}, {R, yHood, zHood, 0, 0}, {R, yHood, zLow, 1, 0}, {R, yMid, zLow, 1, 1}}},
    {Car::Windshield, 1, 1, 0, 4,
     {{L, yTrunk, zHood, 1, 1}, {L, yRear, zRoof, 1, 0}, {R, yRear, zRoof, 0, 0}, {R, yTrunk, zHood, 0, 1}}},
    {Car::SideWindow, -1, 0, 0, 3,
     {{L, yRear, zHood, 1, 1}, {L, yRear, zRoof, 1, 0}, {L, yTrunk, zHood, 0, 1}, {}}},
    {Car::SideWindow, 1, 0, 0, 3,
     {{R, yTrunk, zHood, 0, 1}, {R, yRear, zRoof, 1, 0}, {R, yRear, zHood, 1, 1}, {}}},
    {Car::Top, -1, 0, 0, 4,
     {{L, yRear, zHood, 0, 1}, {L, yTrunk, zHood, 0, 0}, {L, yTrunk, zLow, 1, 0}, {L, yRear, zLow, 1, 1}}},
    {Car::Top, 1, 0, 0, 4,
     {{R, yTrunk, zHood, 0, 0}, {R, yRear, zHood, 0, 1}, {R, yRear, zLow, 1, 1}, {R, yTrunk, zLow, 1, 0}}},
    {Car::Wheel, 1, 0, 0, 4,
     {{R, 1, zSill, 1, 0}, {R, yTrunk, zHood, 0, 0}, {R, yTrunk, zLow, 0, 1}, {R, 1, zLow, 1, 0}}},
    {Car::Wheel, -1, 0, 0, 4,
     {{L, yTrunk, zHood, 0, 0}, {L, 1, zSill, 1, 0}, {L, 1, zLow, 1, 1}, {L, yTrunk, zLow, 0, 1}}},
    {Car::Top, 0, 0, 1, 4,
     {{R, yTrunk, zHood, 1, 0}, {R, 1, zSill, 1, 1}, {L, 1, zSill, 0, 1}, {L, yTrunk, zHood, 0, 0}}},
    {Car::Back, 0, 0, 1, 4,
     {{L, 1, zSill, 1, 0}, {R, 1, zSill, 0, 0}, {R, 1, zLow, 0, 1}, {L, 1, zLow, 1, 1}}},
};

// A face's normal and corners, inside glBegin and glEnd.
void DrawFace(const CarFace& face) {
    glNormal3f(face.nx, face.ny, face.nz);
    for (int i = 0; i < face.vertexCount; ++i) {
        glTexCoord2f(face.v[i].s, face.v[i].t);
        glVertex3f(face.v[i].x, face.v[i].y, face.v[i].z);
    }
}

float PaleShade() {
    return static_cast<float>(1.0 - (std::rand() % shadeChoices) / shadeStep);
}

} // namespace

Car::Car() {
    walkMask = walkOn;
    direction.Set(1.0f, 0.0f, 0.0f);
    speed = static_cast<float>(std::rand() % speedChoices + slowestSpeed);
    const float red = PaleShade();
    const float green = PaleShade();
    const float blue = PaleShade();
    SetColour(red, green, blue);
    Scale(lengthAlongX, modelScaleYZ, modelScaleYZ);
}

void Car::OnHit() {
    SetColour(0.0f, hitGreen, 0.0f);
    ++hitCount;
    points /= static_cast<float>(hitCount);
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

void Car::DrawGeometry() {
    glPushMatrix();
    // With textures off the car shows only its colour.
    if (settings.textureTarget != 0) {
        glEnable(static_cast<GLenum>(settings.textureTarget));
    }
    glRotatef(static_cast<float>(facing + 90), 0.0f, 0.0f, 1.0f);
    if (settings.classicRenderer != 0) {
        for (const CarFace& face : carFaces) {
            glBindTexture(GL_TEXTURE_2D, textures[face.texture]);
            glBegin(face.vertexCount == 3 ? GL_TRIANGLES : GL_QUADS);
            DrawFace(face);
            glEnd();
        }
    } else {
        // The faces do not overlap, so they can go by texture: one bind and
        // at most two draws per texture instead of one of each per face.
        for (int role = 0; role < roleCount; ++role) {
            glBindTexture(GL_TEXTURE_2D, textures[role]);
            for (const int corners : {4, 3}) {
                glBegin(corners == 3 ? GL_TRIANGLES : GL_QUADS);
                for (const CarFace& face : carFaces) {
                    if (face.texture == role && face.vertexCount == corners) {
                        DrawFace(face);
                    }
                }
                glEnd();
            }
        }
    }
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}

void Car::DrawAll(const std::vector<std::unique_ptr<Car>>& cars) {
    // Each car's faces through its model matrix and its facing, with normals
    // through the inverse of its scale (what GL_NORMALIZE makes of them).
    struct Placed {
        Matrix matrix;
        Matrix turn;
        const Car* car;
    };
    std::vector<Placed> placed;
    placed.reserve(cars.size());
    for (const std::unique_ptr<Car>& car : cars) {
        Matrix turn;
        turn.SetRotationZ(static_cast<float>(car->facing + 90));
        placed.push_back({car->GetModelMatrix() * turn, turn, car.get()});
    }
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    if (settings.textureTarget != 0) {
        glEnable(static_cast<GLenum>(settings.textureTarget));
    }
    for (int role = 0; role < roleCount; ++role) {
        for (const int corners : {4, 3}) {
            bool any = false;
            for (const CarFace& face : carFaces) {
                any = any || (face.texture == role && face.vertexCount == corners);
            }
            if (!any) {
                continue;
            }
            uint32_t bound = 0;
            bool begun = false;
            for (const Placed& p : placed) {
                const uint32_t texture = p.car->textures[role];
                if (!begun || texture != bound) {
                    if (begun) {
                        glEnd();
                    }
                    glBindTexture(GL_TEXTURE_2D, texture);
                    glBegin(corners == 3 ? GL_TRIANGLES : GL_QUADS);
                    bound = texture;
                    begun = true;
                }
                const float* colour = p.car->GetColour();
                glColor3f(colour[0], colour[1], colour[2]);
                const Vector& scale = p.car->GetScale();
                for (const CarFace& face : carFaces) {
                    if (face.texture != role || face.vertexCount != corners) {
                        continue;
                    }
                    const Vector turned = p.turn * Vector(face.nx, face.ny, face.nz);
                    const float nx = turned.GetX() / scale.GetX();
                    const float ny = turned.GetY() / scale.GetY();
                    const float nz = turned.GetZ() / scale.GetZ();
                    const float length = std::sqrt(nx * nx + ny * ny + nz * nz);
                    glNormal3f(nx / length, ny / length, nz / length);
                    for (int i = 0; i < face.vertexCount; ++i) {
                        const CarVertex& v = face.v[i];
                        const Point corner = p.matrix * Point(v.x, v.y, v.z);
                        glTexCoord2f(v.s, v.t);
                        glVertex3f(corner.GetX(), corner.GetY(), corner.GetZ());
                    }
                }
            }
            if (begun) {
                glEnd();
            }
        }
    }
    glDisable(GL_TEXTURE_2D);
    glColor3f(neutralGrey, neutralGrey, neutralGrey);
    glPopMatrix();
}
