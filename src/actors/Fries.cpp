#include "actors/Fries.h"

Fries::Fries() = default;
void Fries::DrawGeometry() {}
void Fries::SetKind(const int k) { kind = k; }
void Fries::SetValue(const float v) { value = v; }
