#pragma once

#include "Image.h"

// Ground textures: road plates, sidewalk slabs, the crossing plate and grass.
// A ground quad shows picture columns along world y and picture rows along
// world x, so a road running along y has its markings along the rows.

namespace texgen {

// Markings along the rows: a dashed centre line and two solid edge lines.
Image PaintRoadAlongRows();
// The same road turned a quarter: markings along the columns.
Image PaintRoadAlongColumns();
Image PaintSidewalk();
Image PaintCrossing();
Image PaintGrass();

// Rows (and, for the turned road, columns) of the road markings.
constexpr int RoadCentreLine = 127;
constexpr int RoadEdgeLineNear = 8;
constexpr int RoadEdgeLineFar = 247;

} // namespace texgen
