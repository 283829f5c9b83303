#include "game/Globals.h"

World world;
DisplayListTable displayListTable;
TimeStats timeStats;
Menu mainMenu;
Menu configMenu;
