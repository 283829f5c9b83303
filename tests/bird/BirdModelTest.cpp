#include "bird/Bird.h"
#include "bird/Light.h"
#include "shell/Settings.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

namespace {

using GlMatrix = std::array<GLfloat, 16>;

GlMatrix Current(const GLenum which) {
    GlMatrix m;
    glGetFloatv(which, m.data());
    return m;
}

std::array<GLfloat, 4> CurrentColour() {
    std::array<GLfloat, 4> c;
    glGetFloatv(GL_CURRENT_COLOR, c.data());
    return c;
}

// A bird at (2000, 3000, 300) looking down ahead, with the settings restored
// after each test.
class BirdModelTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        saved = settings;
        bird.SetWorldSize(10000.0f, 10000.0f);
        bird.SetEye(2000.0f, 3000.0f, 300.0f);
        bird.SetCenter(2500.0f, 3000.0f, 0.0f);
        bird.SetAngles(2.0f, 0.0f);
    }
    void TearDown() override {
        settings = saved;
        glDisable(GL_LIGHTING);
        glDisable(GL_LIGHT0);
        glDisable(GL_COLOR_MATERIAL);
        glLineWidth(1.0f);
    }

    // Pixels of the back buffer that are mostly the given primary colour.
    static int CountPixels(const int channel) {
        std::array<GLubyte, 256 * 256 * 3> pixels{};
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, 256, 256, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        int count = 0;
        for (size_t i = 0; i < pixels.size(); i += 3) {
            if (pixels[i + channel] > 200 && pixels[i + (channel + 1) % 3] < 50 &&
                pixels[i + (channel + 2) % 3] < 50) {
                ++count;
            }
        }
        return count;
    }

    Settings saved;
    Bird bird;
};

} // namespace

TEST_F(BirdModelTest, DrawLeavesMatricesAndColourAsFound) {
    bird.Update();
    bird.DropPoop();
    for (const int lighting : {1, 0}) {
        settings.lighting = static_cast<int16_t>(lighting);
        // Lighting is on exactly when the setting says so, as the shell sets it up.
        if (lighting != 0) {
            glEnable(GL_LIGHTING);
        } else {
            glDisable(GL_LIGHTING);
        }
        glColor3f(0.5f, 0.5f, 0.5f);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-1.0, 1.0, -1.0, 1.0, -1.0, 1.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(3.0f, 4.0f, 5.0f);
        const GlMatrix projection = Current(GL_PROJECTION_MATRIX);
        const GlMatrix modelview = Current(GL_MODELVIEW_MATRIX);

        bird.Draw();
        EXPECT_EQ(Current(GL_PROJECTION_MATRIX), projection);
        EXPECT_EQ(Current(GL_MODELVIEW_MATRIX), modelview);
        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW);
        const std::array<GLfloat, 4> grey{0.5f, 0.5f, 0.5f, 1.0f};
        EXPECT_EQ(CurrentColour(), grey);
        // With the setting off the marker leaves GL_LIGHTING alone.
        EXPECT_EQ(glIsEnabled(GL_LIGHTING), lighting != 0 ? GL_TRUE : GL_FALSE);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
}

TEST_F(BirdModelTest, SecondViewLeavesTheBirdsCameraUnchanged) {
    bird.Update();
    const Point eye = bird.GetEye();
    const Point center = bird.GetCenter();
    const float polar = bird.GetPolarAngle();
    const float azimuth = bird.GetAzimuth();
    const auto expectUnchanged = [&] {
        EXPECT_EQ(bird.GetEyeX(), eye.GetX());
        EXPECT_EQ(bird.GetEyeY(), eye.GetY());
        EXPECT_EQ(bird.GetEyeZ(), eye.GetZ());
        EXPECT_EQ(bird.GetCenterX(), center.GetX());
        EXPECT_EQ(bird.GetCenterY(), center.GetY());
        EXPECT_EQ(bird.GetCenterZ(), center.GetZ());
        EXPECT_EQ(bird.GetPolarAngle(), polar);
        EXPECT_EQ(bird.GetAzimuth(), azimuth);
    };

    // Closed: nothing reaches GL.
    const GlMatrix identity = Current(GL_PROJECTION_MATRIX);
    bird.ApplySecondView();
    EXPECT_EQ(Current(GL_PROJECTION_MATRIX), identity);

    // Open without droppings: from the eye down to the ground just ahead.
    bird.secondViewOpen = 1;
    bird.ApplySecondView();
    expectUnchanged();
    Camera below;
    below.SetEye(eye.GetX(), eye.GetY(), eye.GetZ());
    below.SetCenter(eye.GetX() + (center.GetX() - eye.GetX()) / 10000.0f,
                    eye.GetY() + (center.GetY() - eye.GetY()) / 10000.0f, 0.0f);
    below.Apply();
    const GlMatrix ground = Current(GL_PROJECTION_MATRIX);
    bird.ApplySecondView();
    EXPECT_EQ(Current(GL_PROJECTION_MATRIX), ground);

    // With droppings: from 100 above the first one, looking down on it.
    bird.DropPoop();
    bird.Update();
    bird.SetEye(eye.GetX(), eye.GetY(), eye.GetZ());
    bird.SetCenter(center.GetX(), center.GetY(), center.GetZ());
    bird.SetAngles(polar, azimuth);
    bird.DropPoop();
    const Point first = bird.GetDroppings().front()->GetBoundingBox().GetCenter();
    Camera above;
    above.SetEye(first.GetX(), first.GetY(), first.GetZ() + 100.0f);
    above.SetCenter(first.GetX() - 0.001f, first.GetY(), first.GetZ() - 1.0f);
    above.Apply();
    const GlMatrix dropping = Current(GL_PROJECTION_MATRIX);
    Dropping* const cursorBefore = bird.FirstPoop();
    bird.ApplySecondView();
    EXPECT_EQ(Current(GL_PROJECTION_MATRIX), dropping);
    expectUnchanged();
    EXPECT_EQ(bird.CurrentPoop(), cursorBefore);
}

TEST_F(BirdModelTest, TheMarkerShowsRedAndGreenOnTheGroundBelow) {
    settings.lighting = 1;
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    bird.Update();
    bird.secondViewOpen = 1;
    bird.ApplySecondView();
    glDisable(GL_DEPTH_TEST);
    // Drawn unlit, in its own colours, even with lighting on.
    EXPECT_GT(CountPixels(0), 200);
    EXPECT_GT(CountPixels(1), 50);
    EXPECT_EQ(glIsEnabled(GL_LIGHTING), GL_TRUE);

    // The marker lies at height 10 under the eye, whatever the bird's height.
    const Matrix& marker = bird.GetMarker().GetModelMatrix();
    EXPECT_EQ(marker.Get(0, 3), bird.GetEyeX());
    EXPECT_EQ(marker.Get(1, 3), bird.GetEyeY());
    EXPECT_EQ(marker.Get(2, 3), 10.0f);
}

TEST_F(BirdModelTest, LightFollowsTheLightingAndShadingSettings) {
    glDisable(GL_LIGHTING);
    settings.lighting = 0;
    const Light unlit;
    EXPECT_EQ(glIsEnabled(GL_LIGHTING), GL_FALSE);
    settings.lighting = 1;
    const Light lit;
    EXPECT_EQ(glIsEnabled(GL_LIGHTING), GL_TRUE);

    Light light;
    light.SetId(GL_LIGHT1);
    EXPECT_EQ(glIsEnabled(GL_LIGHT1), GL_TRUE);
    light.SetPosition(10.0f, 20.0f, 30.0f);
    light.SetDirection(1.0f, 0.0f, -1.0f);
    settings.shadingModel = Settings::flatShading;
    light.Apply();
    GLint shading = 0;
    glGetIntegerv(GL_SHADE_MODEL, &shading);
    EXPECT_EQ(shading, GL_FLAT);
    EXPECT_EQ(glIsEnabled(GL_COLOR_MATERIAL), GL_TRUE);
    std::array<GLfloat, 4> position{};
    glGetLightfv(GL_LIGHT1, GL_POSITION, position.data());
    EXPECT_EQ(position, (std::array<GLfloat, 4>{10.0f, 20.0f, 30.0f, 1.0f}));
    GLfloat exponent = 0.0f;
    glGetLightfv(GL_LIGHT1, GL_SPOT_EXPONENT, &exponent);
    EXPECT_EQ(exponent, 1.0f);
    GLfloat cutoff = 0.0f;
    glGetLightfv(GL_LIGHT1, GL_SPOT_CUTOFF, &cutoff);
    EXPECT_EQ(cutoff, 180.0f);
    glDisable(GL_LIGHT1);
    glShadeModel(GL_SMOOTH);
}
