#include "actors/Actor.h"

#include "geometry/Angle.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr double halfPi = pi / 2.0;
// Facing in degrees for each of the four turns: +y, -x, -y, +x.
constexpr int facingForTurn[4] = {90, 180, -90, 0};

} // namespace

void Actor::Move() {
    const Vector step = direction * speed;
    Translate(step);
    position = position + step;
}

void Actor::Turn() {
    const int r = std::rand() & 3;
    const double angle = (r + 1) * halfPi;
    // The Vector setters snap the cosine and sine residues of the right angles
    // to exactly 0, so the result is an exact axis direction.
    direction.SetX(static_cast<float>(std::cos(angle)));
    direction.SetY(static_cast<float>(std::sin(angle)));
    facing = facingForTurn[r];
}
