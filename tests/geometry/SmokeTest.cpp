#include "geometry/Vector.h"
#include "support/GlContext.h"
#include <GL/gl.h>
TEST(Smoke, Builds) { EXPECT_EQ(Vector(0.000009f, 0, 0.5f).GetX(), 0.0f); }
TEST_F(GlTest, ContextExists) { EXPECT_NE(glGetString(GL_VERSION), nullptr); }
