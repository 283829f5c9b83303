#include "city/SceneObject.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// Records what OpenGL held while the geometry was issued.
class ProbeObject : public SceneObject {
public:
    void DrawGeometry() override {
        glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
        glGetFloatv(GL_CURRENT_COLOR, colourSeen);
    }
    GLfloat modelview[16] = {};
    GLfloat colourSeen[4] = {};
};

} // namespace

TEST(SceneObjectTest, TranslateAfterScaleMovesWorldUnits) {
    ProbeObject object;
    object.Scale(5.0f, 5.0f, 5.0f);
    object.Translate(10.0f, 0.0f, -20.0f);
    const Matrix& model = object.GetModelMatrix();
    EXPECT_EQ(model.Get(0, 3), 10.0f);
    EXPECT_EQ(model.Get(2, 3), -20.0f);
    EXPECT_EQ(model.Get(0, 0), 5.0f);
    EXPECT_EQ(object.GetBoundingBox().GetCenter().GetX(), 10.0f);
    EXPECT_EQ(object.GetBoundingBox().GetWidth(), 10.0f);
    const Point back = object.GetInverseMatrix() * Point(10.0f, 0.0f, -20.0f);
    EXPECT_EQ(back.GetX(), 0.0f);
    EXPECT_EQ(back.GetZ(), 0.0f);

    // A second Scale replaces the factors, so steps are divided by the new ones.
    object.Scale(2.0f, 2.0f, 2.0f);
    object.Translate(0.0f, 10.0f, 0.0f);
    EXPECT_EQ(object.GetScale().GetY(), 2.0f);
    EXPECT_EQ(object.GetModelMatrix().Get(1, 3), 50.0f);

    object.ResetPlacement();
    EXPECT_EQ(object.GetModelMatrix().Get(0, 3), 0.0f);
    EXPECT_EQ(object.GetScale().GetX(), 1.0f);
    EXPECT_EQ(object.GetBoundingBox().GetCenter().GetX(), 10.0f);
}

TEST(SceneObjectTest, FlatAndRotatedPlacements) {
    ProbeObject tile;
    tile.Scale(50.0f, 50.0f, 0.0f);
    tile.Translate(100.0f, 200.0f, 0.0f);
    for (int i = 0; i < 16; ++i) {
        EXPECT_TRUE(std::isfinite(tile.GetModelMatrix().Data()[i])) << i;
    }
    EXPECT_EQ(tile.GetModelMatrix().Get(1, 3), 200.0f);
    EXPECT_EQ(tile.GetBoundingBox().GetHeight(), 0.0f);

    ProbeObject car;
    car.Translate(5.0f, 0.0f, 0.0f);
    car.RotateZ(90.0f);
    car.Translate(1.0f, 0.0f, 0.0f); // along its own x axis, now world +y
    const Point origin = car.GetModelMatrix() * Point();
    EXPECT_EQ(origin.GetX(), 5.0f);
    EXPECT_EQ(origin.GetY(), 1.0f);
    const Point local = car.GetInverseMatrix() * origin;
    EXPECT_EQ(local.GetX(), 0.0f);
    EXPECT_EQ(local.GetY(), 0.0f);
}

TEST_F(GlTest, SceneObjectDrawLoadsModelMatrixThenRestores) {
    ProbeObject object;
    object.Translate(3.0f, 4.0f, 5.0f);
    object.RotateX(30.0f);
    object.SetColour(1.0f, 0.0f, 0.25f);
    glTranslatef(7.0f, 8.0f, 9.0f);
    GLfloat before[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, before);

    object.Draw();
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(object.modelview[i], object.GetModelMatrix().Data()[i]) << i;
    }
    EXPECT_EQ(object.colourSeen[0], 1.0f);
    EXPECT_EQ(object.colourSeen[2], 0.25f);
    GLfloat after[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(after[i], before[i]) << i;
    }
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[0], 0.5f);
    EXPECT_EQ(colour[1], 0.5f);
    EXPECT_EQ(colour[2], 0.5f);
}
