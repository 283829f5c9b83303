#include "geometry/Matrix.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Xyzw4 = std::array<float, 4>;
template <typename T> Xyzw4 Xyzw(const T& v) { return {v[0], v[1], v[2], v[3]}; }

// Off-diagonal elements must be exactly 0: residues would drift into placements.
void ExpectIdentity(const Matrix& m) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(m.Data()[i], i % 5 == 0 ? 1.0f : 0.0f, i % 5 == 0 ? 1e-7f : 0.0f) << i;
    }
}

} // namespace

TEST(MatrixTest, TranslationAndRightAngleRotations) {
    Matrix m;
    m.SetTranslation(1, 2, 3);
    EXPECT_EQ((Xyzw4{m.Data()[12], m.Data()[13], m.Data()[14], m.Data()[15]}), (Xyzw4{1, 2, 3, 1}));
    EXPECT_EQ(Xyzw(m * Point()), (Xyzw4{1, 2, 3, 1}));
    EXPECT_EQ(Xyzw(m * Point(5, 5, 5, 0)), (Xyzw4{5, 5, 5, 0}));
    m.SetRotationZ(90);
    EXPECT_EQ(Xyzw(m * Vector(1, 0, 0)), (Xyzw4{0, 1, 0, 1}));
    m.SetRotationX(90);
    EXPECT_EQ(Xyzw(m * Vector(0, 1, 0)), (Xyzw4{0, 0, 1, 1}));
    m.SetRotationY(90);
    EXPECT_EQ(Xyzw(m * Vector(0, 0, 1)), (Xyzw4{1, 0, 0, 1}));
    EXPECT_EQ(Xyzw(m * Point(0, 0, 1)), (Xyzw4{1, 0, 0, 1}));
}

TEST(MatrixTest, BuildersTimesTheirInversesAreTheIdentity) {
    Matrix m;
    Matrix inverse;
    m.SetRotationY(30);
    inverse.SetInverseRotationY(30);
    ExpectIdentity(m * inverse);
    m.SetRotationZ(-123);
    inverse.SetInverseRotationZ(-123);
    ExpectIdentity(inverse * m);
    m.SetTranslation(17.5f, -3, 1e4f);
    inverse.SetInverseTranslation(17.5f, -3, 1e4f);
    ExpectIdentity(m * inverse);
    m.SetScale(2, 4, 8);
    inverse.SetInverseScale(2, 4, 8);
    ExpectIdentity(m * inverse);
}

TEST(MatrixTest, ProductOrderAndPrint) {
    Matrix t;
    Matrix s;
    t.SetTranslation(10, 0, 0);
    s.SetScale(2, 3, 4);
    // Column vectors: the right-hand factor acts first.
    EXPECT_EQ(((t * s) * Point(1, 1, 1)).GetX(), 12.0f);
    EXPECT_EQ(((s * t) * Point(1, 1, 1)).GetX(), 22.0f);
    testing::internal::CaptureStdout();
    (t * s).Print();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\n2 | 0 | 0 | 10 | \n0 | 3 | 0 | 0 | \n0 | 0 | 4 | 0 | \n0 | 0 | 0 | 1 | \n");
}
