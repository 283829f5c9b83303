#include "bird/Dropping.h"

void Dropping::DrawGeometry() {}
