#include "base/Settings.h"
#include "game/Globals.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

using SkyTest = GlTest;

// The sky box leaves the GL state as the rest of the frame expects it:
// lighting back only if set, culling and depth test on, textures off, filled
// polygons and the modelview stack as it was.
TEST_F(SkyTest, SkyLeavesTheStateTheFrameExpects) {
    const Settings saved = settings;
    for (const int16_t lighting : {int16_t{1}, int16_t{0}}) {
        settings.lighting = lighting;
        settings.textureTarget = 0; // the sky textures itself regardless
        lighting != 0 ? glEnable(GL_LIGHTING) : glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        glEnable(GL_TEXTURE_2D);
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        const auto depthBefore = GlFloats<1>(GL_MODELVIEW_STACK_DEPTH);
        world.DrawAtmosphere();
        EXPECT_EQ(glIsEnabled(GL_LIGHTING), lighting != 0 ? GL_TRUE : GL_FALSE);
        EXPECT_TRUE(glIsEnabled(GL_CULL_FACE) && glIsEnabled(GL_DEPTH_TEST));
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_EQ(GlFloats<1>(GL_POLYGON_MODE)[0], GL_FILL);
        EXPECT_EQ(GlFloats<1>(GL_MODELVIEW_STACK_DEPTH), depthBefore);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    }
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    settings = saved;
}
