#pragma once

#include "input/Command.h"

#include <optional>

// The one door for input. Every source of input (the GLUT callbacks, the
// pads, the timedemo, a replay, tests) hands its commands to ApplyCommand,
// which does what each means at once: a drop drops now, a speed change is
// kept for the next tick, the mouse flags wait for the menus at the next
// tick, a key is carried out as the command it means and posts a redisplay.
// Each command is told to the host as it is carried out (GameHost), so that
// a recording keeps what it meant. Nothing here needs a window.
void ApplyCommand(const Command& command);

// What a key or a special key means to the game; nothing for keys that do
// nothing.
std::optional<Command> KeyMeaning(unsigned char key);
std::optional<Command> SpecialKeyMeaning(int key);

// Offset of a pointer coordinate from the middle of the window's extent,
// -1..1, as the pointer steers; a window of no size steers straight.
float SteerOffset(float position, float extent);
