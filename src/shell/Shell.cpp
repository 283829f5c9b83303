#include "shell/Shell.h"

#include "render/BatchedRenderer.h"
#include "render/ClassicRenderer.h"
#include "screenshot/Screenshot.h"
#include "shell/GameClock.h"
#include "shell/Globals.h"
#include "shell/Settings.h"
#include "sound/GameSound.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

ShellState shell;
int currentLevel = 1;
unsigned int frameCounter = 0;

namespace {

constexpr unsigned char keyEnter = 13;
constexpr unsigned char keyEscape = 27;
constexpr unsigned char keySpace = 32;
constexpr float radarZoomStep = 0.1f;
constexpr unsigned int millisecondsPerSecond = 1000;
constexpr float introX = 200.0f;
constexpr float introY = -300.0f;
constexpr int cityCells = 100;
constexpr float cellSize = 100.0f;
constexpr int messageSize = 80;
constexpr unsigned int longestIdleSleep = 5; // ms; see IdleWakeTime
// The projection a reshape sets until the bird's camera sets its own.
constexpr double fieldOfView = 70.0;
constexpr double aspectRatio = 1.0;
constexpr double nearPlane = 0.1;
constexpr double farPlane = 10000.0;

// The two renderers; ChooseRenderer points `renderer` at one of them.
ClassicRenderer classic;
BatchedRenderer batched;
Renderer* renderer = &batched;
Screenshot screenshot;

bool WindowExists() {
    return shell.mainWindowId > 0;
}

void EnableLighting() {
    if (settings.lighting != 0) {
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
    }
}

void ShowMainMenu(const char* title) {
    mainMenu.SetTitle(title);
    mainMenu.Show();
}

// Offset of a coordinate from the middle of an extent, in -1..1; a window of
// no size steers straight.
float SteerOffset(const float position, const float extent) {
    const float half = extent / 2.0f;
    if (half <= 0.0f) {
        return 0.0f;
    }
    return std::clamp((position - half) / half, -1.0f, 1.0f);
}

void UpdateGame() {
    timeStats.Start(TimeStats::Idle);
    if (WindowExists()) {
        glutSetCursor(GLUT_CURSOR_NONE);
    }
    Bird& bird = world.GetBird();
    bird.Accelerate(shell.speedChange);
    shell.speedChange = 0.0f;
    bird.Steer(shell.steerX, shell.steerY);
    world.Update();
    timeStats.Stop(TimeStats::Idle);

    Mission& mission = world.GetMission();
    if (mission.IsComplete(Mission::maskAll)) {
        currentLevel = world.NextLevel();
        char message[messageSize];
        std::snprintf(message, sizeof(message),
                      "New mission: Hit %d Peds, %d Cars and eat %d fries", mission.GetPedsLeft(),
                      mission.GetCarsLeft(), mission.GetFriesLeft());
        mainMenu.SetTitle("Mission Complete");
        mainMenu.SetMessage(message);
        mainMenu.Show();
        gameSound.MissionComplete();
    }
}

void PassMouseToMenus() {
    // The main menu acts on the flags copied at the previous tick; the
    // configuration menu on this tick's.
    if (mainMenu.IsVisible()) {
        mainMenu.HandleMouse();
        mainMenu.SetMouseFlags(shell.mouseButton, shell.mouseDown, shell.mouseUp);
    }
    if (configMenu.IsVisible()) {
        configMenu.SetMouseFlags(shell.mouseButton, shell.mouseDown, shell.mouseUp);
        configMenu.HandleMouse();
    }
}

} // namespace

bool RunTick(const unsigned int now) {
    GameClock::SetTickTime(now);
    shell.menuOpen = (mainMenu.IsVisible() ? 1 : 0) + (configMenu.IsVisible() ? 1 : 0);
    if (now <= shell.nextTickTime) {
        return false;
    }
    // The configuration menu's slider writes the speed directly and can reach 0.
    if (settings.gameSpeed < 1) {
        settings.gameSpeed = 1;
    }
    shell.nextTickTime = now + millisecondsPerSecond / settings.gameSpeed;

    CheckIntroTimeout();
    if (!world.GetBird().IsAlive()) {
        ShowMainMenu("Ohhh you died!");
    }
    if (world.GetMission().TimeIsUp()) {
        ShowMainMenu("Ohhh you took too long!");
    }
    // menuOpen was counted before the checks above, so the tick that first
    // shows the menu still updates the game.
    if (shell.menuOpen == 0) {
        UpdateGame();
    } else {
        PassMouseToMenus();
    }
    shell.mouseUp = 0;
    shell.mouseDown = 0;
    gameSound.Update(world, mainMenu.IsVisible() || configMenu.IsVisible());
    return true;
}

void OnIdle() {
    const unsigned int now = GameClock::Now();
    if (RunTick(now)) {
        PostRedisplayAll();
        return;
    }
    GameClock::SleepUntil(IdleWakeTime(now));
}

unsigned int IdleWakeTime(const unsigned int now) {
    return std::min(shell.nextTickTime + 1, now + longestIdleSleep);
}

void OnDisplay() {
    timeStats.Start(TimeStats::Display);
    displayListTable.SelectWindow(0);
    ++frameCounter;
    if (shell.introHidden == 0) {
        renderer->PrepareText(introX, introY, introText, static_cast<int>(shell.windowWidth),
                              static_cast<int>(shell.windowHeight));
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    renderer->DrawWorld(world);
    world.Begin2D();
    if (mainMenu.IsVisible()) {
        mainMenu.Draw();
    }
    if (configMenu.IsVisible()) {
        configMenu.Draw();
    }
    if (shell.introHidden == 0) {
        renderer->DrawText(introX, introY, introText);
    }
    world.End2D();
    screenshot.TakeIfRequested(static_cast<int>(shell.windowWidth),
                               static_cast<int>(shell.windowHeight), shell.secondViewId != -1);
    glutSwapBuffers();
    timeStats.Stop(TimeStats::Display);
}

void OnKeyboard(const unsigned char key, int, int) {
    switch (key) {
    case keyEnter:
        mainMenu.Hide();
        break;
    case keyEscape:
        ShowMainMenu("MAIN MENU");
        break;
    case keySpace:
        world.GetBird().DropPoop();
        break;
    case '+':
        world.GetRadar().IncreaseZoomFactor(radarZoomStep);
        world.GetRadar().IncreaseZoomDistance(radarZoomStep);
        break;
    case '-':
        world.GetRadar().DecreaseZoomFactor(radarZoomStep);
        world.GetRadar().DecreaseZoomDistance(radarZoomStep);
        break;
    case '1':
        CloseSecondView();
        break;
    case '2':
        OpenSecondView();
        break;
    case 'm':
    case 'M':
        mainMenu.Show();
        break;
    case 'w':
    case 'W':
        shell.speedChange = speedUpStep;
        break;
    case 's':
    case 'S':
        shell.speedChange = slowDownStep;
        break;
    case 'g':
        shell.freezeToggle = shell.freezeToggle == 0 ? 1 : 0;
        world.freezeActors = shell.freezeToggle;
        break;
    case 'n':
    case 'N':
        gameSound.ToggleMute();
        break;
    default:
        break;
    }
    PostRedisplayAll();
}

void OnSpecialKey(const int key, int, int) {
    if (key == GLUT_KEY_UP) {
        shell.speedChange = speedUpStep;
    } else if (key == GLUT_KEY_DOWN) {
        shell.speedChange = slowDownStep;
    } else if (key == GLUT_KEY_F12) {
        screenshot.Request();
    }
    PostRedisplayAll();
}

void OnMouse(const int button, const int state, const int x, const int y) {
    shell.mouseButton = button;
    if (state == GLUT_DOWN) {
        shell.mouseDown = 1;
        shell.mouseUp = 0;
    } else {
        shell.mouseUp = 1;
        shell.mouseDown = 0;
        if (button == GLUT_LEFT_BUTTON && shell.menuOpen == 0) {
            world.GetBird().DropPoop();
        }
    }
    shell.mouseX = static_cast<float>(x);
    shell.mouseY = static_cast<float>(y);
}

void OnMouseMotion(const int x, const int y) {
    shell.mouseX = static_cast<float>(x);
    shell.mouseY = static_cast<float>(y);
    shell.steerX = SteerOffset(shell.mouseX, shell.windowWidth);
    shell.steerY = SteerOffset(shell.mouseY, shell.windowHeight);
    // Overlay coordinates: y from the vertical middle, growing downwards.
    const float overlayY = shell.mouseY - shell.windowHeight / 2.0f;
    world.mousePosition.Set(shell.mouseX, overlayY, 0.0f);
    if (mainMenu.IsVisible()) {
        mainMenu.SetMousePosition(shell.mouseX, overlayY);
    }
    if (configMenu.IsVisible()) {
        configMenu.SetMousePosition(shell.mouseX, overlayY);
    }
}

void OnReshape(const int width, const int height) {
    shell.windowWidth = static_cast<float>(width);
    shell.windowHeight = static_cast<float>(height);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fieldOfView, aspectRatio, nearPlane, farPlane);
    glMatrixMode(GL_MODELVIEW);
    world.SetViewSize(shell.windowWidth, shell.windowHeight);
    for (Menu* menu : {&mainMenu, &configMenu}) {
        menu->SetX(width / 5);
        menu->SetY(height / 4);
    }
    if (shell.secondViewId != -1) {
        // The second view sits in the top right corner; X refuses a window of
        // no size, so it keeps at least one pixel.
        const int side = std::max(static_cast<int>(2.0f * shell.windowWidth / 15.0f), 1);
        displayListTable.SelectWindow(1);
        glutPositionWindow(static_cast<int>(shell.windowWidth * 12.5f / 15.0f),
                           static_cast<int>(shell.windowHeight * 1.0f / 30.0f));
        glutReshapeWindow(side, side);
        displayListTable.SelectWindow(0);
    }
}

void OnSecondViewDisplay() {
    displayListTable.SelectWindow(1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_NORMALIZE);
    renderer->DrawSecondView(world);
    screenshot.AddInsetIfPending(glutGet(GLUT_WINDOW_X), glutGet(GLUT_WINDOW_Y), secondViewSize,
                                 secondViewSize);
    glutSwapBuffers();
}

void PostRedisplayAll() {
    if (!WindowExists()) {
        return;
    }
    displayListTable.SelectWindow(0);
    glutPostRedisplay();
    if (shell.secondViewId != -1) {
        displayListTable.SelectWindow(1);
        glutPostRedisplay();
    }
}

void DrawText(const float x, const float y, const char* text) {
    // The raster colour is latched by glRasterPos, so the colour comes first.
    // Lighting and texturing would tint the text and the scene's depth would
    // hide it, so they are off meanwhile.
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glColor3f(1.0f, 1.0f, 1.0f);
    glRasterPos2f(x, y);
    int line = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '\n') {
            ++line;
            glRasterPos2f(x, y + static_cast<float>(textLineHeight * line));
        } else {
            glutBitmapCharacter(GLUT_BITMAP_8_BY_13, *c);
        }
    }
    glPopAttrib();
}

void OpenSecondView() {
    if (!WindowExists() || shell.secondViewId != -1) {
        return;
    }
    const int x = (static_cast<int>(shell.windowWidth) * 7) / 9;
    const int y = static_cast<int>(shell.windowHeight) / 9;
    const int id = glutCreateSubWindow(shell.mainWindowId, x, y, secondViewSize, secondViewSize);
    shell.secondViewId = id;
    world.GetBird().secondViewOpen = 1;
    glutDisplayFunc(OnSecondViewDisplay);
    displayListTable.SetWindowId(1, id);
    displayListTable.SelectWindow(1);
    // The new window has a context of its own: textures and lists again.
    world.LoadTextures();
    world.CompileMapObjects();
    renderer->SceneryCompiled(world);
    EnableLighting();
}

void CloseSecondView() {
    if (shell.secondViewId == -1) {
        return;
    }
    screenshot.SaveIfPending();
    glutDestroyWindow(shell.secondViewId);
    displayListTable.SetWindowId(1, -1);
    shell.secondViewId = -1;
    world.GetBird().secondViewOpen = 0;
    displayListTable.SelectWindow(0);
}

void CheckIntroTimeout() {
    if (GameClock::TickTime() >= shell.startTime + introDuration) {
        shell.introHidden = 1;
    }
}

void CreateMainWindow() {
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(mainWindowSize, mainWindowSize);
    // Closing the window ends the process (freeglut's default action).
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_EXIT);
    shell.mainWindowId = glutCreateWindow("::Gullmar::");
    if (settings.windowMode == 0) {
        glutFullScreen();
    }
    glutSetCursor(GLUT_CURSOR_NONE);
    glutDisplayFunc(OnDisplay);
    glutKeyboardFunc(OnKeyboard);
    glutSpecialFunc(OnSpecialKey);
    glutPassiveMotionFunc(OnMouseMotion);
    glutMotionFunc(OnMouseMotion);
    glutReshapeFunc(OnReshape);
    glutMouseFunc(OnMouse);
    glutIdleFunc(OnIdle);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_NORMALIZE);
    EnableLighting();
    // Both city texture sets live in the main window's context.
    world.textureSlot = 0;
    world.LoadTextures();
    EnableLighting();
    world.textureSlot = 1;
    world.LoadTextures();
    displayListTable.SetWindowId(0, shell.mainWindowId);
    displayListTable.GenerateLists();
    displayListTable.SelectWindow(0);
}

void SeedRandomGenerator() {
    // --seed makes the city, its trees and the population repeatable.
    std::srand(settings.seed >= 0 ? static_cast<unsigned int>(settings.seed)
                                  : static_cast<unsigned int>(std::time(nullptr)));
}

void ChooseRenderer() {
    renderer = settings.classicRenderer != 0 ? static_cast<Renderer*>(&classic) : &batched;
}

void BuildGame(World& game) {
    SeedRandomGenerator();
    game.textureSlot = 0;
    displayListTable.SelectWindow(0);
    game.Init(cityCells, cityCells, cellSize);
    game.SetupLevel(1);
    Bird& bird = game.GetBird();
    bird.SetPerspective();
    bird.PlaceAtStart();
    game.SetupHud();
}

void InitGame() {
    BuildGame(world);
    renderer->SceneryCompiled(world);
    mainMenu.Show();
}
