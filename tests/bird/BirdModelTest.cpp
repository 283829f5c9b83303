#include "base/Settings.h"
#include "bird/Bird.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// A bird at (2000, 3000, 300) looking down ahead, with the settings restored
// after each test.
class BirdModelTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        bird.SetWorldSize(10000.0f, 10000.0f);
        bird.SetEye(2000.0f, 3000.0f, 300.0f);
        bird.SetCenter(2500.0f, 3000.0f, 0.0f);
        bird.SetAngles(2.0f, 0.0f);
        bird.Update();
    }
    void TearDown() override {
        settings = saved;
        glDisable(GL_LIGHTING);
    }

    // The projection the second view must load: from `eye` toward `center`.
    static std::array<GLfloat, 16> ViewFrom(const Point& eye, const Point& center) {
        Camera camera;
        camera.SetEye(eye.GetX(), eye.GetY(), eye.GetZ());
        camera.SetCenter(center.GetX(), center.GetY(), center.GetZ());
        camera.Apply();
        return GlFloats(GL_PROJECTION_MATRIX);
    }

    std::array<float, 8> Pose() const {
        return {bird.GetEyeX(),    bird.GetEyeY(),    bird.GetEyeZ(),       bird.GetCenterX(),
                bird.GetCenterY(), bird.GetCenterZ(), bird.GetPolarAngle(), bird.GetAzimuth()};
    }

    Settings saved = settings;
    Bird bird;
};

} // namespace

TEST_F(BirdModelTest, DrawLeavesMatricesAndColourAsFound) {
    bird.DropPoop();
    for (const int16_t lighting : {int16_t{1}, int16_t{0}}) {
        // Lighting is on exactly when the setting says so, as the shell sets it up.
        settings.lighting = lighting;
        lighting != 0 ? glEnable(GL_LIGHTING) : glDisable(GL_LIGHTING);
        glColor3f(0.5f, 0.5f, 0.5f);
        glMatrixMode(GL_PROJECTION);
        glOrtho(-1.0, 1.0, -1.0, 1.0, -1.0, 1.0);
        glMatrixMode(GL_MODELVIEW);
        glTranslatef(3.0f, 4.0f, 5.0f);
        const auto projection = GlFloats(GL_PROJECTION_MATRIX);
        const auto modelview = GlFloats(GL_MODELVIEW_MATRIX);
        bird.Draw();
        EXPECT_EQ(GlFloats(GL_PROJECTION_MATRIX), projection);
        EXPECT_EQ(GlFloats(GL_MODELVIEW_MATRIX), modelview);
        EXPECT_EQ(GlFloats<1>(GL_MATRIX_MODE)[0], GL_MODELVIEW);
        EXPECT_EQ(GlFloats<4>(GL_CURRENT_COLOR), (std::array<GLfloat, 4>{0.5f, 0.5f, 0.5f, 1}));
        EXPECT_EQ(glIsEnabled(GL_LIGHTING), lighting != 0 ? GL_TRUE : GL_FALSE);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        glLoadIdentity();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
    }
}

TEST_F(BirdModelTest, SecondViewLeavesTheBirdsCameraUnchanged) {
    const auto pose = Pose();
    const Point eye = bird.GetEye();
    const Point center = bird.GetCenter();
    const auto identity = GlFloats(GL_PROJECTION_MATRIX);
    bird.ApplySecondView(); // closed: nothing reaches GL
    EXPECT_EQ(GlFloats(GL_PROJECTION_MATRIX), identity);

    // Open without droppings: from the eye down to the ground just ahead.
    bird.secondViewOpen = 1;
    const auto ground =
        ViewFrom(eye, Point(eye.GetX() + (center.GetX() - eye.GetX()) / 10000.0f,
                            eye.GetY() + (center.GetY() - eye.GetY()) / 10000.0f, 0.0f));
    bird.ApplySecondView();
    EXPECT_EQ(GlFloats(GL_PROJECTION_MATRIX), ground);
    EXPECT_EQ(Pose(), pose);

    // With droppings: from 100 above the first one, looking down on it.
    bird.DropPoop();
    bird.Update();
    bird.DropPoop();
    const Point first = bird.GetDroppings().front()->GetBoundingBox().GetCenter();
    const auto above = ViewFrom(Point(first.GetX(), first.GetY(), first.GetZ() + 100.0f),
                                Point(first.GetX() - 0.001f, first.GetY(), first.GetZ() - 1.0f));
    const auto flown = Pose();
    Dropping* const cursorBefore = bird.FirstPoop();
    bird.ApplySecondView();
    EXPECT_EQ(GlFloats(GL_PROJECTION_MATRIX), above);
    EXPECT_EQ(Pose(), flown);
    EXPECT_EQ(bird.CurrentPoop(), cursorBefore);
}

TEST_F(BirdModelTest, TheMarkerShowsRedAndGreenOnTheGroundBelowEvenWhenLit) {
    settings.lighting = 1;
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    bird.secondViewOpen = 1;
    bird.ApplySecondView();
    glDisable(GL_DEPTH_TEST);
    int red = 0;
    int green = 0;
    for (const Rgb& p : ReadPixels(0, 0, 256, 256)) {
        red += p[0] > 200 && p[1] < 50 && p[2] < 50;
        green += p[1] > 200 && p[0] < 50 && p[2] < 50;
    }
    EXPECT_TRUE(red > 200 && green > 50 && glIsEnabled(GL_LIGHTING)) << red << ", " << green;
    // The marker lies at height 10 under the eye, whatever the bird's height.
    const Matrix& marker = bird.GetMarker().GetModelMatrix();
    EXPECT_EQ((std::array<float, 3>{marker.Get(0, 3), marker.Get(1, 3), marker.Get(2, 3)}),
              (std::array<float, 3>{bird.GetEyeX(), bird.GetEyeY(), 10.0f}));
}
