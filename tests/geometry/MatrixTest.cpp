#include "geometry/Matrix.h"

#include <gtest/gtest.h>

namespace {

void ExpectIdentity(const Matrix& m) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (r == c) {
                EXPECT_FLOAT_EQ(m.Get(r, c), 1.0f) << r;
            } else {
                EXPECT_EQ(m.Get(r, c), 0.0f) << r << "," << c;
            }
        }
    }
}

} // namespace

TEST(MatrixTest, TranslationMovesPointsWithWOneOnly) {
    Matrix t;
    t.SetTranslation(1.0f, 2.0f, 3.0f);
    EXPECT_EQ(t.Data()[12], 1.0f);
    EXPECT_EQ(t.Data()[13], 2.0f);
    EXPECT_EQ(t.Data()[14], 3.0f);
    const Point moved = t * Point();
    EXPECT_EQ(moved.GetX(), 1.0f);
    EXPECT_EQ(moved.GetY(), 2.0f);
    EXPECT_EQ(moved.GetZ(), 3.0f);
    EXPECT_EQ(moved.GetW(), 1.0f);
    const Point direction = t * Point(5.0f, 5.0f, 5.0f, 0.0f);
    EXPECT_EQ(direction.GetX(), 5.0f);
    EXPECT_EQ(direction.GetZ(), 5.0f);
    EXPECT_EQ(direction.GetW(), 0.0f);
}

TEST(MatrixTest, RightAngleRotationsLeaveNoResidue) {
    Matrix r;
    r.SetRotationZ(90.0f);
    Vector v = r * Vector(1.0f, 0.0f, 0.0f);
    EXPECT_EQ(v.GetX(), 0.0f);
    EXPECT_EQ(v.GetY(), 1.0f);
    EXPECT_EQ(v.GetZ(), 0.0f);
    r.SetRotationX(90.0f);
    v = r * Vector(0.0f, 1.0f, 0.0f);
    EXPECT_EQ(v.GetY(), 0.0f);
    EXPECT_EQ(v.GetZ(), 1.0f);
    r.SetRotationY(90.0f);
    v = r * Vector(0.0f, 0.0f, 1.0f);
    EXPECT_EQ(v.GetX(), 1.0f);
    EXPECT_EQ(v.GetZ(), 0.0f);
    // Points snap too: the residue would otherwise survive in a box corner.
    const Point p = r * Point(0.0f, 0.0f, 1.0f);
    EXPECT_EQ(p.GetZ(), 0.0f);
    EXPECT_EQ(p.GetW(), 1.0f);
}

TEST(MatrixTest, EveryBuilderTimesItsInverseIsTheIdentity) {
    Matrix m;
    Matrix inverse;
    m.SetRotationY(30.0f);
    inverse.SetInverseRotationY(30.0f);
    ExpectIdentity(m * inverse);
    m.SetRotationX(-47.0f);
    inverse.SetInverseRotationX(-47.0f);
    ExpectIdentity(inverse * m);
    m.SetRotationZ(123.0f);
    inverse.SetInverseRotationZ(123.0f);
    ExpectIdentity(m * inverse);
    m.SetTranslation(17.5f, -3.0f, 1e4f);
    inverse.SetInverseTranslation(17.5f, -3.0f, 1e4f);
    ExpectIdentity(m * inverse);
    m.SetScale(2.0f, 4.0f, 8.0f);
    inverse.SetInverseScale(2.0f, 4.0f, 8.0f);
    ExpectIdentity(m * inverse);
}

TEST(MatrixTest, ProductOrderAndPrint) {
    Matrix t;
    Matrix s;
    t.SetTranslation(10.0f, 0.0f, 0.0f);
    s.SetScale(2.0f, 3.0f, 4.0f);
    // Column vectors: the right-hand factor acts first.
    EXPECT_EQ(((t * s) * Point(1.0f, 1.0f, 1.0f)).GetX(), 12.0f);
    EXPECT_EQ(((s * t) * Point(1.0f, 1.0f, 1.0f)).GetX(), 22.0f);
    testing::internal::CaptureStdout();
    (t * s).Print();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\n2 | 0 | 0 | 10 | \n0 | 3 | 0 | 0 | \n0 | 0 | 4 | 0 | \n0 | 0 | 0 | 1 | \n");
}
