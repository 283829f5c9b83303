#include "city/MapObject.h"

MapObject::~MapObject() = default;
void MapObject::DrawGeometry() {}
void MapObject::SetupDisplaylist() {}
