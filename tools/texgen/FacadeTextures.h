#pragma once

#include "Image.h"

// Building textures: five facades and the flat roof. Each facade is one whole
// wall (parapet at the top, upper floors of windows, a street-level floor at
// the bottom), painted upright in picture order; the generator decides how it
// is laid into the file for the wall it is drawn on.

namespace texgen {

Image PaintBrickFacade();
Image PaintStuccoFacade();
Image PaintConcreteFacade();
Image PaintGlassFacade();
Image PaintStoneFacade();
Image PaintRoof();

} // namespace texgen
