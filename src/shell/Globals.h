#pragma once

#include "menu/Menu.h"
#include "shell/DisplayListTable.h"
#include "shell/TimeStats.h"
#include "world/World.h"

// The process-wide objects, constructed before main in this order (they are
// defined together in Globals.cpp, which fixes that order) and destroyed in
// reverse at exit.
extern World world;
extern DisplayListTable displayListTable;
extern TimeStats timeStats;
extern Menu mainMenu;
extern Menu configMenu;
