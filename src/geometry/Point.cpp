#include "geometry/Point.h"

#include <iostream>

void Point::Print() const {
    std::cout << "X:" << x << " |Y: " << y << "|Z: " << z << "| W:" << w << " \n";
}
