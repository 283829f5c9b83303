#include "geometry/Placement.h"

#include "legacygl/Gl.h"

void Placement::Apply() const {
    for (int i = 0; i < count; ++i) {
        const Step& step = steps[i];
        switch (step.kind) {
        case Step::Translate:
            gl::Translatef(step.x, step.y, step.z);
            break;
        case Step::RotateX:
            gl::Rotatef(step.x, 1.0f, 0.0f, 0.0f);
            break;
        case Step::RotateZ:
            gl::Rotatef(step.x, 0.0f, 0.0f, 1.0f);
            break;
        case Step::Scale:
            gl::Scalef(step.x, step.y, step.z);
            break;
        }
    }
}

Matrix Placement::ToMatrix() const {
    Matrix product;
    product.SetIdentity();
    for (int i = 0; i < count; ++i) {
        const Step& step = steps[i];
        Matrix m;
        switch (step.kind) {
        case Step::Translate:
            m.SetTranslation(step.x, step.y, step.z);
            break;
        case Step::RotateX:
            m.SetRotationX(step.x);
            break;
        case Step::RotateZ:
            m.SetRotationZ(step.x);
            break;
        case Step::Scale:
            m.SetScale(step.x, step.y, step.z);
            break;
        }
        product = product * m;
    }
    return product;
}

Vector Placement::ScaleFactors() const {
    float x = 1.0f;
    float y = 1.0f;
    float z = 1.0f;
    for (int i = 0; i < count; ++i) {
        if (steps[i].kind == Step::Scale) {
            x *= steps[i].x;
            y *= steps[i].y;
            z *= steps[i].z;
        }
    }
    return Vector(x, y, z);
}
