#include "geometry/Point.h"
#include "geometry/Vector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

void ExpectVector(const Vector& v, const float x, const float y, const float z, const float w) {
    EXPECT_EQ(v.GetX(), x);
    EXPECT_EQ(v.GetY(), y);
    EXPECT_EQ(v.GetZ(), z);
    EXPECT_EQ(v.GetW(), w);
}

} // namespace

TEST(VectorTest, SnapsMagnitudesBelowTheLimitOnEveryWrite) {
    // The float nearest 0.00001 lies just below 1e-5 and snaps; the next one up is the limit.
    const float limit = std::nextafter(0.00001f, 1.0f);
    ExpectVector(Vector(), 0.0f, 0.0f, 0.0f, 1.0f);
    Vector v(0.000009f, -0.000009f, 0.5f);
    ExpectVector(v, 0.0f, 0.0f, 0.5f, 1.0f);
    v.Set(limit, -limit, 0.00001f, -0.00001f);
    ExpectVector(v, limit, -limit, 0.0f, 0.0f);
    v.SetX(std::numeric_limits<float>::quiet_NaN());
    v.SetComponent(1, 1e-6f);
    v.SetW(-1e-6f);
    EXPECT_TRUE(std::isnan(v.GetX()));
    EXPECT_EQ(v.GetY(), 0.0f);
    EXPECT_EQ(v.GetW(), 0.0f);

    Point p;
    p.Set(0.000009f, -0.000009f, 0.5f);
    EXPECT_EQ(p.GetX(), 0.000009f);
    EXPECT_EQ(p.GetY(), -0.000009f);
    EXPECT_EQ(p.GetW(), 1.0f);
}

TEST(VectorTest, ArithmeticSnapsAndGivesWOne) {
    Vector a;
    a.Set(1.0f, 0.0f, 0.0f, 7.0f);
    Vector b;
    b.Set(-0.999995f, 0.0f, 0.0f, 0.0f);
    ExpectVector(a + b, 0.0f, 0.0f, 0.0f, 1.0f);
    ExpectVector(a * 2.0f, 2.0f, 0.0f, 0.0f, 1.0f);
    ExpectVector(a.Cross(Vector(0.0f, 1.0f, 0.0f)), 0.0f, 0.0f, 1.0f, 1.0f);
    const Vector odd(0.3f, -1.7f, 2.9f);
    ExpectVector(odd.Cross(odd), 0.0f, 0.0f, 0.0f, 1.0f);
    ExpectVector(Vector(0.0f, 0.0f, -7.0f).Normalized(), 0.0f, 0.0f, -1.0f, 1.0f);
    EXPECT_EQ(Vector(3.0f, 4.0f, 0.0f).Length(), 5.0f);
    EXPECT_EQ(Vector(1.0f, 2.0f, 3.0f).Dot(Vector(4.0f, -5.0f, 6.0f)), 12.0f);
    EXPECT_FALSE(a.PointsAlong(Vector(0.0f, 1.0f, 0.0f)));
    EXPECT_TRUE(a.PointsAlong(Vector(1.0f, 1.0f, 0.0f)));
    EXPECT_FALSE(a.PointsAlong(Vector(-1.0f, 0.0f, 0.0f)));

    Point p(1.0f, 2.0f, 3.0f, 0.0f);
    const Point moved = p + Vector(1.0f, 1.0f, 1.0f);
    EXPECT_EQ(moved.GetZ(), 4.0f);
    EXPECT_EQ(moved.GetW(), 1.0f);
    EXPECT_EQ((p + p).GetW(), 1.0f);
}

TEST(VectorTest, IndexedAccessOutsideZeroToThreeIsHarmless) {
    Vector v(1.0f, 2.0f, 3.0f);
    Point p(1.0f, 2.0f, 3.0f);
    for (const int i : {-1, 4}) {
        EXPECT_EQ(v[i], -99999.0f);
        EXPECT_EQ(p[i], -99999.0f);
        v.SetComponent(i, 8.0f);
        p.SetComponent(i, 8.0f);
    }
    ExpectVector(v, 1.0f, 2.0f, 3.0f, 1.0f);
    EXPECT_EQ(p[0] + p[1] + p[2] + p[3], 7.0f);
    v.SetComponent(3, 5.0f);
    EXPECT_EQ(v[3], 5.0f);
}

TEST(VectorTest, PrintFormats) {
    testing::internal::CaptureStdout();
    Vector().Print();
    Vector(3.0f, -4.5f, 0.0f).Print();
    Point(1.5f, -2.0f, 0.000009f).Print();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "X:0 |Y: 0|Z: 0| W:1 |length: 0\n"
              "X:3 |Y: -4.5|Z: 0| W:1 |length: 5.40833\n"
              "X:1.5 |Y: -2|Z: 9e-06| W:1 \n");
}
