#pragma once

// The game as the benchmarks that draw need it: GLUT, the 800 x 800 main
// window, the city of seed 1 and the menus, made once per process. Run from
// the build directory, which holds textures/ and config/, under xvfb-run.

#include "base/GameClock.h"
#include "base/Settings.h"
#include "game/GameMenus.h"
#include "game/GameTick.h"
#include "game/ShellState.h"
#include "shell/Startup.h"
#include "shell/Windows.h"

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

// Gives the game's window a size and waits until the window system has taken
// it; false if it has not within a second (a screen too small, say).
inline bool ResizeWindow(const int width, const int height) {
    EnsureGame();
    if (glutGet(GLUT_WINDOW_WIDTH) != width || glutGet(GLUT_WINDOW_HEIGHT) != height) {
        glutReshapeWindow(width, height);
        for (int wait = 0; wait < 100; ++wait) {
            glutMainLoopEvent();
            if (glutGet(GLUT_WINDOW_WIDTH) == width && glutGet(GLUT_WINDOW_HEIGHT) == height) {
                break;
            }
            GameClock::SleepUntil(GameClock::Now() + 10);
        }
    }
    OnReshape(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    return glutGet(GLUT_WINDOW_WIDTH) == width && glutGet(GLUT_WINDOW_HEIGHT) == height;
}
