#include "world/World.h"

void World::CheckCollisions() {}
bool World::Collide(const SceneObject& a, const SceneObject& b) {
    return a.GetBoundingBox().Intersects(b.GetBoundingBox());
}
void World::OnPoopHitsPed(Dropping*, Ped*) {}
void World::OnPoopHitsCar(Dropping*, Car*) {}
void World::OnCarsCollide(Car*, Car*) {}
void World::OnBirdInObject(const MapObject*) {}
