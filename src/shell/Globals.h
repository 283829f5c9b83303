#pragma once

#include "menu/Menu.h"
#include "shell/DisplayListTable.h"
#include "shell/TimeStats.h"
#include "world/World.h"

// The game's process-wide objects, constructed before main in this order
// (they are defined together in Globals.cpp, which fixes that order) and
// destroyed in reverse at exit. The shell names them all; code that needs only the
// display-list table or the profiler includes that one's own header.
extern World world;
extern Menu mainMenu;
extern Menu configMenu;
