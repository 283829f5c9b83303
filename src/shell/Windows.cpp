#include "shell/Windows.h"

#include "base/Cursor.h"
#include "base/FrameCounter.h"
#include "base/Settings.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "legacygl/EsGl.h"
#include "legacygl/Gl.h"
#include "render/BatchedRenderer.h"
#include "render/ClassicRenderer.h"
#include "screenshot/Screenshot.h"
#include "shell/Input.h"
#include "shell/Replay.h"
#include "shell/Session.h"
#include "shell/Tick.h"

#include <algorithm>

unsigned int frameCounter = 0;

namespace {

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

void EnableLighting() {
    if (settings.lighting != 0) {
        gl::Enable(GL_LIGHTING);
        gl::Enable(GL_LIGHT0);
    }
}

} // namespace

bool WindowExists() {
    return shell.mainWindowId > 0;
}

void ChooseRenderer() {
    renderer = settings.classicRenderer != 0 ? static_cast<Renderer*>(&classic) : &batched;
    // Both draw in the context GLUT makes for the window, a desktop
    // compatibility profile on Mesa: through its fixed function, or (--gles)
    // through the layer, which asks of it nothing but OpenGL ES 2.0.
    if (settings.gles != 0) {
        UseEsGl();
    }
}

Renderer& GetRenderer() {
    return *renderer;
}

void RequestScreenshot() {
    screenshot.Request();
}

void OnDisplay() {
    timeStats.Start(TimeStats::Display);
    displayListTable.SelectWindow(0);
    ++frameCounter;
    if (shell.introHidden == 0) {
        renderer->PrepareText(introX, introY, introText, static_cast<int>(shell.windowWidth),
                              static_cast<int>(shell.windowHeight));
    }
    gl::Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    renderer->DrawWorld(world);
    world.Begin2D();
    if (mainMenu.IsVisible()) {
        mainMenu.Draw();
    }
    if (configMenu.IsVisible()) {
        configMenu.Draw();
    }
    DrawScoresPanel();
    if (shell.introHidden == 0) {
        renderer->DrawText(introX, introY, introText);
    }
    if (settings.Replaying()) {
        DrawReplayBar();
    }
    world.End2D();
    screenshot.TakeIfRequested(static_cast<int>(shell.windowWidth),
                               static_cast<int>(shell.windowHeight), shell.secondViewId != -1);
    glut::SwapBuffers();
    NoteFrame(0);
    timeStats.Stop(TimeStats::Display);
}

void OnReshape(const int width, const int height) {
    shell.windowWidth = static_cast<float>(width);
    shell.windowHeight = static_cast<float>(height);
    gl::Viewport(0, 0, width, height);
    gl::MatrixMode(GL_PROJECTION);
    gl::LoadIdentity();
    glu::Perspective(fieldOfView, aspectRatio, nearPlane, farPlane);
    gl::MatrixMode(GL_MODELVIEW);
    world.SetViewSize(shell.windowWidth, shell.windowHeight);
    NoteWindow(width, height);
    for (Menu* menu : {&mainMenu, &configMenu}) {
        menu->SetX(width / 5);
        menu->SetY(height / 4);
    }
    if (shell.secondViewId != -1) {
        // The second view sits in the top right corner; X refuses a window of
        // no size, so it keeps at least one pixel.
        const int side = std::max(static_cast<int>(2.0f * shell.windowWidth / 15.0f), 1);
        displayListTable.SelectWindow(1);
        glut::PositionWindow(static_cast<int>(shell.windowWidth * 12.5f / 15.0f),
                             static_cast<int>(shell.windowHeight * 1.0f / 30.0f));
        glut::ReshapeWindow(side, side);
        displayListTable.SelectWindow(0);
    }
}

void OnSecondViewDisplay() {
    displayListTable.SelectWindow(1);
    gl::Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl::Enable(GL_DEPTH_TEST);
    gl::Enable(GL_NORMALIZE);
    renderer->DrawSecondView(world);
    NoteFrame(1);
    // A reshape of the main window resizes the view, so its size is asked.
    screenshot.AddInsetIfPending(glut::Get(GLUT_WINDOW_X), glut::Get(GLUT_WINDOW_Y),
                                 glut::Get(GLUT_WINDOW_WIDTH), glut::Get(GLUT_WINDOW_HEIGHT));
    glut::SwapBuffers();
}

void PostRedisplayAll() {
    if (!WindowExists()) {
        return;
    }
    displayListTable.SelectWindow(0);
    glut::PostRedisplay();
    if (shell.secondViewId != -1) {
        displayListTable.SelectWindow(1);
        glut::PostRedisplay();
    }
}

void OpenSecondViewWindow() {
    if (!WindowExists()) {
        return;
    }
    const int x = (static_cast<int>(shell.windowWidth) * 7) / 9;
    const int y = static_cast<int>(shell.windowHeight) / 9;
    const int id = glut::CreateSubWindow(shell.mainWindowId, x, y, secondViewSize, secondViewSize);
    shell.secondViewId = id;
    glut::DisplayFunc(OnSecondViewDisplay);
    displayListTable.SetWindowId(1, id);
    displayListTable.SelectWindow(1);
    // The new window has a context of its own: textures and lists again.
    world.LoadTextures();
}

void SecondViewCompiled() {
    if (shell.secondViewId == -1) {
        return;
    }
    renderer->SceneryCompiled(world);
    EnableLighting();
}

void CloseSecondViewWindow() {
    if (shell.secondViewId == -1) {
        return;
    }
    screenshot.SaveIfPending();
    glut::DestroyWindow(shell.secondViewId);
    displayListTable.SetWindowId(1, -1);
    shell.secondViewId = -1;
}

void CreateMainWindow() {
    glut::InitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glut::InitWindowSize(mainWindowSize, mainWindowSize);
    // Closing the window ends the process (freeglut's default action).
    glut::SetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_EXIT);
    shell.mainWindowId = glut::CreateWindow("::Gullmar::");
    if (settings.windowMode == 0) {
        glut::FullScreen();
    }
    Cursor::UseWindow(true);
    Cursor::Set(GLUT_CURSOR_NONE);
    glut::DisplayFunc(OnDisplay);
    glut::KeyboardFunc(OnKeyboard);
    glut::SpecialFunc(OnSpecialKey);
    glut::PassiveMotionFunc(OnMouseMotion);
    glut::MotionFunc(OnMouseMotion);
    glut::ReshapeFunc(OnReshape);
    glut::MouseFunc(OnMouse);
    glut::IdleFunc(OnIdle);
    gl::Enable(GL_DEPTH_TEST);
    gl::Enable(GL_NORMALIZE);
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
