#include "city/SceneObject.h"

#include "legacygl/Gl.h"

SceneObject::SceneObject() {
    inverse.SetIdentity();
    ResetPlacement();
}

void SceneObject::Apply(const Matrix& transform, const Matrix& inverseTransform) {
    model = model * transform;
    inverse = inverseTransform * inverse;
    box.Reset();
    box.TransformBy(model);
}

void SceneObject::Translate(const float x, const float y, const float z) {
    // The model matrix scales what follows it, so the step is divided by the
    // scale to move by world units. An axis scaled to 0 is flat: no object-space
    // step can move along it, and dividing would poison the matrix with NaN.
    const auto objectStep = [](const float world, const float factor) {
        return factor != 0.0f ? world / factor : 0.0f;
    };
    const float ox = objectStep(x, scale.GetX());
    const float oy = objectStep(y, scale.GetY());
    const float oz = objectStep(z, scale.GetZ());
    Matrix t;
    Matrix tInverse;
    t.SetTranslation(ox, oy, oz);
    tInverse.SetInverseTranslation(ox, oy, oz);
    Apply(t, tInverse);
}

void SceneObject::Scale(const float sx, const float sy, const float sz) {
    scale.Set(sx, sy, sz);
    Matrix s;
    Matrix sInverse;
    s.SetScale(sx, sy, sz);
    sInverse.SetInverseScale(sx, sy, sz);
    Apply(s, sInverse);
}

void SceneObject::Rotate(void (Matrix::*build)(float), void (Matrix::*buildInverse)(float),
                         const float degrees) {
    Matrix r;
    Matrix rInverse;
    (r.*build)(degrees);
    (rInverse.*buildInverse)(degrees);
    Apply(r, rInverse);
}

void SceneObject::RotateX(const float degrees) {
    Rotate(&Matrix::SetRotationX, &Matrix::SetInverseRotationX, degrees);
}

void SceneObject::RotateY(const float degrees) {
    Rotate(&Matrix::SetRotationY, &Matrix::SetInverseRotationY, degrees);
}

void SceneObject::RotateZ(const float degrees) {
    Rotate(&Matrix::SetRotationZ, &Matrix::SetInverseRotationZ, degrees);
}

void SceneObject::SetColour(const float r, const float g, const float b) {
    colour[0] = r;
    colour[1] = g;
    colour[2] = b;
}

void SceneObject::ResetPlacement() {
    model.SetIdentity();
    scale.Set(1.0f, 1.0f, 1.0f);
}

void SceneObject::PlaceAt(const float x, const float y, const float z) {
    ResetPlacement();
    Translate(x, y, z);
}

void SceneObject::Draw() {
    gl::MatrixMode(GL_MODELVIEW);
    gl::PushMatrix();
    gl::LoadMatrixf(model.Data());
    gl::Color3f(colour[0], colour[1], colour[2]);
    DrawGeometry();
    gl::Color3f(neutralGrey, neutralGrey, neutralGrey);
    gl::PopMatrix();
    if (showBox != 0) {
        box.Draw();
    }
}
