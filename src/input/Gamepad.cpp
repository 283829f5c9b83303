#include "input/Gamepad.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr float axisRange = 32767.0f;
constexpr float motorRange = 65535.0f;

struct ButtonName {
    SDL_GameControllerButton sdl;
    PadState::Button pad;
};

constexpr ButtonName buttonNames[] = {
    {SDL_CONTROLLER_BUTTON_A, PadState::A},
    {SDL_CONTROLLER_BUTTON_B, PadState::B},
    {SDL_CONTROLLER_BUTTON_X, PadState::X},
    {SDL_CONTROLLER_BUTTON_Y, PadState::Y},
    {SDL_CONTROLLER_BUTTON_BACK, PadState::Back},
    {SDL_CONTROLLER_BUTTON_START, PadState::Start},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PadState::LeftShoulder},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PadState::RightShoulder},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadState::DpadUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadState::DpadDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadState::DpadLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadState::DpadRight},
};

float Axis(SDL_GameController* pad, const SDL_GameControllerAxis axis) {
    return std::clamp(static_cast<float>(SDL_GameControllerGetAxis(pad, axis)) / axisRange, -1.0f,
                      1.0f);
}

// Of two pads, the one that deflects an axis more moves it.
void Merge(float& into, const float value) {
    if (std::fabs(value) > std::fabs(into)) {
        into = value;
    }
}

Uint16 Motor(const float strength) {
    return static_cast<Uint16>(std::clamp(strength, 0.0f, 1.0f) * motorRange);
}

} // namespace

bool Gamepad::Open(const Devices devices) {
    if (open) {
        return true;
    }
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "Gullmar: no gamepads (%s); playing on without them.\n",
                     SDL_GetError());
        return false;
    }
    accepted = devices;
    open = true;
    // Pads plugged in before the start arrive as plug events at the first Poll.
    return true;
}

void Gamepad::Close() {
    if (!open) {
        return;
    }
    for (int i = 0; i < padCount; ++i) {
        SDL_GameControllerClose(pads[i]);
        pads[i] = nullptr;
    }
    padCount = 0;
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    SDL_Quit();
    open = false;
}

void Gamepad::Attach(const int deviceIndex) {
    if (padCount == maxPads ||
        (accepted == Devices::VirtualOnly && !SDL_JoystickIsVirtual(deviceIndex))) {
        return;
    }
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    for (int i = 0; i < padCount; ++i) {
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pads[i])) == id) {
            return;
        }
    }
    SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
    if (pad != nullptr) {
        pads[padCount++] = pad;
    }
}

bool Gamepad::Detach(const int instanceId) {
    for (int i = 0; i < padCount; ++i) {
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pads[i])) == instanceId) {
            SDL_GameControllerClose(pads[i]);
            pads[i] = pads[--padCount];
            pads[padCount] = nullptr;
            return true;
        }
    }
    return false;
}

PadState Gamepad::Poll() {
    PadState state;
    if (!open) {
        return state;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        if (event.type == SDL_CONTROLLERDEVICEADDED) {
            Attach(event.cdevice.which);
        } else if (event.type == SDL_CONTROLLERDEVICEREMOVED && Detach(event.cdevice.which)) {
            state.unplugged = true;
        }
    }
    state.pads = padCount;
    for (int i = 0; i < padCount; ++i) {
        SDL_GameController* pad = pads[i];
        for (const ButtonName& name : buttonNames) {
            if (SDL_GameControllerGetButton(pad, name.sdl) != 0) {
                state.Press(name.pad);
            }
        }
        Merge(state.leftX, Axis(pad, SDL_CONTROLLER_AXIS_LEFTX));
        Merge(state.leftY, Axis(pad, SDL_CONTROLLER_AXIS_LEFTY));
        Merge(state.leftTrigger, Axis(pad, SDL_CONTROLLER_AXIS_TRIGGERLEFT));
        Merge(state.rightTrigger, Axis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
    }
    return state;
}

void Gamepad::Rumble(const float low, const float high, const unsigned int milliseconds) {
    for (int i = 0; i < padCount; ++i) {
        // A pad without motors refuses; nothing else is to be done about it.
        SDL_GameControllerRumble(pads[i], Motor(low), Motor(high), milliseconds);
    }
}
