#pragma once

#include "geometry/BoundingBox.h"
#include "geometry/Matrix.h"
#include "geometry/Vector.h"

// SceneObject: the base of everything placed in the world (map objects,
// actors, the bird's parts and droppings).
//
// It keeps the model matrix together with its inverse, a colour, the factors
// of the last scaling and a world-space bounding box that follows every
// placement change. The camera lives in the projection matrix, so drawing
// loads the model matrix as the whole modelview matrix.
class SceneObject {
public:
    SceneObject();

    // Issues the object's geometry in object space.
    virtual void DrawGeometry() = 0;
    virtual ~SceneObject() = default;

    // Moves the object by (x, y, z) world units, whatever its scale.
    void Translate(float x, float y, float z);
    void Translate(const Vector& step) { Translate(step.GetX(), step.GetY(), step.GetZ()); }
    // Scales the object; the factors replace those of the previous Scale.
    void Scale(float sx, float sy, float sz);
    void RotateX(float degrees);
    void RotateY(float degrees);
    void RotateZ(float degrees);
    void SetColour(float r, float g, float b);
    // Identity placement and unit scale; inverse, colour and box stay.
    void ResetPlacement();
    // ResetPlacement, then a translation to (x, y, z).
    void PlaceAt(float x, float y, float z);
    void Draw();

    const Matrix& GetModelMatrix() const { return model; }
    const Matrix& GetInverseMatrix() const { return inverse; }
    const BoundingBox& GetBoundingBox() const { return box; }
    const Vector& GetScale() const { return scale; }
    const float* GetColour() const { return colour; }
    void SetShowBox(const int show) { showBox = show; }

    static constexpr float neutralGrey = 0.5f;

protected:
    // Applies T to the placement: model := model T, inverse := Tinv inverse.
    void Apply(const Matrix& transform, const Matrix& inverseTransform);
    void Rotate(void (Matrix::*build)(float), void (Matrix::*buildInverse)(float), float degrees);

    Matrix model;
    Matrix inverse;
    float colour[3] = {neutralGrey, neutralGrey, neutralGrey};
    BoundingBox box;
    Vector scale;
    int showBox = 0;
};
