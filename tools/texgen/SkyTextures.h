#pragma once

#include "Image.h"

// Sky textures. The sky box puts the same picture on its ceiling and on all
// four walls, each turned differently, so the sky has no up or down: soft blue
// with drifting clouds and no gradient that would show a seam at the edges.

namespace texgen {

Image PaintSkyTop();
// A second sky with a faint brightening towards the horizon.
Image PaintSkySide();

} // namespace texgen
