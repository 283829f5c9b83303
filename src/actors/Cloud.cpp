#include "actors/Cloud.h"

Cloud::Cloud() = default;
void Cloud::DrawGeometry() {}
