#include "world/World.h"

#include "actors/Car.h"
#include "actors/Cloud.h"
#include "actors/Fries.h"
#include "actors/Ped.h"

void World::SpawnPed() {}
void World::SpawnCar() {}
void World::SpawnFries() {}
void World::SpawnCloud() {}
void World::ClearPeds() {}
void World::ClearCars() {}
void World::ClearFries() {}
void World::ClearClouds() {}
void World::UpdatePeds() {}
void World::UpdateCars() {}
void World::UpdateFries() {}
void World::UpdateClouds() {}
void World::DrawPeds() {}
void World::DrawCars() {}
void World::DrawFries() {}
void World::DrawClouds() {}
void World::OnPedHit(Ped*) {}
void World::OnCarHit(Car*) {}
void World::OnFriesEaten(Fries*) {}
