#pragma once

#include "legacygl/Gl.h"

// Light: one OpenGL light with a position and a spot direction.
//
// The bird carries one (GL_LIGHT0) at its eye; the World holds another that it
// only constructs. Both are built before any window exists, so every GL call
// made outside Apply is skipped while no GL context is current: that state is
// set again by the shell once its window is up.
class Light {
public:
    static constexpr GLfloat spotExponent = 1.0f;

    // Enables GL_LIGHTING when the lighting setting is on.
    Light();

    // Stores the light's name and enables that light.
    void SetId(GLenum lightName);
    void Enable() const;
    void SetPosition(float x, float y, float z);
    void SetDirection(float x, float y, float z);
    // Shading model, spot exponent, direction and position of the light, and
    // colour-tracking material, as the current frame needs them.
    void Apply() const;

    const GLfloat* GetPosition() const { return position; }
    const GLfloat* GetDirection() const { return spotDirection; }
    GLenum GetName() const { return name; }

private:
    GLfloat position[4] = {500.0f, 500.0f, 500.0f, 1.0f};
    GLfloat spotDirection[3] = {500.0f, 500.0f, 0.0f};
    GLenum name = GL_LIGHT0;
};
