#pragma once

class World;

// Start-up's own steps: the seed of the game and the game as start-up builds
// it. main() runs them in order: settings, intro text, command line,
// ChooseSeed, ChooseRenderer, CreateMainWindow, InitGame, BuildMenus.

// Without --seed, takes one from the time, once: from here on the seed in
// force is always known.
void ChooseSeed();
// The game as start-up builds it, into any World: the random generator
// seeded, the city made in the current window, level 1 set up, the bird at
// its start and the HUD.
void BuildGame(World& game);
// BuildGame on the game's World, the renderer told of the new city, and the
// main menu shown: the game starts paused.
void InitGame();
