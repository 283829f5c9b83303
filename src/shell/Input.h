#pragma once

// The GLUT input callbacks: each turns its event into a Command and hands it
// to the game's ApplyCommand (game/Commands.h), nothing more.
void OnKeyboard(unsigned char key, int x, int y);
void OnSpecialKey(int key, int x, int y);
void OnMouse(int button, int state, int x, int y);
void OnMouseMotion(int x, int y);
