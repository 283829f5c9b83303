#pragma once

class Menu;

// The game's two menus: their contents and the actions behind their buttons.
// The main menu opens and closes play; the configuration menu edits the game
// speed, trees, textures and clouds and saves them.

// START's place in the main menu.
constexpr int startButton = 0;

// Fills the main menu and the configuration menu; called once at start-up.
void BuildMenus();
// Whether a menu takes the pointer, its clicks and the pads' focus: a menu
// shown, but never the main menu while the configuration menu lies over it
// (however both came to be shown), as its controls are hidden there.
bool MenuTakesPointer(const Menu& menu);
// Shows the main menu with this title.
void ShowMainMenu(const char* title);

// The button actions, also callable directly.
void StartAction();
void ResumeAction();
void ConfigAction();
void QuitAction();
void SaveAction();
void MainMenuAction();
