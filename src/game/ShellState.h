#pragma once

#include "game/GameOverWatch.h"

// The state the game keeps between callbacks, which the commands, the tick
// and the menus' buttons read and write: the pointer and its steering, the
// mouse flags the menus take at the next tick, the speed change, the tick's
// deadline, the intro text's timeout. It is the shell's state in the sense
// that the GLUT callbacks fill it; it needs no window. Both globals are
// defined in shell/Tick.cpp.
struct ShellState {
    int mainWindowId = 0;  // 0 until the window exists
    int secondViewId = -1; // -1 while the second view is closed
    float windowWidth = 0.0f;
    float windowHeight = 0.0f;
    float speedChange = 0.0f; // requested by a key, applied and cleared by the next tick
    float steerX = 0.0f;      // mouse offset from the window centre, -1..1
    float steerY = 0.0f;
    float mouseX = 0.0f;
    float mouseY = 0.0f;
    int mouseButton = 0;
    int mouseDown = 0; // set by a press or release, cleared at the end of every tick
    int mouseUp = 0;
    int menuOpen = 1;              // visible menus, counted at every idle call
    unsigned int nextTickTime = 0; // game clock after which the next tick runs
    unsigned int startTime = 0;    // game clock when the main loop started
    int introHidden = 0;
    int freezeToggle = 0;
    GameOverWatch gameOver;
};

extern ShellState shell;
// The level Start sets up: 1, then the level reached by the last completed mission.
extern int currentLevel;

constexpr unsigned int introDuration = 15000; // ms the intro text stays up
// Where the intro text starts in the 2D overlay: its first line's baseline.
constexpr float introX = 200.0f;
constexpr float introY = -300.0f;
// The speed changes that 'w' or Up and 's' or Down ask for.
constexpr float speedUpStep = 2.0f;
constexpr float slowDownStep = -3.0f;
