#include "geometry/Matrix.h"

#include "geometry/Angle.h"

#include <cmath>
#include <iostream>

namespace {

struct SineCosine {
    float s;
    float c;
};

SineCosine Angle(const float degrees) {
    const double radians = degrees * degreesToRadians;
    return {static_cast<float>(std::sin(radians)), static_cast<float>(std::cos(radians))};
}

} // namespace

void Matrix::SetIdentity() {
    for (int i = 0; i < 16; ++i) {
        m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
    }
}

void Matrix::SetTranslation(const float x, const float y, const float z) {
    SetIdentity();
    Set(0, 3, x);
    Set(1, 3, y);
    Set(2, 3, z);
}

void Matrix::SetInverseTranslation(const float x, const float y, const float z) {
    SetTranslation(-x, -y, -z);
}

void Matrix::SetScale(const float sx, const float sy, const float sz) {
    SetIdentity();
    Set(0, 0, sx);
    Set(1, 1, sy);
    Set(2, 2, sz);
}

void Matrix::SetInverseScale(const float sx, const float sy, const float sz) {
    SetScale(1.0f / sx, 1.0f / sy, 1.0f / sz);
}

void Matrix::SetRotationX(const float degrees) {
    const auto [s, c] = Angle(degrees);
    SetIdentity();
    Set(1, 1, c);
    Set(1, 2, -s);
    Set(2, 1, s);
    Set(2, 2, c);
}

void Matrix::SetInverseRotationX(const float degrees) { SetRotationX(-degrees); }

void Matrix::SetRotationY(const float degrees) {
    const auto [s, c] = Angle(degrees);
    SetIdentity();
    Set(0, 0, c);
    Set(0, 2, s);
    Set(2, 0, -s);
    Set(2, 2, c);
}

void Matrix::SetInverseRotationY(const float degrees) { SetRotationY(-degrees); }

void Matrix::SetRotationZ(const float degrees) {
    const auto [s, c] = Angle(degrees);
    SetIdentity();
    Set(0, 0, c);
    Set(0, 1, -s);
    Set(1, 0, s);
    Set(1, 1, c);
}

void Matrix::SetInverseRotationZ(const float degrees) { SetRotationZ(-degrees); }

void Matrix::Print() const {
    for (int row = 0; row < 4; ++row) {
        std::cout << '\n';
        for (int column = 0; column < 4; ++column) {
            std::cout << Get(row, column) << " | ";
        }
    }
    std::cout << '\n';
}
