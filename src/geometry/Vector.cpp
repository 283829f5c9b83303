#include "geometry/Vector.h"

#include <iostream>

void Vector::Print() const {
    std::cout << "X:" << x << " |Y: " << y << "|Z: " << z << "| W:" << w
              << " |length: " << Length() << '\n';
}
