#include "bird/Light.h"

#include "base/GlContext.h"
#include "base/Settings.h"

#include <GL/gl.h>

namespace {

// Global objects are constructed before the window and its context exist; GL
// state set then would be lost at best, so it is left to the shell's set-up.
void EnableIfContext(const GLenum capability) {
    if (GlContextCurrent()) {
        glEnable(capability);
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
    glShadeModel(static_cast<GLenum>(settings.shadingModel));
    glLightf(name, GL_SPOT_EXPONENT, spotExponent);
    glLightfv(name, GL_SPOT_DIRECTION, spotDirection);
    glLightfv(name, GL_POSITION, position);
    glEnable(GL_COLOR_MATERIAL);
}
