#include "world/World.h"

void World::SetupHud() {}
void World::UpdateHUD() {}
void World::DrawOSD() {}
