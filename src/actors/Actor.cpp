#include "actors/Actor.h"

void Actor::Move() {}
void Actor::Turn() {}
