#include "input/VirtualPad.h"

#include <algorithm>

namespace {

// A virtual pad's triggers use the whole axis, rest at its lowest value.
Sint16 Raw(const SDL_GameControllerAxis axis, const float value) {
    const bool trigger =
        axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT || axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
    const float stick =
        trigger ? std::clamp(value, 0.0f, 1.0f) * 2.0f - 1.0f : std::clamp(value, -1.0f, 1.0f);
    return static_cast<Sint16>(stick < 0.0f ? stick * 32768.0f : stick * 32767.0f);
}

} // namespace

VirtualPad::VirtualPad(const bool withTriggers) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    axes = withTriggers ? SDL_CONTROLLER_AXIS_MAX : SDL_CONTROLLER_AXIS_TRIGGERLEFT;
    desc.naxes = static_cast<Uint16>(axes);
    desc.nbuttons = SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1;
    desc.name = withTriggers ? "Gullmar test pad" : "Gullmar test pad without triggers";
    desc.userdata = this;
    desc.Rumble = OnRumble;
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index >= 0) {
        joystick = SDL_JoystickOpen(index);
    }
}

void VirtualPad::Unplug() {
    if (joystick == nullptr) {
        return;
    }
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick);
    SDL_JoystickClose(joystick);
    joystick = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id) {
            SDL_JoystickDetachVirtual(i);
            return;
        }
    }
}

void VirtualPad::Press(const SDL_GameControllerButton button, const bool down) {
    SDL_JoystickSetVirtualButton(joystick, button, down ? SDL_PRESSED : SDL_RELEASED);
}

void VirtualPad::Axis(const SDL_GameControllerAxis axis, const float value) {
    if (axis >= axes) {
        return;
    }
    SDL_JoystickSetVirtualAxis(joystick, axis, Raw(axis, value));
}

void VirtualPad::Release() {
    for (int b = 0; b <= SDL_CONTROLLER_BUTTON_DPAD_RIGHT; ++b) {
        Press(static_cast<SDL_GameControllerButton>(b), false);
    }
    for (int a = 0; a < axes; ++a) {
        Axis(static_cast<SDL_GameControllerAxis>(a), 0.0f);
    }
}

int VirtualPad::OnRumble(void* userdata, const Uint16 low, const Uint16 high) {
    static_cast<VirtualPad*>(userdata)->rumbles.push_back({low, high});
    return 0;
}
