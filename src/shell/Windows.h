#pragma once

class Renderer;

// The main window as it opens (in window mode), and the second view.
constexpr int mainWindowSize = 800;
constexpr int secondViewSize = 200;

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
// The second view's window: opened with its textures and made current,
// given its renderer's lists and its lighting once the game has compiled the
// scenery into it (game/Game.h), and closed. Nothing without a main window.
void OpenSecondViewWindow();
void SecondViewCompiled();
void CloseSecondViewWindow();
// The next frame of the main window is saved as a screenshot (F12).
void RequestScreenshot();
