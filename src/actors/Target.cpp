#include "actors/Target.h"

namespace {

constexpr float hitGreen = 0.7f;

} // namespace

void Target::OnHit() {
    SetColour(0.0f, hitGreen, 0.0f);
    ++hitCount;
    points /= static_cast<float>(hitCount);
}
