#include "actors/Fries.h"

#include "legacygl/Gl.h"

namespace {

constexpr float stickWidth = 5.0f;
constexpr float stickHeight = 40.0f;

constexpr float kindColours[Fries::kindCount][3] = {
    {0.7f, 0.7f, 0.0f},
    {0.9f, 0.9f, 0.5f},
    {1.0f, 1.0f, 1.0f},
};

} // namespace

Fries::Fries() {
    Scale(stickWidth, stickWidth, stickHeight);
}

void Fries::SetKind(const int k) {
    kind = k;
    if (k >= 0 && k < kindCount) {
        SetColour(kindColours[k][0], kindColours[k][1], kindColours[k][2]);
    }
}

void Fries::SetValue(const float v) {
    value = v;
}

void Fries::DrawGeometry() {
    glut::SolidCube(1.0);
}
