#include "geometry/Plane.h"

#include <gtest/gtest.h>

TEST(PlaneTest, FromNormalAndPointNormalisesAndPrints) {
    Plane plane;
    testing::internal::CaptureStdout();
    plane.Print();
    plane.SetFromNormalAndPoint(Vector(0, 0, 2), Point(5, 5, 3));
    plane.Print();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "A : 1 | B : 1 | C : 1 | D : 1\nA : 0 | B : 0 | C : 1 | D : -3\n");
    plane.SetFromNormalAndPoint(Vector(3, 0, 4), Point(1, 7, 2));
    EXPECT_FLOAT_EQ(plane.GetA(), 0.6f);
    EXPECT_FLOAT_EQ(plane.GetD(), -2.2f);
}
