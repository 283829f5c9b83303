#include "actors/Ped.h"

Ped::Ped() = default;
void Ped::DrawGeometry() {}
void Ped::OnHit() {}
void Ped::SetTextures(const TextureSet&) {}
