#pragma once

#include <gtest/gtest.h>

// Makes sure a GL context exists: one hidden GLUT window per test process,
// made on first use. Needs an X display (the test command runs under Xvfb).
void EnsureGlContext();

// Base fixture for tests that talk to OpenGL: a context, and both matrix
// stacks reset to the identity before each test.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override;
};
