#pragma once

#include <cstdint>

class World;

// The game as a whole, without a window: how start-up builds it, the second
// view's part that belongs to the game, and the fingerprint of its state
// that recordings hold and replays check.

// The game as start-up builds it, into any World: the random generator
// seeded with the seed in force, the city made in the current window (or
// none: the scenery still draws its random numbers), level 1 set up, the bird
// at its start and the HUD.
void BuildGame(World& game);

// Keys '2' and '1'. Opening compiles the city's scenery for the new view,
// which plants the parks' trees and so draws random numbers: with a window
// or without, the game goes on the same. Each does nothing while the view
// already is as asked.
void OpenSecondView();
void CloseSecondView();

// The fingerprint of the game's state: the World, what the shell keeps
// between ticks, the menus shown, the level and the settings the menus
// change.
uint32_t GameChecksum();
