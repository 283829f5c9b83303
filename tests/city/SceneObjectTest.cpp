#include "city/SceneObject.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

using Floats16 = std::array<GLfloat, 16>;
using Floats4 = std::array<GLfloat, 4>;

Floats4 Xyzw(const Point& p) { return {p.GetX(), p.GetY(), p.GetZ(), p.GetW()}; }
Floats16 Elements(const Matrix& m) {
    Floats16 out;
    std::copy(m.Data(), m.Data() + 16, out.begin());
    return out;
}

// Records the modelview and colour that OpenGL held while the geometry was issued.
class ProbeObject : public SceneObject {
public:
    void DrawGeometry() override {
        glGetFloatv(GL_MODELVIEW_MATRIX, modelview.data());
        glGetFloatv(GL_CURRENT_COLOR, colour.data());
    }
    Floats16 modelview{};
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
    for (const float element : Elements(tile.GetModelMatrix())) {
        EXPECT_TRUE(std::isfinite(element));
    }
    EXPECT_EQ(Xyzw(tile.GetModelMatrix() * Point(1, 1, 1)), (Floats4{150, 250, 0, 1}));
    tile.ResetPlacement();
    EXPECT_EQ(Xyzw(tile.GetModelMatrix() * Point(1, 1, 1)), (Floats4{1, 1, 1, 1}));
    EXPECT_EQ(tile.GetScale().GetZ(), 1.0f);
}

TEST_F(GlTest, SceneObjectDrawLoadsModelMatrixThenRestores) {
    ProbeObject object;
    object.Translate(3, 4, 5);
    object.RotateX(30);
    object.SetColour(1, 0, 0.25f);
    glTranslatef(7, 8, 9);
    Floats16 before;
    glGetFloatv(GL_MODELVIEW_MATRIX, before.data());
    object.Draw();
    EXPECT_EQ(object.modelview, Elements(object.GetModelMatrix()));
    EXPECT_EQ(object.colour, (Floats4{1, 0, 0.25f, 1}));
    Floats16 after;
    glGetFloatv(GL_MODELVIEW_MATRIX, after.data());
    EXPECT_EQ(after, before);
    Floats4 colour;
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    EXPECT_EQ(colour, (Floats4{0.5f, 0.5f, 0.5f, 1}));
}
