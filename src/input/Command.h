#pragma once

// Command: one thing the player asks of the game, as a small value. Every
// source of input turns what it sees into commands: the GLUT callbacks (the
// pointer, its buttons, the keys), the pads, the timedemo's script and a
// recorded flight. The game's ApplyCommand is the one door through which
// they reach the game.
//
// The pointer, its buttons and the keys are what the player did; a key is
// carried out as the command that says what it means (Esc is OpenMainMenu),
// and that meaning, not the key, is what a recording keeps. A new kind must
// be handled wherever commands are carried out, recorded and played back:
// those switches have no default, so the build stops until it is.
struct Command {
    enum class Kind : unsigned char {
        Pointer,       // the pointer moved to (x, y), in window pixels: it steers and points
        PointerButton, // GLUT mouse button `code` went down (down = 1) or up at (x, y)
        Key,           // the keyboard key `code`, a character
        SpecialKey,    // the GLUT special key `code` (an arrow, F12)
        Steer,         // steer as the pointer would at offset (x, y) from the centre, -1..1 each
        MenuPointer,   // the menus' pointer at (x, y) from their panel's top-left corner;
                       // it steers nothing and leaves the real pointer where it is
        SpeedChange,   // the speed change `x` that the next tick applies
        Drop,          // drop poop now
        Resume,        // hide the main menu
        OpenMainMenu,  // the main menu, titled "MAIN MENU"
        ShowMainMenu,  // the main menu, its title unchanged
        ZoomRadarIn,
        ZoomRadarOut,
        OpenSecondView,
        CloseSecondView,
        ToggleFreeze, // pedestrians, cars, fries and clouds stop or move again
        ToggleMute,
        Screenshot,
    };

    Kind kind = Kind::Key;
    int code = 0;
    int down = 0;
    float x = 0.0f;
    float y = 0.0f;

    static Command PointerAt(const int px, const int py) {
        return {Kind::Pointer, 0, 0, static_cast<float>(px), static_cast<float>(py)};
    }
    static Command Button(const int button, const bool isDown, const int px, const int py) {
        return {Kind::PointerButton, button, isDown ? 1 : 0, static_cast<float>(px),
                static_cast<float>(py)};
    }
    static Command KeyPressed(const unsigned char key) { return {Kind::Key, key, 0, 0.0f, 0.0f}; }
    static Command SpecialKeyPressed(const int key) {
        return {Kind::SpecialKey, key, 0, 0.0f, 0.0f};
    }
    static Command SteerTo(const float offsetX, const float offsetY) {
        return {Kind::Steer, 0, 0, offsetX, offsetY};
    }
    static Command PointInMenus(const float fromLeft, const float fromTop) {
        return {Kind::MenuPointer, 0, 0, fromLeft, fromTop};
    }
    static Command ChangeSpeed(const float amount) {
        return {Kind::SpeedChange, 0, 0, amount, 0.0f};
    }
    static Command DropPoop() { return Of(Kind::Drop); }
    // A command that carries nothing but its kind.
    static Command Of(const Kind kind) { return {kind, 0, 0, 0.0f, 0.0f}; }
};
