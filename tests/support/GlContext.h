#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

// Makes sure a GL context exists: one hidden GLUT window per test process,
// made on first use. Needs an X display (the test command runs under Xvfb).
void EnsureGlContext();

// Base fixture for tests that talk to OpenGL: a context, and both matrix
// stacks reset to the identity before each test.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override;
};

// N floats of GL state, such as GL_MODELVIEW_MATRIX or GL_CURRENT_COLOR.
template <int N = 16> std::array<GLfloat, N> GlFloats(const GLenum which) {
    std::array<GLfloat, N> values{};
    glGetFloatv(which, values.data());
    return values;
}

using Rgb = std::array<GLubyte, 3>;

// The colours of a rectangle of the back buffer, row by row from the bottom.
std::vector<Rgb> ReadPixels(int x, int y, int width, int height);
