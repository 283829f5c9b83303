#pragma once

#include <cmath>
#include <numbers>

// Mat4: a 4 by 4 float matrix in OpenGL's column order, with the products
// and builders the fixed-function matrix stacks need.
struct Mat4 {
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    static Mat4 FromArray(const float* values) {
        Mat4 r;
        for (int i = 0; i < 16; ++i) {
            r.m[i] = values[i];
        }
        return r;
    }
    float operator()(const int row, const int column) const { return m[column * 4 + row]; }
    float& operator()(const int row, const int column) { return m[column * 4 + row]; }

    Mat4 operator*(const Mat4& b) const {
        Mat4 r;
        for (int c = 0; c < 4; ++c) {
            for (int row = 0; row < 4; ++row) {
                float sum = 0.0f;
                for (int k = 0; k < 4; ++k) {
                    sum += (*this)(row, k) * b(k, c);
                }
                r(row, c) = sum;
            }
        }
        return r;
    }
    // This matrix times the column (x, y, z, w).
    void Transform(const float in[4], float out[4]) const {
        for (int row = 0; row < 4; ++row) {
            out[row] = (*this)(row, 0) * in[0] + (*this)(row, 1) * in[1] + (*this)(row, 2) * in[2] +
                       (*this)(row, 3) * in[3];
        }
    }

    static Mat4 Translation(const float x, const float y, const float z) {
        Mat4 r;
        r(0, 3) = x;
        r(1, 3) = y;
        r(2, 3) = z;
        return r;
    }
    static Mat4 Scale(const float x, const float y, const float z) {
        Mat4 r;
        r(0, 0) = x;
        r(1, 1) = y;
        r(2, 2) = z;
        return r;
    }
    // A rotation by `degrees` about the axis (x, y, z), counter-clockwise
    // looking down the axis towards the origin.
    static Mat4 Rotation(const float degrees, float x, float y, float z) {
        Mat4 r;
        const float length = std::sqrt(x * x + y * y + z * z);
        if (length == 0.0f) {
            return r;
        }
        x /= length;
        y /= length;
        z /= length;
        const float radians = degrees * std::numbers::pi_v<float> / 180.0f;
        const float c = std::cos(radians);
        const float s = std::sin(radians);
        const float t = 1.0f - c;
        r(0, 0) = x * x * t + c;
        r(0, 1) = x * y * t - z * s;
        r(0, 2) = x * z * t + y * s;
        r(1, 0) = y * x * t + z * s;
        r(1, 1) = y * y * t + c;
        r(1, 2) = y * z * t - x * s;
        r(2, 0) = z * x * t - y * s;
        r(2, 1) = z * y * t + x * s;
        r(2, 2) = z * z * t + c;
        return r;
    }
    static Mat4 Ortho(const double left, const double right, const double bottom, const double top,
                      const double nearVal, const double farVal) {
        Mat4 r;
        r(0, 0) = static_cast<float>(2.0 / (right - left));
        r(1, 1) = static_cast<float>(2.0 / (top - bottom));
        r(2, 2) = static_cast<float>(-2.0 / (farVal - nearVal));
        r(0, 3) = static_cast<float>(-(right + left) / (right - left));
        r(1, 3) = static_cast<float>(-(top + bottom) / (top - bottom));
        r(2, 3) = static_cast<float>(-(farVal + nearVal) / (farVal - nearVal));
        return r;
    }
    static Mat4 Perspective(const double fovy, const double aspect, const double zNear,
                            const double zFar) {
        Mat4 r;
        const double radians = fovy / 2.0 * std::numbers::pi / 180.0;
        const double depth = zFar - zNear;
        const double sine = std::sin(radians);
        if (depth == 0.0 || sine == 0.0 || aspect == 0.0) {
            return r;
        }
        const double cotangent = std::cos(radians) / sine;
        r(0, 0) = static_cast<float>(cotangent / aspect);
        r(1, 1) = static_cast<float>(cotangent);
        r(2, 2) = static_cast<float>(-(zFar + zNear) / depth);
        r(3, 2) = -1.0f;
        r(2, 3) = static_cast<float>(-2.0 * zNear * zFar / depth);
        r(3, 3) = 0.0f;
        return r;
    }

    // The inverse, by cofactors; the identity when there is none.
    Mat4 Inverse() const;
};

inline Mat4 Mat4::Inverse() const {
    const float* a = m;
    float inv[16];
    inv[0] = a[5] * a[10] * a[15] - a[5] * a[11] * a[14] - a[9] * a[6] * a[15] +
             a[9] * a[7] * a[14] + a[13] * a[6] * a[11] - a[13] * a[7] * a[10];
    inv[4] = -a[4] * a[10] * a[15] + a[4] * a[11] * a[14] + a[8] * a[6] * a[15] -
             a[8] * a[7] * a[14] - a[12] * a[6] * a[11] + a[12] * a[7] * a[10];
    inv[8] = a[4] * a[9] * a[15] - a[4] * a[11] * a[13] - a[8] * a[5] * a[15] +
             a[8] * a[7] * a[13] + a[12] * a[5] * a[11] - a[12] * a[7] * a[9];
    inv[12] = -a[4] * a[9] * a[14] + a[4] * a[10] * a[13] + a[8] * a[5] * a[14] -
              a[8] * a[6] * a[13] - a[12] * a[5] * a[10] + a[12] * a[6] * a[9];
    inv[1] = -a[1] * a[10] * a[15] + a[1] * a[11] * a[14] + a[9] * a[2] * a[15] -
             a[9] * a[3] * a[14] - a[13] * a[2] * a[11] + a[13] * a[3] * a[10];
    inv[5] = a[0] * a[10] * a[15] - a[0] * a[11] * a[14] - a[8] * a[2] * a[15] +
             a[8] * a[3] * a[14] + a[12] * a[2] * a[11] - a[12] * a[3] * a[10];
    inv[9] = -a[0] * a[9] * a[15] + a[0] * a[11] * a[13] + a[8] * a[1] * a[15] -
             a[8] * a[3] * a[13] - a[12] * a[1] * a[11] + a[12] * a[3] * a[9];
    inv[13] = a[0] * a[9] * a[14] - a[0] * a[10] * a[13] - a[8] * a[1] * a[14] +
              a[8] * a[2] * a[13] + a[12] * a[1] * a[10] - a[12] * a[2] * a[9];
    inv[2] = a[1] * a[6] * a[15] - a[1] * a[7] * a[14] - a[5] * a[2] * a[15] + a[5] * a[3] * a[14] +
             a[13] * a[2] * a[7] - a[13] * a[3] * a[6];
    inv[6] = -a[0] * a[6] * a[15] + a[0] * a[7] * a[14] + a[4] * a[2] * a[15] -
             a[4] * a[3] * a[14] - a[12] * a[2] * a[7] + a[12] * a[3] * a[6];
    inv[10] = a[0] * a[5] * a[15] - a[0] * a[7] * a[13] - a[4] * a[1] * a[15] +
              a[4] * a[3] * a[13] + a[12] * a[1] * a[7] - a[12] * a[3] * a[5];
    inv[14] = -a[0] * a[5] * a[14] + a[0] * a[6] * a[13] + a[4] * a[1] * a[14] -
              a[4] * a[2] * a[13] - a[12] * a[1] * a[6] + a[12] * a[2] * a[5];
    inv[3] = -a[1] * a[6] * a[11] + a[1] * a[7] * a[10] + a[5] * a[2] * a[11] -
             a[5] * a[3] * a[10] - a[9] * a[2] * a[7] + a[9] * a[3] * a[6];
    inv[7] = a[0] * a[6] * a[11] - a[0] * a[7] * a[10] - a[4] * a[2] * a[11] + a[4] * a[3] * a[10] +
             a[8] * a[2] * a[7] - a[8] * a[3] * a[6];
    inv[11] = -a[0] * a[5] * a[11] + a[0] * a[7] * a[9] + a[4] * a[1] * a[11] - a[4] * a[3] * a[9] -
              a[8] * a[1] * a[7] + a[8] * a[3] * a[5];
    inv[15] = a[0] * a[5] * a[10] - a[0] * a[6] * a[9] - a[4] * a[1] * a[10] + a[4] * a[2] * a[9] +
              a[8] * a[1] * a[6] - a[8] * a[2] * a[5];
    const float det = a[0] * inv[0] + a[1] * inv[4] + a[2] * inv[8] + a[3] * inv[12];
    if (det == 0.0f) {
        return Mat4{};
    }
    Mat4 r;
    for (int i = 0; i < 16; ++i) {
        r.m[i] = inv[i] / det;
    }
    return r;
}
