#include "city/SceneObject.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Floats4 = std::array<GLfloat, 4>;

Floats4 Xyzw(const Point& p) {
    return {p.GetX(), p.GetY(), p.GetZ(), p.GetW()};
}

// Records the modelview and colour that OpenGL held while the geometry was issued.
class ProbeObject : public SceneObject {
public:
    void DrawGeometry() override {
        modelview = GlFloats(GL_MODELVIEW_MATRIX);
        colour = GlFloats<4>(GL_CURRENT_COLOR);
    }
    std::array<GLfloat, 16> modelview{};
    Floats4 colour{};
};

} // namespace

TEST(SceneObjectTest, PlacementMovesWorldUnitsAndKeepsTheInverse) {
    ProbeObject object;
    object.Scale(5, 5, 5);
    object.Translate(10, 0, -20);
    EXPECT_EQ(Xyzw(object.GetModelMatrix() * Point()), (Floats4{10, 0, -20, 1}));
    EXPECT_EQ(Xyzw(object.GetBoundingBox().UpperFarCorner), (Floats4{15, 5, -15, 1}));
    object.RotateZ(90);
    object.Translate(1, 0, 0); // along its own x axis, now world +y
    const Point origin = object.GetModelMatrix() * Point();
    EXPECT_EQ(Xyzw(origin), (Floats4{10, 1, -20, 1}));
    EXPECT_EQ(Xyzw(object.GetInverseMatrix() * origin), (Floats4{0, 0, 0, 1}));

    // A flat tile (zero height) must keep a finite, drawable matrix.
    ProbeObject tile;
    tile.Scale(50, 50, 0);
    tile.Translate(100, 200, 0);
    const float* m = tile.GetModelMatrix().Data();
    EXPECT_TRUE(std::all_of(m, m + 16, [](const float e) { return std::isfinite(e); }));
    EXPECT_EQ(Xyzw(tile.GetModelMatrix() * Point(1, 1, 1)), (Floats4{150, 250, 0, 1}));
    tile.ResetPlacement();
    EXPECT_EQ(Xyzw(tile.GetModelMatrix() * Point(1, 1, 1)), (Floats4{1, 1, 1, 1}));
}

using SceneObjectGlTest = GlTest;

TEST_F(SceneObjectGlTest, SceneObjectDrawLoadsModelMatrixThenRestores) {
    ProbeObject object;
    object.Translate(3, 4, 5);
    object.RotateX(30);
    object.SetColour(1, 0, 0.25f);
    glTranslatef(7, 8, 9);
    const auto before = GlFloats(GL_MODELVIEW_MATRIX);
    object.Draw();
    const float* m = object.GetModelMatrix().Data();
    EXPECT_TRUE(std::equal(m, m + 16, object.modelview.begin()));
    EXPECT_EQ(object.colour, (Floats4{1, 0, 0.25f, 1}));
    EXPECT_EQ(GlFloats(GL_MODELVIEW_MATRIX), before);
    EXPECT_EQ(GlFloats<4>(GL_CURRENT_COLOR), (Floats4{0.5f, 0.5f, 0.5f, 1}));
}
