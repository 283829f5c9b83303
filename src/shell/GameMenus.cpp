#include "shell/GameMenus.h"

void BuildMenus() {}
