#include "geometry/Vector.h"
#include "geometry/Point.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

using Xyzw4 = std::array<float, 4>;
template <typename T> Xyzw4 Xyzw(const T& v) {
    return {v[0], v[1], v[2], v[3]};
}

} // namespace

TEST(VectorTest, SnapsMagnitudesBelowTheLimitOnEveryWrite) {
    // Exactly 0.00001 is kept; the next float toward zero snaps. Points never snap.
    const float below = std::nextafter(0.00001f, 0.0f);
    EXPECT_EQ(Xyzw(Vector(0.000009f, -0.000009f, 0.5f)), (Xyzw4{0, 0, 0.5f, 1}));
    Vector v;
    v.Set(0.00001f, -0.00001f, below, -below);
    EXPECT_EQ(Xyzw(v), (Xyzw4{0.00001f, -0.00001f, 0, 0}));
    v.SetComponent(1, 1e-6f);
    EXPECT_EQ(v.GetY(), 0.0f);
    Point p;
    EXPECT_EQ(Xyzw(p.Set(0.000009f, -0.000009f, 0.5f)), (Xyzw4{0.000009f, -0.000009f, 0.5f, 1}));
}

TEST(VectorTest, ArithmeticSnapsAndGivesWOne) {
    Vector a;
    a.Set(1, 0, 0, 7);
    Vector b;
    b.Set(-0.999995f, 0, 0, 0);
    const Vector odd(0.3f, -1.7f, 2.9f);
    EXPECT_EQ(Xyzw(a + b), (Xyzw4{0, 0, 0, 1}));
    EXPECT_EQ(Xyzw(a * 2), (Xyzw4{2, 0, 0, 1}));
    EXPECT_EQ(Xyzw(a.Cross(Vector(0, 1, 0))), (Xyzw4{0, 0, 1, 1}));
    EXPECT_EQ(Xyzw(odd.Cross(odd)), (Xyzw4{0, 0, 0, 1}));
    EXPECT_EQ(Xyzw(Vector(0, 0, -7).Normalized()), (Xyzw4{0, 0, -1, 1}));
    EXPECT_FALSE(a.PointsAlong(Vector(0, 1, 0)));
    EXPECT_TRUE(a.PointsAlong(Vector(1, 1, 0)));
    const Point p(1, 2, 3, 0);
    EXPECT_EQ(Xyzw(p + a), (Xyzw4{2, 2, 3, 1}));
    EXPECT_EQ(Xyzw(p + p), (Xyzw4{2, 4, 6, 1}));
}

TEST(VectorTest, IndexedAccessOutsideZeroToThreeIsHarmlessAndPrintFormats) {
    Vector v(1, 2, 3);
    Point p(1, 2, 3);
    for (const int i : {-1, 4}) {
        EXPECT_EQ(v[i], -99999.0f);
        EXPECT_EQ(p[i], -99999.0f);
        v.SetComponent(i, 8);
        p.SetComponent(i, 8);
    }
    EXPECT_EQ(Xyzw(v), Xyzw(p));
    EXPECT_EQ(Xyzw(p), (Xyzw4{1, 2, 3, 1}));

    testing::internal::CaptureStdout();
    Vector().Print();
    Vector(3, -4.5f, 0).Print();
    Point(1.5f, -2, 0.000009f).Print();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "X:0 |Y: 0|Z: 0| W:1 |length: 0\n"
                                                      "X:3 |Y: -4.5|Z: 0| W:1 |length: 5.40833\n"
                                                      "X:1.5 |Y: -2|Z: 9e-06| W:1 \n");
}
