#include "actors/Cloud.h"

#include <GL/freeglut.h>

#include <cstdlib>

namespace {

constexpr int acrossChoices = 2400;
constexpr int smallestAcross = 1200;
constexpr int heightChoices = 200;
constexpr int smallestHeight = 300;
constexpr float translucent = 0.5f;
// Few facets, on purpose: the clouds' look.
constexpr int sphereFacets = 5;

float RandomSize(const int choices, const int smallest) {
    return static_cast<float>(std::rand() % choices + smallest);
}

} // namespace

Cloud::Cloud() {
    speed = driftSpeed;
    direction.Set(0.0f, 0.0f, 0.0f);
    radiusX = RandomSize(acrossChoices, smallestAcross);
    radiusY = RandomSize(acrossChoices, smallestAcross);
    radiusZ = RandomSize(heightChoices, smallestHeight);
}

void Cloud::DrawGeometry() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, translucent);
    glPushMatrix();
    glScalef(radiusX, radiusY, radiusZ);
    glutSolidSphere(1.0, sphereFacets, sphereFacets);
    glPopMatrix();
    glDisable(GL_BLEND);
}
