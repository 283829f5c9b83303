#pragma once

#include <SDL2/SDL.h>

#include <vector>

// VirtualPad: a pad made with SDL's virtual joystick, which the game sees as
// a real one (plugged in at construction, pulled out at destruction or
// Unplug). Its axes and buttons are set by the test; its Rumble callback
// records what the game asks of its motors. SDL must be running (OpenPads).
class VirtualPad {
public:
    struct RumbleCall {
        Uint16 low;
        Uint16 high;
    };

    explicit VirtualPad(bool withTriggers = true);
    ~VirtualPad() { Unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool Attached() const { return joystick != nullptr; }
    void Unplug();
    void Press(SDL_GameControllerButton button, bool down = true);
    // -1..1 for a stick, 0..1 for a trigger.
    void Axis(SDL_GameControllerAxis axis, float value);
    void Release();

    std::vector<RumbleCall> rumbles;

private:
    static int OnRumble(void* userdata, Uint16 low, Uint16 high);

    SDL_Joystick* joystick = nullptr;
    int axes = 0;
};
