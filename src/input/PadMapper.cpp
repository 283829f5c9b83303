#include "input/PadMapper.h"

#include "legacygl/Gl.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr unsigned char keyEnter = 13;
constexpr unsigned char keyEscape = 27;

} // namespace

bool PadMapper::Repeater::Fire(const bool down, const unsigned int now,
                               const unsigned int interval) {
    if (!down) {
        held = false;
        return false;
    }
    if (!held) {
        held = true;
        next = now + firstRepeat;
        return true;
    }
    if (now < next) {
        return false;
    }
    // One repeat per read: a late read does not bunch up the ones it missed.
    next += interval;
    if (next <= now) {
        next = now + interval;
    }
    return true;
}

bool PadMapper::StickButton::Read(const float deflection) {
    held = deflection >= (held ? stickReleased : stickPressed);
    return held;
}

void PadMapper::ApplyDeadZone(const float x, const float y, float& outX, float& outY) {
    // Round the rest position, so that the stick steers alike in every direction.
    const float length = std::hypot(x, y);
    if (length <= deadZone) {
        outX = 0.0f;
        outY = 0.0f;
        return;
    }
    const float scale = std::min(1.0f, (length - deadZone) / (1.0f - deadZone)) / length;
    outX = std::clamp(x * scale, -1.0f, 1.0f);
    outY = std::clamp(y * scale, -1.0f, 1.0f);
}

bool PadMapper::Pressed(const PadState& pad, const PadState::Button button) const {
    return pad.Held(button) && (previousButtons & (1u << button)) == 0;
}

void PadMapper::Update(const PadState& pad, const PadContext& context, const unsigned int now,
                       PadCommands& out) {
    const bool inMenus = context.menus.front != MenuScreen::Front::None;
    if (context.pointerX != pointerX || context.pointerY != pointerY || pad.pads == 0) {
        padHasMenus = false;
        pointerX = context.pointerX;
        pointerY = context.pointerY;
    }
    if (pad.unplugged && !inMenus) {
        // The pulled pad lets go of the stick, and the game waits for the player.
        if (steerX != 0.0f || steerY != 0.0f) {
            steerX = 0.0f;
            steerY = 0.0f;
            out.Add(Command::SteerTo(0.0f, 0.0f));
        }
        out.Add(Command::KeyPressed(keyEscape));
        previousButtons = pad.buttons;
        return;
    }

    if (inMenus) {
        faster = slower = zoomIn = zoomOut = Repeater{};
        Menus(pad, context, now, out);
    } else {
        focusUp = focusDown = sliderDown = sliderUp = Repeater{};
        front = MenuScreen::Front::None;
        Play(pad, now, out);
    }
    if (Pressed(pad, PadState::Back)) {
        out.Add(Command::KeyPressed(context.secondViewOpen ? '1' : '2'));
    }
    if (Pressed(pad, PadState::X)) {
        out.Add(Command::SpecialKeyPressed(GLUT_KEY_F12));
    }
    if (Pressed(pad, PadState::Y)) {
        out.Add(Command::KeyPressed('n'));
    }
    previousButtons = pad.buttons;
}

void PadMapper::Play(const PadState& pad, const unsigned int now, PadCommands& out) {
    float x = 0.0f;
    float y = 0.0f;
    ApplyDeadZone(pad.leftX, pad.leftY, x, y);
    if (invertPitch) {
        y = -y;
    }
    if (x != steerX || y != steerY) {
        steerX = x;
        steerY = y;
        out.Add(Command::SteerTo(x, y));
    }
    const bool up = pad.rightTrigger >= triggerPressed || pad.Held(PadState::RightShoulder);
    const bool down = pad.leftTrigger >= triggerPressed || pad.Held(PadState::LeftShoulder);
    // The speed keys' own commands, so the pad changes the speed exactly as they do.
    if (faster.Fire(up && !down, now, playRepeat)) {
        out.Add(Command::KeyPressed('w'));
    }
    if (slower.Fire(down && !up, now, playRepeat)) {
        out.Add(Command::KeyPressed('s'));
    }
    if (zoomIn.Fire(pad.Held(PadState::DpadUp), now, menuRepeat)) {
        out.Add(Command::KeyPressed('+'));
    }
    if (zoomOut.Fire(pad.Held(PadState::DpadDown), now, menuRepeat)) {
        out.Add(Command::KeyPressed('-'));
    }
    if (Pressed(pad, PadState::A)) {
        out.Add(Command::DropPoop());
    }
    if (Pressed(pad, PadState::Start)) {
        out.Add(Command::KeyPressed(keyEscape));
    }
    // Read in play too, so that a stick held over a change of screen is no press.
    stickUp.Read(-pad.leftY);
    stickDown.Read(pad.leftY);
    stickLeft.Read(-pad.leftX);
    stickRight.Read(pad.leftX);
}

void PadMapper::Menus(const PadState& pad, const PadContext& context, const unsigned int now,
                      PadCommands& out) {
    const MenuScreen& menus = context.menus;
    int& focused = focus[static_cast<int>(menus.front)];
    focused = std::clamp(focused, 0, std::max(0, menus.controlCount - 1));
    if (menus.front != front) {
        front = menus.front;
        if (padHasMenus) {
            PointAtFocus(menus, out);
        }
    }
    const bool up = stickUp.Read(-pad.leftY) || pad.Held(PadState::DpadUp);
    const bool down = stickDown.Read(pad.leftY) || pad.Held(PadState::DpadDown);
    const bool left = stickLeft.Read(-pad.leftX) || pad.Held(PadState::DpadLeft);
    const bool right = stickRight.Read(pad.leftX) || pad.Held(PadState::DpadRight);
    if (menus.controlCount == 0) {
        return;
    }
    const int count = menus.controlCount;
    if (focusUp.Fire(up && !down, now, menuRepeat)) {
        focused = (focused + count - 1) % count;
        PointAtFocus(menus, out);
    }
    if (focusDown.Fire(down && !up, now, menuRepeat)) {
        focused = (focused + 1) % count;
        PointAtFocus(menus, out);
    }
    const MenuScreen::Control& control = menus.controls[focused];
    const bool onSlider = control.kind == MenuScreen::ControlKind::Slider;
    const float middleY = control.y + control.height / 2.0f;
    if (sliderDown.Fire(onSlider && left && !right, now, menuRepeat)) {
        out.Add(Command::PointInMenus(control.x + sliderEndInset, middleY));
        Click(context, out);
        padHasMenus = true;
    }
    if (sliderUp.Fire(onSlider && right && !left, now, menuRepeat)) {
        out.Add(Command::PointInMenus(control.x + control.width - sliderEndInset, middleY));
        Click(context, out);
        padHasMenus = true;
    }
    if (Pressed(pad, PadState::A)) {
        PointAtFocus(menus, out);
        Click(context, out);
    }
    if (Pressed(pad, PadState::B)) {
        if (menus.backControl >= 0 && menus.backControl < count) {
            focused = menus.backControl;
            PointAtFocus(menus, out);
            Click(context, out);
        } else {
            out.Add(Command::KeyPressed(keyEnter));
        }
    }
    if (Pressed(pad, PadState::Start)) {
        out.Add(Command::KeyPressed(keyEnter));
    }
}

void PadMapper::PointAtFocus(const MenuScreen& menus, PadCommands& out) {
    if (menus.controlCount == 0) {
        return;
    }
    const MenuScreen::Control& control = menus.controls[focus[static_cast<int>(menus.front)]];
    out.Add(
        Command::PointInMenus(control.x + control.width / 2.0f, control.y + control.height / 2.0f));
    padHasMenus = true;
}

void PadMapper::Click(const PadContext& context, PadCommands& out) const {
    // Press and release at once: the menus act on the release, at the next tick.
    const int x = static_cast<int>(context.pointerX);
    const int y = static_cast<int>(context.pointerY);
    out.Add(Command::Button(GLUT_LEFT_BUTTON, true, x, y));
    out.Add(Command::Button(GLUT_LEFT_BUTTON, false, x, y));
}
