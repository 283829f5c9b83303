#include "hud/Gauge.h"

void Gauge::SetStartColor(float, float, float, float) {}
void Gauge::Draw() {}
