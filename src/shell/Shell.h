#pragma once

// The game shell: the main window, the GLUT callbacks and the fixed-rate game
// tick. Input callbacks only record what the player asked for (speed change,
// steering, mouse flags) or act at once on keys; the next due tick applies it.
//
// The callbacks stay thin so that tests can drive the shell without GLUT:
// OnIdle samples the game clock and calls RunTick, which takes the time as an
// argument; the key and mouse callbacks can be called directly. Nothing here
// touches GLUT until CreateMainWindow has made the window.

class World;

// ShellState: what the shell remembers between callbacks.
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
};

extern ShellState shell;
// The level Start sets up: 1, then the level reached by the last completed mission.
extern int currentLevel;
// Frames drawn so far; the HUD's frame-rate gauge reads it.
extern unsigned int frameCounter;

constexpr unsigned int introDuration = 15000; // ms the intro text stays up
// The speed changes that 'w' or Up and 's' or Down ask for.
constexpr float speedUpStep = 2.0f;
constexpr float slowDownStep = -3.0f;
constexpr int mainWindowSize = 800;
constexpr int secondViewSize = 200;

// GLUT callbacks.
void OnDisplay();
void OnIdle();
void OnKeyboard(unsigned char key, int x, int y);
void OnSpecialKey(int key, int x, int y);
void OnMouse(int button, int state, int x, int y);
void OnMouseMotion(int x, int y);
void OnReshape(int width, int height);
void OnSecondViewDisplay();

// One idle call at game clock `now` (ms): returns true if a tick was due and ran.
bool RunTick(unsigned int now);
// Until when an idle call that ran no tick sleeps: a tick runs once the clock
// has passed nextTickTime, so until just after it, instead of spinning; but
// never more than a few milliseconds, so that keys and the mouse are still
// handled promptly at the slowest game speed.
unsigned int IdleWakeTime(unsigned int now);

// Posts a redisplay of the main window and of the second view if it is open.
void PostRedisplayAll();
// White 8x13 bitmap text at (x, y) of the 2D overlay; "\n" starts a new line
// 13 pixels lower.
constexpr int textLineHeight = 13;
void DrawText(float x, float y, const char* text);
void OpenSecondView();
void CloseSecondView();
// Hides the intro text once the tick time reaches start time + 15000 ms.
void CheckIntroTimeout();
void CreateMainWindow();
// Seeds rand with --seed, or with the time when it was not given.
void SeedRandomGenerator();
// Picks the renderer that draws every frame from here on: the batched one,
// or the classic one with --classic-renderer. Start-up calls it once the
// command line is read.
void ChooseRenderer();
// The game as start-up builds it, into any World: the random generator
// seeded, the city made in the current window, level 1 set up, the bird at
// its start and the HUD.
void BuildGame(World& game);
// BuildGame on the game's World, the renderer told of the new city, and the
// main menu shown: the game starts paused.
void InitGame();
