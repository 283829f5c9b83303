#pragma once

// Start-up's own steps: the seed of the game and the game as start-up builds
// it. main() runs them in order: settings, intro text, command line,
// ChooseSeed, ChooseRenderer, CreateMainWindow, InitGame, BuildMenus.

// Without --seed, takes one from the time, once: from here on the seed in
// force is always known.
void ChooseSeed();
// The game built (BuildGame) on the game's World, the renderer told of the
// new city, and the main menu shown: the game starts paused.
void InitGame();
