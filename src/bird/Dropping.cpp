#include "bird/Dropping.h"

#include "legacygl/Gl.h"

namespace {

constexpr float brownRed = 0.5f;
constexpr float brownGreen = 0.2256699949502945f;
constexpr float brownBlue = 0.0f;

} // namespace

Dropping::Dropping() {
    SetColour(brownRed, brownGreen, brownBlue);
}

void Dropping::Launch(const Point& start) {
    ResetPlacement();
    Translate(start.GetX(), start.GetY(), start.GetZ());
    target = Point(start.GetX(), start.GetY(), 0.0f);
    // Straight down; a start on the ground has no direction and gives the zero vector.
    direction = Vector(target.GetX() - start.GetX(), target.GetY() - start.GetY(),
                       target.GetZ() - start.GetZ())
                    .Normalized();
    Scale(width, width, height);
}

void Dropping::Fall() {
    velocity = velocity + direction + gravity;
    Translate(velocity);
}

void Dropping::DrawGeometry() {
    glut::SolidSphere(1.0, sphereSlices, sphereStacks);
}
