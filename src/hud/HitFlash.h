#pragma once

#include "base/GameEvent.h"

class Gauge;

// The HUD's flash over the whole window: red while the bird is inside a
// building, green while it heals low over a park, hidden otherwise. The shell
// sets it from the events of every tick that updates the game.
void ShowHitFlash(Gauge& flash, const GameEvents& events);
