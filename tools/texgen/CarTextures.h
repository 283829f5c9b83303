#pragma once

#include "Image.h"

// Car textures, painted upright (first row = top of the part). Bodywork is a
// light grey so that the random paint colour each car multiplies in shows; glass,
// tyres, lights and plates keep their own colours. The faces are much wider
// than tall on the car, so round parts are painted as upright ovals.

namespace texgen {

Image PaintCarFront();
Image PaintCarBack();
Image PaintCarTop();
Image PaintCarWindshield();
Image PaintCarWheel();
// Both doors show the car's front at the left edge of the picture: the door
// quads on either side put the picture's left edge towards the front.
Image PaintCarDoor();
Image PaintCarDoorOtherSide();
Image PaintCarSideWindow();

} // namespace texgen
