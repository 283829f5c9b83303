#pragma once

#include "Image.h"

// Pedestrian textures, painted upright (first row = top): a head with face,
// sides, top and back, and a shirt front and back. Peds are small on screen, so
// features are bold and colours bright.

namespace texgen {

Image PaintHeadFace();
Image PaintHeadSide();
Image PaintHeadSideMirrored();
// Top and back of the head are both all hair, so either reads right wherever
// the ped's head box puts it.
Image PaintHeadTop();
Image PaintHeadBack();
Image PaintShirtFront();
Image PaintShirtBack();

} // namespace texgen
