#pragma once

#include "input/Command.h"
#include "input/PadState.h"

// MenuScreen: the menu in front as the pad sees it: where its controls lie,
// measured from the panel's top-left corner, and which of them B clicks.
struct MenuScreen {
    static constexpr int maxControls = 10;
    static constexpr int noControl = -1;
    enum class Front : int { None = -1, Main = 0, Config = 1 };
    enum class ControlKind : unsigned char { Button, Slider, CheckBox };
    struct Control {
        ControlKind kind = ControlKind::Button;
        float x = 0.0f;
        float y = 0.0f;
        float width = 0.0f;
        float height = 0.0f;
    };

    Front front = Front::None;
    int controlCount = 0;
    Control controls[maxControls];
    int backControl = noControl; // clicked by B; without one B is Enter
};

// PadContext: what the pad's commands depend on besides the pad.
struct PadContext {
    MenuScreen menus;
    bool secondViewOpen = false;
    // The real pointer in window pixels; when it moves, the menus belong to
    // the mouse again.
    float pointerX = 0.0f;
    float pointerY = 0.0f;
};

// PadCommands: the commands of one read of the pads, in order, without
// allocating.
struct PadCommands {
    static constexpr int capacity = 16;
    Command items[capacity];
    int count = 0;

    void Add(const Command& command) {
        if (count < capacity) {
            items[count++] = command;
        }
    }
};

// PadMapper: turns the pads' state, read once per idle call, into the
// commands a keyboard and a mouse would give, so that the pad plays through
// the same door and a recorded flight replays it. It knows no SDL and no
// game objects: what it needs of the game comes in a PadContext.
//
// In play the left stick steers as the pointer's offset does (sent when it
// changes, so a pointer that moved later keeps steering until the stick
// moves again), the triggers or shoulders change the speed and, held,
// repeat on the game clock, A drops, Start pauses as Esc, Back opens or
// closes the second view, the d-pad zooms the radar. In the menus a focus
// moves from control to control of the menu in front and the menus' pointer
// is put on it; A clicks it, left and right click a slider's ends, B goes
// back, Start is Enter. X (screenshot) and Y (mute) work everywhere.
class PadMapper {
public:
    static constexpr float deadZone = 0.25f;         // of the stick's throw, round its rest
    static constexpr float triggerPressed = 0.5f;    // of a trigger's travel
    static constexpr float stickPressed = 0.5f;      // a stick counts as a d-pad press from here
    static constexpr float stickReleased = 0.3f;     // and as released below this
    static constexpr unsigned int firstRepeat = 400; // ms a held control waits to repeat
    static constexpr unsigned int playRepeat = 40;   // ms between repeats in play
    static constexpr unsigned int menuRepeat = 150;  // ms between focus moves when held
    static constexpr float sliderEndInset = 6.0f;    // pixels into a slider's end zone

    explicit PadMapper(bool invertPitch = false) : invertPitch(invertPitch) {}

    // One read of the pads at game clock `now`: adds its commands to `out`.
    void Update(const PadState& pad, const PadContext& context, unsigned int now, PadCommands& out);

    // The stick's deflection with the dead zone taken out: 0 inside it, then
    // rising from 0 at its edge to 1 at full throw, each axis within -1..1.
    static void ApplyDeadZone(float x, float y, float& outX, float& outY);

    // Nothing held and no steering of the pad's own in force: a read without
    // pads has nothing to do.
    bool AtRest() const { return previousButtons == 0 && steerX == 0.0f && steerY == 0.0f; }

private:
    // A control that acts when pressed and, held, again after firstRepeat
    // and then every `interval` ms of the game clock.
    struct Repeater {
        bool held = false;
        unsigned int next = 0;
        bool Fire(bool down, unsigned int now, unsigned int interval);
    };
    // A stick direction read as a button, with some play between press and release.
    struct StickButton {
        bool held = false;
        bool Read(float deflection);
    };

    void Play(const PadState& pad, unsigned int now, PadCommands& out);
    void Menus(const PadState& pad, const PadContext& context, unsigned int now, PadCommands& out);
    void PointAtFocus(const MenuScreen& menus, PadCommands& out);
    void Click(const PadContext& context, PadCommands& out) const;
    bool Pressed(const PadState& pad, PadState::Button button) const;

    bool invertPitch = false;
    uint32_t previousButtons = 0;
    float steerX = 0.0f; // the steering last sent
    float steerY = 0.0f;
    Repeater faster;
    Repeater slower;
    Repeater zoomIn;
    Repeater zoomOut;
    Repeater focusUp;
    Repeater focusDown;
    Repeater sliderDown;
    Repeater sliderUp;
    StickButton stickUp;
    StickButton stickDown;
    StickButton stickLeft;
    StickButton stickRight;
    int focus[2] = {0, 0}; // per menu
    MenuScreen::Front front = MenuScreen::Front::None;
    bool padHasMenus = false; // the pad, not the mouse, last used the menus
    float pointerX = 0.0f;    // the real pointer where the pad last saw it
    float pointerY = 0.0f;
};
