#include "world/World.h"

#include "actors/Car.h"
#include "actors/Cloud.h"
#include "actors/Fries.h"
#include "actors/Ped.h"

World::World() = default;
World::~World() = default;
void World::Init(int, int, float) {}
void World::SetupLevel(int) {}
int World::NextLevel() { return 0; }
void World::Update() {}
void World::Draw() {}
void World::DrawSecondView() {}
void World::SetupCamera() {}
void World::Begin2D() {}
void World::End2D() {}
void World::SetViewSize(float, float) {}
