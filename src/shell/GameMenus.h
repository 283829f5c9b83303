#pragma once

// The game's two menus: their contents and the actions behind their buttons.
// Fills the main menu and the configuration menu; called once at start-up.
void BuildMenus();
