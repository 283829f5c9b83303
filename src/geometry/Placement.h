#pragma once

#include "geometry/Matrix.h"
#include "geometry/Vector.h"

// Placement: where a part of a model goes, as the few translations,
// rotations about x or z and scalings that put it there, in the order they
// are applied to the modelview matrix. One description serves both ways of
// drawing the part: through GL's matrix stack, or with its corners placed on
// the CPU through the same product.
class Placement {
public:
    static constexpr int maxSteps = 4;

    Placement& Translate(float x, float y, float z) { return Add({Step::Translate, x, y, z}); }
    Placement& RotateX(const float degrees) { return Add({Step::RotateX, degrees, 0.0f, 0.0f}); }
    Placement& RotateZ(const float degrees) { return Add({Step::RotateZ, degrees, 0.0f, 0.0f}); }
    Placement& Scale(float x, float y, float z) { return Add({Step::Scale, x, y, z}); }

    // glTranslatef, glRotatef and glScalef on the current matrix, in order.
    void Apply() const;
    // The product of the steps, as GL builds it.
    Matrix ToMatrix() const;
    // The factors of all the scalings together, for carrying normals.
    Vector ScaleFactors() const;

private:
    struct Step {
        enum Kind { Translate, RotateX, RotateZ, Scale } kind;
        float x, y, z; // a rotation's degrees in x
    };

    Placement& Add(const Step& step) {
        if (count < maxSteps) {
            steps[count++] = step;
        }
        return *this;
    }

    Step steps[maxSteps] = {};
    int count = 0;
};
