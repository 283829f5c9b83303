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

const ButtonName* NameOf(const int sdlButton) {
    for (const ButtonName& name : buttonNames) {
        if (name.sdl == sdlButton) {
            return &name;
        }
    }
    return nullptr;
}

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
        held[i] = 0;
    }
    padCount = 0;
    last = PadState{};
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
        held[padCount] = 0;
        pads[padCount++] = pad;
    }
}

bool Gamepad::Detach(const int instanceId) {
    for (int i = 0; i < padCount; ++i) {
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pads[i])) == instanceId) {
            SDL_GameControllerClose(pads[i]);
            pads[i] = pads[--padCount];
            held[i] = held[padCount];
            pads[padCount] = nullptr;
            held[padCount] = 0;
            return true;
        }
    }
    return false;
}

PadState Gamepad::Now(const uint32_t buttons[maxPads]) const {
    PadState state;
    state.pads = padCount;
    for (int i = 0; i < padCount; ++i) {
        SDL_GameController* pad = pads[i];
        state.buttons |= buttons[i];
        Merge(state.leftX, Axis(pad, SDL_CONTROLLER_AXIS_LEFTX));
        Merge(state.leftY, Axis(pad, SDL_CONTROLLER_AXIS_LEFTY));
        Merge(state.leftTrigger, Axis(pad, SDL_CONTROLLER_AXIS_TRIGGERLEFT));
        Merge(state.rightTrigger, Axis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
    }
    return state;
}

PadReadings Gamepad::Poll() {
    PadReadings readings;
    if (!open) {
        readings.Add(PadState{});
        return readings;
    }
    // Between reads SDL queues the pads' events in the order they came: a
    // press and its release both wait there, though the button is up by now.
    bool unplugged = false;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        if (event.type == SDL_CONTROLLERDEVICEADDED) {
            Attach(event.cdevice.which);
        } else if (event.type == SDL_CONTROLLERDEVICEREMOVED && Detach(event.cdevice.which)) {
            unplugged = true;
        } else if (event.type == SDL_CONTROLLERBUTTONDOWN || event.type == SDL_CONTROLLERBUTTONUP) {
            const int index = IndexOf(event.cbutton.which);
            const ButtonName* name = NameOf(event.cbutton.button);
            if (index < 0 || name == nullptr) {
                continue;
            }
            const uint32_t bit = 1u << name->pad;
            held[index] =
                event.cbutton.state == SDL_PRESSED ? held[index] | bit : held[index] & ~bit;
            PadState changed = last;
            changed.pads = padCount;
            changed.buttons = 0;
            for (int i = 0; i < padCount; ++i) {
                changed.buttons |= held[i];
            }
            changed.unplugged = unplugged;
            readings.Add(changed);
        }
    }
    // Then the pads as they are: what SDL says of each button now.
    for (int i = 0; i < padCount; ++i) {
        held[i] = 0;
        for (const ButtonName& name : buttonNames) {
            if (SDL_GameControllerGetButton(pads[i], name.sdl) != 0) {
                held[i] |= 1u << name.pad;
            }
        }
    }
    last = Now(held);
    last.unplugged = unplugged;
    readings.Add(last);
    last.unplugged = false;
    return readings;
}

int Gamepad::IndexOf(const int instanceId) const {
    for (int i = 0; i < padCount; ++i) {
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pads[i])) == instanceId) {
            return i;
        }
    }
    return -1;
}

void Gamepad::Rumble(const float low, const float high, const unsigned int milliseconds) {
    for (int i = 0; i < padCount; ++i) {
        // A pad without motors refuses; nothing else is to be done about it.
        SDL_GameControllerRumble(pads[i], Motor(low), Motor(high), milliseconds);
    }
}
