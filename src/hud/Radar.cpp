#include "hud/Radar.h"

void Radar::IncreaseZoomFactor(float) {}
void Radar::DecreaseZoomFactor(float) {}
void Radar::IncreaseZoomDistance(float) {}
void Radar::DecreaseZoomDistance(float) {}
void Radar::DrawRadar() {}
