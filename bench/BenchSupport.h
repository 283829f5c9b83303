#pragma once

// The game as the benchmarks that draw need it: GLUT, the 800 x 800 main
// window, the city of seed 1 and the menus, made once per process. Run from
// the build directory, which holds textures/ and config/, under xvfb-run.

#include "shell/GameMenus.h"
#include "shell/Settings.h"
#include "shell/Shell.h"

#include <GL/freeglut.h>

inline void EnsureGame() {
    if (glutGet(GLUT_INIT_STATE) != 0) {
        return;
    }
    int argc = 1;
    char name[] = "gullmar_bench";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    settings.windowMode = 1;
    settings.seed = 1;
    CreateMainWindow();
    InitGame();
    BuildMenus();
    OnReshape(mainWindowSize, mainWindowSize);
}
