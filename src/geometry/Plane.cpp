#include "geometry/Plane.h"

#include <iostream>

void Plane::SetFromNormalAndPoint(const Vector& n, const Point& p) {
    const Vector unit = n.Normalized();
    a = unit.GetX();
    b = unit.GetY();
    c = unit.GetZ();
    d = -(a * p.GetX() + b * p.GetY() + c * p.GetZ());
}

void Plane::Print() const {
    std::cout << "A : " << a << " | B : " << b << " | C : " << c << " | D : " << d << '\n';
}
