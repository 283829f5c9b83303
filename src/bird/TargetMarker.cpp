#include "bird/TargetMarker.h"

#include "base/Settings.h"
#include "legacygl/Gl.h"

#include <cmath>

namespace {

constexpr float lieFlatDegrees = 90.0f;
constexpr float ringStep = 0.2f; // radians between the rings' vertices
constexpr int ringSteps = 30;    // the last vertex sits at 6.0, just short of a full turn

void Arm(const float x0, const float z0, const float x1, const float z1) {
    gl::Begin(GL_LINE_STRIP);
    gl::Vertex3f(x0, 0.0f, z0);
    gl::Vertex3f(x1, 0.0f, z1);
    gl::End();
}

void RingVertex(const float radius, const int i) {
    const float a = ringStep * static_cast<float>(i);
    gl::Vertex3f(radius * std::sin(a), 0.0f, radius * std::cos(a));
}

} // namespace

void TargetMarker::DrawGeometry() {
    gl::LineWidth(lineWidth);
    gl::PushMatrix();
    // The figure is drawn in the local x-z plane; this lays it on the ground.
    gl::Rotatef(lieFlatDegrees, 1.0f, 0.0f, 0.0f);
    if (settings.lighting != 0) {
        gl::Disable(GL_LIGHTING);
    }

    gl::Color3f(1.0f, 0.0f, 0.0f);
    Arm(armGap, 0.0f, armEnd, 0.0f);
    Arm(-armGap, 0.0f, -armEnd, 0.0f);
    Arm(0.0f, armGap, 0.0f, armEnd);
    Arm(0.0f, -armGap, 0.0f, -armEnd);

    gl::Begin(GL_LINE_LOOP);
    gl::Vertex3f(0.0f, 0.0f, innerRadius);
    for (int i = 0; i <= ringSteps; ++i) {
        RingVertex(innerRadius, i);
    }
    gl::End();

    // The outer ring starts and ends at the centre: a wedge is cut out at a = 0.
    gl::Color3f(0.0f, 1.0f, 0.0f);
    gl::Begin(GL_LINE_LOOP);
    gl::Vertex3f(0.0f, 0.0f, 0.0f);
    for (int i = 1; i <= ringSteps; ++i) {
        RingVertex(outerRadius, i);
    }
    gl::End();

    gl::PopMatrix();
    if (settings.lighting != 0) {
        gl::Enable(GL_LIGHTING);
    }
}
