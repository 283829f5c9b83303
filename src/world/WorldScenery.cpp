#include "world/World.h"

void World::LoadTextures() {}
void World::CompileMapObjects() {}
void World::DrawAtmosphere() {}
void World::DrawMapObjs() {}
