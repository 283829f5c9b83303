#include "TextureGenerator.h"
#include "base/GameClock.h"
#include "legacygl/EsGl.h"
#include "legacygl/Gl.h"
#include "shell/Platform.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

// GLUT's window and input calls in the browser, on Emscripten's HTML5 API:
// the game's window is the page's canvas, which follows the size of the
// browser's window; its second view is an area of the same canvas (the
// layer keeps each view's drawing state apart and clips its clear to its
// area). The idle function runs on timers, at the time it asked to sleep
// until, so the game ticks as often as on the desktop; frames are drawn on
// the browser's animation frames.

namespace {

constexpr const char* canvas = "#canvas";
constexpr int mainWindow = 1;
constexpr int secondWindow = 2;
constexpr int windowSlots = 3;

// A GLUT window: the whole canvas (1), or an area of it (2), placed from
// the canvas's top left as GLUT places a subwindow in its parent.
struct Window {
    bool exists = false;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool redisplay = false;
    void (*display)() = nullptr;
};
Window windows[windowSlots];
int current = 0;

void (*idle)() = nullptr;
void (*reshape)(int, int) = nullptr;
void (*keyboard)(unsigned char, int, int) = nullptr;
void (*special)(int, int, int) = nullptr;
void (*mouse)(int, int, int, int) = nullptr;
void (*motion)(int, int) = nullptr;
void (*passiveMotion)(int, int) = nullptr;

EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = 0;
bool running = false;
bool reshapeDue = true;
long idleTimer = 0;
long frameRequest = 0;
int pointerX = 0;
int pointerY = 0;

// The browser's input events wait here for the next idle call, which hands
// them to the game before it runs, as GLUT's loop does: whatever they set off
// (QUIT's end among it) happens in the game's loop, not in an event handler.
struct InputEvent {
    enum class Kind { Key, Special, Button, Move } kind;
    int code;  // Key: the character; Special: GLUT's key; Button: the button
    int state; // Button: GLUT_DOWN or up; Move: whether a button is held
    int x;
    int y;
};
std::vector<InputEvent> pendingInput;

void HandOutInput() {
    std::vector<InputEvent> events;
    events.swap(pendingInput);
    for (const InputEvent& e : events) {
        switch (e.kind) {
        case InputEvent::Kind::Key:
            if (keyboard != nullptr) {
                keyboard(static_cast<unsigned char>(e.code), e.x, e.y);
            }
            break;
        case InputEvent::Kind::Special:
            if (special != nullptr) {
                special(e.code, e.x, e.y);
            }
            break;
        case InputEvent::Kind::Button:
            if (mouse != nullptr) {
                mouse(e.code, e.state, e.x, e.y);
            }
            break;
        case InputEvent::Kind::Move:
            if (void (*moved)(int, int) = e.state != 0 ? motion : passiveMotion) {
                moved(e.x, e.y);
            }
            break;
        }
    }
}
int buttonsHeld = 0;
int cursorShown = -1;

// The layer learns where the second view lies on the canvas, from the
// canvas's bottom left as OpenGL counts.
void PlaceSecondView() {
    const Window& view = windows[secondWindow];
    if (view.exists) {
        EsWindowArea(secondWindow, view.x, windows[mainWindow].height - view.y - view.height,
                     view.width, view.height);
    }
}

// GLUT gives a window without a reshape function a viewport of its size.
void FitViewport(const int window) {
    const int was = current;
    current = window;
    gl::Viewport(0, 0, windows[window].width, windows[window].height);
    current = was;
}

void CallReshape() {
    reshapeDue = false;
    if (reshape != nullptr) {
        const int was = current;
        current = mainWindow;
        reshape(windows[mainWindow].width, windows[mainWindow].height);
        current = was;
    }
}

// The page lays the canvas out (the window less the controls under it); the
// canvas draws at the size it is shown.
void FitCanvas() {
    double shownWidth = 0.0;
    double shownHeight = 0.0;
    emscripten_get_element_css_size(canvas, &shownWidth, &shownHeight);
    const int width = shownWidth >= 1.0 ? static_cast<int>(shownWidth) : 1;
    const int height = shownHeight >= 1.0 ? static_cast<int>(shownHeight) : 1;
    emscripten_set_canvas_element_size(canvas, width, height);
    windows[mainWindow].width = width;
    windows[mainWindow].height = height;
    PlaceSecondView();
    reshapeDue = true;
    windows[mainWindow].redisplay = true;
}

EM_BOOL OnResize(int, const EmscriptenUiEvent*, void*) {
    FitCanvas();
    return EM_FALSE;
}

EM_BOOL DrawFrame(double, void*) {
    frameRequest = 0;
    if (!running) {
        return EM_FALSE;
    }
    if (reshapeDue) {
        CallReshape();
    }
    for (const int window : {mainWindow, secondWindow}) {
        Window& w = windows[window];
        if (w.exists && w.redisplay && w.display != nullptr) {
            w.redisplay = false;
            current = window;
            w.display();
        }
    }
    current = mainWindow;
    frameRequest = emscripten_request_animation_frame(DrawFrame, nullptr);
    return EM_FALSE;
}

void ScheduleIdle(unsigned int delay);

void RunIdle(void*) {
    idleTimer = 0;
    if (!running || idle == nullptr) {
        return;
    }
    current = mainWindow;
    HandOutInput();
    idle();
    // An idle call that had nothing to do asked to sleep until a time; one
    // that did something is called again at once, as GLUT would.
    const unsigned int wake = GameClock::TakeWakeTime();
    const unsigned int now = GameClock::Now();
    ScheduleIdle(wake > now ? wake - now : 0);
}

EM_JS(void, PostIdleMessage, (), {
    // A message to the page itself runs as soon as the browser is free,
    // without the 4 ms a chain of zero timeouts waits.
    if (!Module.gullmarIdleChannel) {
        Module.gullmarIdleChannel = new MessageChannel();
        Module.gullmarIdleChannel.port1.onmessage = () => {
            if (Module.gullmarStopped) {
                return;
            }
            try {
                Module['_gullmar_run_idle']();
            } catch (e) {
                // The game's end leaves by an exception of its own.
                if (!(e instanceof ExitStatus) && e !== 'unwind') {
                    throw e;
                }
            }
        };
    }
    Module.gullmarIdleChannel.port2.postMessage(0);
});

void ScheduleIdle(const unsigned int delay) {
    // The browser's timers come a millisecond or so late, and a late tick
    // pushes every later one back (the next is due a tick's time after it):
    // the timer is set a millisecond early and the rest is waited for by
    // messages, so that ticks come on time as the desktop's sleep wakes.
    if (delay <= 1) {
        PostIdleMessage();
    } else {
        idleTimer = emscripten_set_timeout(RunIdle, delay - 1, nullptr);
    }
}

// GLUT's special keys by the browser's names for them.
constexpr struct {
    const char* name;
    int glut;
} specialKeys[] = {
    {"F1", 1},        {"F2", 2},         {"F3", 3},        {"F4", 4},         {"F5", 5},
    {"F6", 6},        {"F7", 7},         {"F8", 8},        {"F9", 9},         {"F10", 10},
    {"F11", 11},      {"F12", 12},       {"ArrowLeft", 100}, {"ArrowUp", 101}, {"ArrowRight", 102},
    {"ArrowDown", 103}, {"PageUp", 104}, {"PageDown", 105}, {"Home", 106},     {"End", 107},
    {"Insert", 108},
};
// Keys with a character GLUT passes as one.
constexpr struct {
    const char* name;
    unsigned char character;
} namedCharacters[] = {
    {"Escape", 27}, {"Enter", 13}, {"Tab", 9}, {"Delete", 127},
};
// The page's own keys for two the browser keeps for itself: Esc leaves full
// screen before the page sees it, F12 opens the browser's tools.
constexpr const char* pageScreenshotKey = "k";

EM_BOOL OnKeyDown(int, const EmscriptenKeyboardEvent* event, void*) {
    if (event->ctrlKey || event->altKey || event->metaKey) {
        return EM_FALSE; // the browser's own shortcuts
    }
    const char* key = event->key;
    const auto press = [](const InputEvent::Kind kind, const int code) {
        pendingInput.push_back({kind, code, 0, pointerX, pointerY});
    };
    if (std::strcmp(key, "Backspace") == 0) {
        press(InputEvent::Kind::Key, 27);
        return EM_TRUE;
    }
    if (std::strcmp(key, pageScreenshotKey) == 0 || std::strcmp(key, "K") == 0) {
        press(InputEvent::Kind::Special, 12);
        return EM_TRUE;
    }
    for (const auto& named : specialKeys) {
        if (std::strcmp(key, named.name) == 0) {
            press(InputEvent::Kind::Special, named.glut);
            // Full screen and reloading stay the browser's.
            return named.glut == 11 || named.glut == 5 ? EM_FALSE : EM_TRUE;
        }
    }
    unsigned char character = 0;
    for (const auto& named : namedCharacters) {
        if (std::strcmp(key, named.name) == 0) {
            character = named.character;
        }
    }
    if (character == 0 && key[0] != '\0' && key[1] == '\0' &&
        static_cast<unsigned char>(key[0]) >= 32 && static_cast<unsigned char>(key[0]) < 127) {
        character = static_cast<unsigned char>(key[0]);
    }
    if (character == 0) {
        return EM_FALSE;
    }
    press(InputEvent::Kind::Key, character);
    return EM_TRUE;
}

// The pointer in canvas pixels (the canvas may be drawn at another size
// than it is shown).
void PointerFrom(const EmscriptenMouseEvent* event) {
    double shownWidth = 0.0;
    double shownHeight = 0.0;
    emscripten_get_element_css_size(canvas, &shownWidth, &shownHeight);
    const Window& w = windows[mainWindow];
    pointerX = shownWidth > 0 ? static_cast<int>(event->targetX * w.width / shownWidth) : 0;
    pointerY = shownHeight > 0 ? static_cast<int>(event->targetY * w.height / shownHeight) : 0;
}

EM_BOOL OnMouseMove(int, const EmscriptenMouseEvent* event, void*) {
    PointerFrom(event);
    pendingInput.push_back({InputEvent::Kind::Move, 0, buttonsHeld != 0, pointerX, pointerY});
    return EM_FALSE;
}

EM_BOOL OnMouseButton(const int type, const EmscriptenMouseEvent* event, void*) {
    PointerFrom(event);
    const bool down = type == EMSCRIPTEN_EVENT_MOUSEDOWN;
    const int bit = 1 << event->button;
    buttonsHeld = down ? buttonsHeld | bit : buttonsHeld & ~bit;
    if (event->button <= 2) {
        pendingInput.push_back(
            {InputEvent::Kind::Button, event->button, down ? GLUT_DOWN : 1, pointerX, pointerY});
    }
    // The browser's own handling stays: a click gives the canvas the focus.
    return EM_FALSE;
}

// Before the game's window exists, the game may already be played without
// one (a recording cut short is finished at start-up), and what it draws
// then must go somewhere, as a desktop driver without a current context
// ignores it: a small hidden canvas of its own takes it.
EM_JS(void, AddWindowlessCanvas, (), {
    const canvas = document.createElement('canvas');
    canvas.id = 'gullmar-windowless';
    canvas.width = 1;
    canvas.height = 1;
    canvas.hidden = true;
    document.body.appendChild(canvas);
});

EMSCRIPTEN_WEBGL_CONTEXT_HANDLE MakeWindowlessContext() {
    AddWindowlessCanvas();
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.majorVersion = 1;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE windowless =
        emscripten_webgl_create_context("#gullmar-windowless", &attributes);
    if (windowless > 0) {
        emscripten_webgl_make_context_current(windowless);
    }
    return windowless;
}
const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE windowlessContext = MakeWindowlessContext();

// The pointer's shape over the canvas.
EM_JS(void, ShowCursor, (const char* shape), { Module.canvas.style.cursor = UTF8ToString(shape); });

// Stops every timer, frame and listener on the way out, so that nothing
// calls into the game once it has ended.
void StopAtExit() {
    running = false;
    if (idleTimer != 0) {
        emscripten_clear_timeout(idleTimer);
    }
    if (frameRequest != 0) {
        emscripten_cancel_animation_frame(frameRequest);
    }
    emscripten_html5_remove_all_event_listeners();
    EM_ASM({ Module.gullmarStopped = true; });
}

} // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void gullmar_run_idle() {
    RunIdle(nullptr);
}

void glut::Init(int*, char**) {
    // The textures are made here, in memory, by the generator that writes
    // the desktop's files: a few hundred milliseconds instead of megabytes
    // to download.
    try {
        texgen::WriteAllTextures("textures");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Gullmar: the textures could not be made: %s\n", e.what());
    }
    std::atexit(StopAtExit);
}

void glut::InitDisplayMode(unsigned int) {}

void glut::InitWindowSize(int, int) {
    // The canvas takes the size of the browser's window instead.
}

void glut::SetOption(GLenum, int) {}

int glut::CreateWindow(const char* title) {
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_TRUE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    attributes.majorVersion = 1;
    context = emscripten_webgl_create_context(canvas, &attributes);
    if (context <= 0) {
        std::fprintf(stderr, "Gullmar: the page has no WebGL: %d\n", static_cast<int>(context));
        EndProcess(EXIT_FAILURE);
    }
    emscripten_webgl_make_context_current(context);
    windows[mainWindow] = Window{true, 0, 0, 1, 1};
    current = mainWindow;
    FitCanvas();
    emscripten_set_window_title(title);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, OnResize);
    // Keys from wherever the page's focus is: its buttons give it back to
    // the canvas, and a key the game takes does nothing else on the page.
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, OnKeyDown);
    emscripten_set_mousemove_callback(canvas, nullptr, EM_FALSE, OnMouseMove);
    emscripten_set_mousedown_callback(canvas, nullptr, EM_FALSE, OnMouseButton);
    emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, OnMouseButton);
    // The layer draws from the first call on.
    UseEsGl();
    return mainWindow;
}

int glut::CreateSubWindow(int, const int x, const int y, const int width, const int height) {
    windows[secondWindow] = Window{true, x, y, width, height};
    current = secondWindow;
    PlaceSecondView();
    FitViewport(secondWindow);
    return secondWindow;
}

void glut::DestroyWindow(const int window) {
    if (window == secondWindow) {
        windows[secondWindow] = Window{};
        EsWindowDestroyed(secondWindow);
        current = mainWindow;
    }
}

void glut::SetWindow(const int window) {
    if (window > 0 && window < windowSlots && windows[window].exists) {
        current = window;
    }
}

int glut::GetWindow() {
    return current;
}

void glut::FullScreen() {
    // Only the player can take the page full screen (its button): a page
    // may not do so by itself.
}

void glut::SetCursor(const int cursor) {
    if (cursor == cursorShown) {
        return;
    }
    cursorShown = cursor;
    const char* shape = "default";
    switch (cursor) {
    case GLUT_CURSOR_NONE:
        shape = "none";
        break;
    case GLUT_CURSOR_CROSSHAIR:
    case GLUT_CURSOR_FULL_CROSSHAIR:
        shape = "crosshair";
        break;
    case GLUT_CURSOR_DESTROY:
        shape = "not-allowed";
        break;
    default:
        break;
    }
    ShowCursor(shape);
}

void glut::PositionWindow(const int x, const int y) {
    if (current == secondWindow) {
        windows[secondWindow].x = x;
        windows[secondWindow].y = y;
        PlaceSecondView();
    }
}

void glut::ReshapeWindow(const int width, const int height) {
    if (current == secondWindow) {
        windows[secondWindow].width = width;
        windows[secondWindow].height = height;
        PlaceSecondView();
        FitViewport(secondWindow);
    }
}

int glut::Get(const GLenum what) {
    const Window& w = windows[current];
    switch (what) {
    case GLUT_WINDOW_X:
        return w.x;
    case GLUT_WINDOW_Y:
        return w.y;
    case GLUT_WINDOW_WIDTH:
        return w.width;
    case GLUT_WINDOW_HEIGHT:
        return w.height;
    default:
        return 0;
    }
}

void glut::PostRedisplay() {
    windows[current].redisplay = true;
}

void glut::SwapBuffers() {
    // The browser shows the canvas once the frame's callback returns.
    EsBeforeSwap();
}

void glut::MainLoop() {
    running = true;
    ScheduleIdle(0);
    frameRequest = emscripten_request_animation_frame(DrawFrame, nullptr);
    // The browser's event loop runs the game from here; main's end is not
    // the game's.
    emscripten_exit_with_live_runtime();
}

void glut::DisplayFunc(void (*callback)()) {
    windows[current].display = callback;
}

void glut::IdleFunc(void (*callback)()) {
    idle = callback;
}

void glut::ReshapeFunc(void (*callback)(int, int)) {
    reshape = callback;
}

void glut::KeyboardFunc(void (*callback)(unsigned char, int, int)) {
    keyboard = callback;
}

void glut::SpecialFunc(void (*callback)(int, int, int)) {
    special = callback;
}

void glut::MouseFunc(void (*callback)(int, int, int, int)) {
    mouse = callback;
}

void glut::MotionFunc(void (*callback)(int, int)) {
    motion = callback;
}

void glut::PassiveMotionFunc(void (*callback)(int, int)) {
    passiveMotion = callback;
}
