#include "geometry/BoundingBox.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

BoundingBox Placed(const float x, const float y, const float z) {
    Matrix t;
    t.SetTranslation(x, y, z);
    BoundingBox box;
    box.TransformBy(t);
    return box;
}

} // namespace

TEST(BoundingBoxTest, SphereTestsAreStrictAtTheBoundary) {
    const BoundingBox box;
    EXPECT_EQ(box.GetRadius(), 1.0f);
    EXPECT_TRUE(box.Contains(Point(0.5f, 0.5f, 0.5f)));
    EXPECT_FALSE(box.Contains(Point(1.0f, 0.0f, 0.0f)));
    EXPECT_FALSE(box.Contains(Point(1.0f, 1.0f, 1.0f)));
    EXPECT_TRUE(box.Intersects(Placed(1.999f, 0.0f, 0.0f)));
    EXPECT_TRUE(Placed(0.0f, -1.999f, 0.0f).Intersects(box));
    EXPECT_FALSE(box.Intersects(Placed(2.0f, 0.0f, 0.0f)));
    EXPECT_FALSE(Placed(0.0f, 0.0f, 2.0f).Intersects(box));
}

TEST(BoundingBoxTest, FollowsTranslationAndScale) {
    Matrix t;
    Matrix s;
    t.SetTranslation(10.0f, 0.0f, 0.0f);
    s.SetScale(30.0f, 30.0f, 50.0f);
    BoundingBox box;
    box.TransformBy(t * s);
    EXPECT_EQ(box.LowerCloseCorner.GetX(), -20.0f);
    EXPECT_EQ(box.UpperFarCorner.GetZ(), 50.0f);
    EXPECT_EQ(box.GetWidth(), 60.0f);
    EXPECT_EQ(box.GetDepth(), 60.0f);
    EXPECT_EQ(box.GetHeight(), 100.0f);
    EXPECT_NEAR(box.GetRadius(), 36.67f, 0.01f);
    EXPECT_EQ(box.GetCenter().GetX(), 10.0f);
    EXPECT_TRUE(box.Contains(Point(10.0f, 0.0f, 36.0f)));
    EXPECT_FALSE(box.Contains(Point(10.0f, 0.0f, 37.0f)));
}

TEST(BoundingBoxTest, RotatedBoxKeepsUnsortedCornersAndNegativeExtents) {
    Matrix r;
    r.SetRotationZ(180.0f);
    BoundingBox box;
    box.TransformBy(r);
    EXPECT_EQ(box.LowerCloseCorner.GetX(), 1.0f);
    EXPECT_EQ(box.LowerCloseCorner.GetY(), 1.0f);
    EXPECT_EQ(box.LowerCloseCorner.GetZ(), -1.0f);
    EXPECT_EQ(box.UpperFarCorner.GetX(), -1.0f);
    EXPECT_EQ(box.GetWidth(), -2.0f);
    EXPECT_EQ(box.GetDepth(), -2.0f);
    EXPECT_FLOAT_EQ(box.GetRadius(), -1.0f / 3.0f);
    // The squared radius still makes a small sphere around the centre.
    EXPECT_TRUE(box.Contains(Point(0.3f, 0.0f, 0.0f)));
    EXPECT_FALSE(box.Contains(Point(0.34f, 0.0f, 0.0f)));
    box.Reset();
    EXPECT_EQ(box.GetWidth(), 2.0f);
}

TEST(BoundingBoxTest, Print) {
    testing::internal::CaptureStdout();
    BoundingBox().Print();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Bounding Box Debug\n"
              "\t LowerCloseCorner : X:-1 |Y: -1|Z: -1| W:1 \n\n"
              "\t UpperFarCorner : X:1 |Y: 1|Z: 1| W:1 \n\n"
              "\t Width  :2 | Height :2 | Depth  :2");
}

TEST_F(GlTest, BoundingBoxDrawIssuesSixQuadsTopFirstBottomLast) {
    // Feedback mode hands back every polygon with its window coordinates.
    glMatrixMode(GL_PROJECTION);
    glOrtho(-2.0, 2.0, -2.0, 2.0, -2.0, 2.0);
    glMatrixMode(GL_MODELVIEW);
    std::vector<GLfloat> feedback(256);
    glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_3D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    BoundingBox().Draw();
    const GLint used = glRenderMode(GL_RENDER);
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));

    std::vector<std::vector<float>> depths;
    for (GLint i = 0; i < used;) {
        ASSERT_EQ(feedback[i], GL_POLYGON_TOKEN);
        const int count = static_cast<int>(feedback[i + 1]);
        depths.emplace_back();
        for (int v = 0; v < count; ++v) {
            depths.back().push_back(feedback[i + 2 + 3 * v + 2]);
        }
        i += 2 + 3 * count;
    }
    ASSERT_EQ(depths.size(), 6u);
    // Eye z = 1 maps to depth 0.25 and z = -1 to 0.75 in this volume.
    for (const float depth : depths.front()) {
        EXPECT_FLOAT_EQ(depth, 0.25f);
    }
    for (const float depth : depths.back()) {
        EXPECT_FLOAT_EQ(depth, 0.75f);
    }
    EXPECT_EQ(depths.front().size(), 4u);
}
