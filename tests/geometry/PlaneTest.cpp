#include "geometry/Plane.h"

#include <gtest/gtest.h>

TEST(PlaneTest, FromNormalAndPointNormalisesAndPrints) {
    Plane plane;
    EXPECT_EQ(plane.GetA() + plane.GetB() + plane.GetC() + plane.GetD(), 4.0f);
    plane.SetFromNormalAndPoint(Vector(0.0f, 0.0f, 2.0f), Point(5.0f, 5.0f, 3.0f));
    testing::internal::CaptureStdout();
    plane.Print();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "A : 0 | B : 0 | C : 1 | D : -3\n");
    plane.SetFromNormalAndPoint(Vector(3.0f, 0.0f, 4.0f), Point(1.0f, 7.0f, 2.0f));
    EXPECT_FLOAT_EQ(plane.GetA(), 0.6f);
    EXPECT_FLOAT_EQ(plane.GetC(), 0.8f);
    EXPECT_FLOAT_EQ(plane.GetD(), -2.2f);
}
