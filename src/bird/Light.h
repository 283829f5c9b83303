#pragma once

#include <GL/gl.h>

// Light: a GL light with a position and a spot direction.
class Light {
public:
    Light();
    void SetId(GLenum lightName);
    void Enable() const;
    void SetPosition(float x, float y, float z);
    void SetDirection(float x, float y, float z);
    void Apply() const;

private:
    GLfloat position[4] = {500.0f, 500.0f, 500.0f, 1.0f};
    GLfloat spotDirection[3] = {500.0f, 500.0f, 0.0f};
    GLenum name = GL_LIGHT0;
};
