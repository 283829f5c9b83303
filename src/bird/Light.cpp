#include "bird/Light.h"

#include "base/Settings.h"
#include "legacygl/Gl.h"

namespace {

// Global objects are constructed before the window and its context exist; GL
// state set then would be lost at best, so it is left to the shell's set-up.
void EnableIfContext(const GLenum capability) {
    if (gl::HasContext()) {
        gl::Enable(capability);
    }
}

} // namespace

Light::Light() {
    if (settings.lighting != 0) {
        EnableIfContext(GL_LIGHTING);
    }
}

void Light::SetId(const GLenum lightName) {
    name = lightName;
    EnableIfContext(name);
}

void Light::Enable() const {
    EnableIfContext(name);
}

void Light::SetPosition(const float x, const float y, const float z) {
    position[0] = x;
    position[1] = y;
    position[2] = z;
    position[3] = 1.0f;
}

void Light::SetDirection(const float x, const float y, const float z) {
    spotDirection[0] = x;
    spotDirection[1] = y;
    spotDirection[2] = z;
}

void Light::Apply() const {
    gl::ShadeModel(static_cast<GLenum>(settings.shadingModel));
    gl::Lightf(name, GL_SPOT_EXPONENT, spotExponent);
    gl::Lightfv(name, GL_SPOT_DIRECTION, spotDirection);
    gl::Lightfv(name, GL_POSITION, position);
    gl::Enable(GL_COLOR_MATERIAL);
}
