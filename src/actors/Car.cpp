#include "actors/Car.h"

Car::Car() = default;
void Car::DrawGeometry() {}
void Car::OnHit() {}
void Car::SetTextures(const TextureSet&) {}
