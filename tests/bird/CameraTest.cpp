#include "bird/Camera.h"
#include "support/GlContext.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

TEST(CameraTest, TurnTakesDirectionFromTheAnglesAndKeepsTheDistance) {
    Camera camera;
    camera.SetEye(0, 0, 0);
    camera.SetCenter(10, 0, 0);
    camera.Turn(0, 0);
    EXPECT_EQ(camera.GetCenterX(), 0.0f);
    EXPECT_EQ(camera.GetCenterZ(), 10.0f);

    camera.SetEye(5000, 5000, 1500);
    camera.SetCenter(0, 0, 0);
    const float distance = camera.GetDirection().Length();
    for (int i = 0; i < 50; ++i) {
        camera.Turn(0.7f, i % 9 - 4.0f);
        EXPECT_NEAR(camera.GetDirection().Length(), distance, distance * 1e-5f);
    }
    // A positive turn goes clockwise seen from above: from +x toward -y.
    camera.SetAngles(static_cast<float>(pi / 2.0), 0);
    camera.Turn(1, 0);
    EXPECT_LT(camera.GetDirection().GetY(), 0.0f);
    const float length = camera.GetDirection().Length();
    camera.Move(-250.5f, 17.25f, 3);
    EXPECT_EQ(camera.GetDirection().Length(), length);
    EXPECT_EQ(camera.GetEyeX(), 4749.5f);
}

TEST(CameraTest, TurnClampsThePolarAngleAndWrapsTheAzimuth) {
    Camera camera;
    camera.SetAngles(3.1f, 0);
    camera.Turn(0, 1);
    EXPECT_EQ(camera.GetPolarAngle(), 3.1315927f);
    camera.SetAngles(0.05f, 0.1f);
    camera.Turn(1, -1);
    EXPECT_EQ(camera.GetPolarAngle(), 0.01f);
    EXPECT_FLOAT_EQ(camera.GetAzimuth(), 0.1f - 0.2f + static_cast<float>(Camera::twoPi));
    camera.SetAngles(1, 20);
    camera.Turn(-1, 0);
    EXPECT_NEAR(camera.GetAzimuth(), 20.2f - 3 * static_cast<float>(Camera::twoPi), 1e-5f);
    // As floats, pi and 2 pi round up past the true values: still out of range.
    camera.SetAngles(static_cast<float>(pi), static_cast<float>(Camera::twoPi));
    camera.Turn(0, 0);
    EXPECT_EQ(camera.GetPolarAngle(), 3.1315927f);
    EXPECT_LT(camera.GetAzimuth(), 0.001f);
}

using CameraGlTest = GlTest;

TEST_F(CameraGlTest, CameraApplyLoadsTheProjectionOnly) {
    Camera camera;
    camera.SetEye(5000, 5000, 1500);
    camera.SetCenter(10, 20, 0);
    glTranslatef(1, 2, 3);
    const auto modelview = GlFloats(GL_MODELVIEW_MATRIX);
    for (const bool perspective : {true, false}) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        if (perspective) {
            camera.SetPerspective();
            gluPerspective(70, 1, 10, 10000);
        } else {
            camera.SetOrthographic();
            glOrtho(-300, 300, -400, 400, 10, 10000);
        }
        gluLookAt(5000, 5000, 1500, 10, 20, 0, 0, 0, 1);
        const auto expected = GlFloats(GL_PROJECTION_MATRIX);
        glLoadIdentity();
        camera.Apply();
        EXPECT_EQ(GlFloats(GL_PROJECTION_MATRIX), expected) << perspective;
        EXPECT_EQ(GlFloats(GL_MODELVIEW_MATRIX), modelview);
        EXPECT_EQ(GlFloats<1>(GL_MATRIX_MODE)[0], GL_MODELVIEW);
    }
    // Inactive: nothing is touched, not even the matrix mode.
    camera.SetActive(0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const auto identity = GlFloats(GL_PROJECTION_MATRIX);
    camera.Apply();
    EXPECT_EQ(GlFloats<1>(GL_MATRIX_MODE)[0], GL_PROJECTION);
    EXPECT_EQ(GlFloats(GL_PROJECTION_MATRIX), identity);
    EXPECT_EQ(GlFloats(GL_MODELVIEW_MATRIX), modelview);
}
