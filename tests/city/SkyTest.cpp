// The sky box leaves the GL state as the rest of the frame expects it.

#include "shell/Globals.h"
#include "shell/Settings.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

class SkyTest : public GlTest {
protected:
    void TearDown() override {
        glDisable(GL_CULL_FACE);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        settings = saved;
    }
    Settings saved = settings;
};

GLint ModelviewDepth() {
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}

} // namespace

TEST_F(SkyTest, LightingComesBackOnlyIfSetAndCullingAndDepthAreOn) {
    for (const int16_t lighting : {int16_t{1}, int16_t{0}}) {
        settings.lighting = lighting;
        settings.textureTarget = 0; // the sky textures itself regardless
        lighting != 0 ? glEnable(GL_LIGHTING) : glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        const GLint depthBefore = ModelviewDepth();
        glEnable(GL_TEXTURE_2D);

        world.DrawAtmosphere();

        EXPECT_EQ(glIsEnabled(GL_LIGHTING), lighting != 0 ? GL_TRUE : GL_FALSE);
        EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        GLint modes[2] = {};
        glGetIntegerv(GL_POLYGON_MODE, modes);
        EXPECT_EQ(modes[0], GL_FILL);
        EXPECT_EQ(ModelviewDepth(), depthBefore);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    }
}
