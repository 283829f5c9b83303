#pragma once

class Renderer;

// The game's windows: the main window with its display and reshape
// callbacks, the optional second view (a subwindow following the first
// falling dropping), and the renderer that draws the World into both.

// Opens the main window (full screen unless window mode), registers every
// GLUT callback and loads both texture sets into its context.
void CreateMainWindow();
bool WindowExists();

// Picks the renderer that draws every frame from here on: the batched one,
// or the classic one with --classic-renderer. Start-up calls it once the
// command line is read.
void ChooseRenderer();
Renderer& GetRenderer();

// GLUT callbacks.
void OnDisplay();
void OnReshape(int width, int height);
void OnSecondViewDisplay();

// Posts a redisplay of the main window and of the second view if it is open.
void PostRedisplayAll();
void OpenSecondView();
void CloseSecondView();
// The next frame of the main window is saved as a screenshot (F12).
void RequestScreenshot();
