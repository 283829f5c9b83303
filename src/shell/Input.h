#pragma once

#include "input/Command.h"

// The one door for input. Each GLUT input callback turns its event into a
// Command and hands it to ApplyCommand, which does what the event means at
// once: a drop drops now, a speed key is kept for the next tick, the mouse
// flags wait for the menus at the next tick, and every key posts a redisplay.
// Tests, scripts and other sources of input call ApplyCommand the same way.
void ApplyCommand(const Command& command);

// Offset of a pointer coordinate from the middle of the window's extent,
// -1..1, as the pointer steers; a window of no size steers straight.
float SteerOffset(float position, float extent);

// GLUT callbacks.
void OnKeyboard(unsigned char key, int x, int y);
void OnSpecialKey(int key, int x, int y);
void OnMouse(int button, int state, int x, int y);
void OnMouseMotion(int x, int y);
