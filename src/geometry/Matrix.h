#pragma once

#include "geometry/Point.h"
#include "geometry/Vector.h"

#include <type_traits>

// Matrix: a 4x4 float transform stored column by column, as OpenGL expects,
// so a placement can be handed to glLoadMatrixf as it is. Points and vectors
// are column vectors multiplied on the right. Each elementary builder has a
// matching inverse builder, so owners keep a matrix and its inverse in step
// without inverting a general matrix.
class Matrix {
public:
    // Elements are left uninitialised; every builder overwrites all sixteen.
    Matrix() = default;

    float Get(const int row, const int column) const { return m[row + 4 * column]; }
    void Set(const int row, const int column, const float value) { m[row + 4 * column] = value; }
    const float* Data() const { return m; }

    Matrix operator*(const Matrix& b) const {
        Matrix product;
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j) {
                float sum = 0.0f;
                for (int k = 0; k < 4; ++k) {
                    sum += Get(i, k) * b.Get(k, j);
                }
                product.Set(i, j, Vector::Snap(sum));
            }
        }
        return product;
    }

    Point operator*(const Point& p) const { return Transform<Point>(p); }
    Vector operator*(const Vector& v) const { return Transform<Vector>(v); }

    void SetIdentity();
    void SetTranslation(float x, float y, float z);
    void SetInverseTranslation(float x, float y, float z);
    void SetScale(float sx, float sy, float sz);
    void SetInverseScale(float sx, float sy, float sz);
    void SetRotationX(float degrees);
    void SetInverseRotationX(float degrees);
    void SetRotationY(float degrees);
    void SetInverseRotationY(float degrees);
    void SetRotationZ(float degrees);
    void SetInverseRotationZ(float degrees);

    // The four rows on standard output, for debugging.
    void Print() const;

private:
    template <typename T> T Transform(const T& operand) const {
        T result;
        for (int i = 0; i < 4; ++i) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += Get(i, k) * operand[k];
            }
            result.SetComponent(i, Vector::Snap(sum));
        }
        return result;
    }

    float m[16];
};

static_assert(std::is_trivially_copyable_v<Matrix>);
static_assert(sizeof(Matrix) == 64);
