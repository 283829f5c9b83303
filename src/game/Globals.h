#pragma once

#include "base/DisplayListTable.h"
#include "base/TimeStats.h"
#include "menu/Menu.h"
#include "world/World.h"

// The game's process-wide objects, constructed before main in this order:
// the World, the display-list table, the profiler, the main menu and the
// configuration menu. They are defined together in shell/Globals.cpp, which
// fixes that order, and destroyed in reverse at exit. The game and the shell
// name them all; deeper code that needs only the display-list table or the
// profiler includes that one's own header.
extern World world;
extern Menu mainMenu;
extern Menu configMenu;
