#include "geometry/BoundingBox.h"
#include "support/Feedback.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

namespace {

BoundingBox Transformed(const Matrix& m) {
    BoundingBox box;
    box.TransformBy(m);
    return box;
}

BoundingBox Placed(const float x, const float y, const float z) {
    Matrix t;
    t.SetTranslation(x, y, z);
    return Transformed(t);
}

} // namespace

TEST(BoundingBoxTest, SphereTestsAreStrictAtTheBoundary) {
    const BoundingBox box;
    EXPECT_TRUE(box.Contains(Point(0.5f, 0.5f, 0.5f)));
    EXPECT_FALSE(box.Contains(Point(1, 0, 0)));
    EXPECT_FALSE(box.Contains(Point(1, 1, 1)));
    EXPECT_TRUE(box.Intersects(Placed(1.999f, 0, 0)));
    EXPECT_TRUE(Placed(0, -1.999f, 0).Intersects(box));
    EXPECT_FALSE(box.Intersects(Placed(2, 0, 0)));
    EXPECT_FALSE(Placed(0, 0, 2).Intersects(box));

    Matrix t;
    Matrix s;
    t.SetTranslation(10, 0, 0);
    s.SetScale(30, 30, 50);
    const BoundingBox big = Transformed(t * s);
    EXPECT_EQ(big.LowerCloseCorner.GetX(), -20.0f);
    EXPECT_EQ(big.GetWidth() + big.GetDepth() + big.GetHeight(), 220.0f);
    EXPECT_TRUE(big.Contains(Point(10, 0, 36)));
    EXPECT_FALSE(big.Contains(Point(10, 0, 37)));
}

TEST(BoundingBoxTest, RotatedBoxKeepsUnsortedCornersAndNegativeExtents) {
    Matrix r;
    r.SetRotationZ(180);
    BoundingBox box = Transformed(r);
    EXPECT_EQ(box.LowerCloseCorner.GetX() + box.LowerCloseCorner.GetY(), 2.0f);
    EXPECT_EQ(box.GetWidth(), -2.0f);
    EXPECT_EQ(box.GetDepth(), -2.0f);
    EXPECT_FLOAT_EQ(box.GetRadius(), -1.0f / 3.0f);
    // The squared radius still makes a small sphere around the centre.
    EXPECT_TRUE(box.Contains(Point(0.3f, 0, 0)));
    EXPECT_FALSE(box.Contains(Point(0.34f, 0, 0)));
    box.Reset();
    testing::internal::CaptureStdout();
    box.Print();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Bounding Box Debug\n\t LowerCloseCorner : X:-1 |Y: -1|Z: -1| W:1 \n\n"
              "\t UpperFarCorner : X:1 |Y: 1|Z: 1| W:1 \n\n\t Width  :2 | Height :2 | Depth  :2");
}

using BoundingBoxGlTest = GlTest;

TEST_F(BoundingBoxGlTest, BoundingBoxDrawFillsTopFirstAndBottomLast) {
    glMatrixMode(GL_PROJECTION);
    glOrtho(-2, 2, -2, 2, -2, 2);
    const auto drawn = Record([] { BoundingBox().Draw(); });
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    // Seen from above the sides are edge-on: only top and bottom, a quarter of the viewport each.
    ASSERT_GE(drawn.size(), 6u);
    EXPECT_FLOAT_EQ(drawn.front().vertices[0].z, 0.25f); // eye z = 1
    EXPECT_FLOAT_EQ(drawn.back().vertices[0].z, 0.75f);  // eye z = -1
    const auto viewport = GlFloats<4>(GL_VIEWPORT);
    EXPECT_FLOAT_EQ(Feedback::PolygonArea(drawn), 2 * viewport[2] * viewport[3] / 4.0f);
}
