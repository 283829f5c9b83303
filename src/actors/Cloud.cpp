#include "actors/Cloud.h"

#include "legacygl/SphereMesh.h"
#include "legacygl/Gl.h"

#include <cstdlib>

namespace {

constexpr int acrossChoices = 2400;
constexpr int smallestAcross = 1200;
constexpr int heightChoices = 200;
constexpr int smallestHeight = 300;
constexpr int sphereFacets = 5; // slices and stacks

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

const SphereMesh& Cloud::Shape() {
    static const SphereMesh sphere(sphereFacets, sphereFacets);
    return sphere;
}

void Cloud::DrawGeometry() {
    gl::Enable(GL_BLEND);
    gl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl::Color4f(1.0f, 1.0f, 1.0f, translucency);
    gl::PushMatrix();
    gl::Scalef(radiusX, radiusY, radiusZ);
    Shape().Draw();
    gl::PopMatrix();
    gl::Disable(GL_BLEND);
}
