#pragma once

#include "input/PadState.h"

struct _SDL_GameController;

// Gamepad: the pads, through SDL's game-controller subsystem alone (no SDL
// window or video: the window is freeglut's). Any pad SDL knows works, from
// its mapping database or SDL_GAMECONTROLLERCONFIG, whether it was plugged
// in before the game started or at any time after. Read on the game's one
// thread, once per idle call; SDL is told to leave the process's signals
// alone, so Ctrl-C ends the game as before.
class Gamepad {
public:
    static constexpr int maxPads = 4;
    // Which devices count: all, or only SDL's virtual ones (tests, so that a
    // real pad on the machine cannot join in).
    enum class Devices { All, VirtualOnly };

    Gamepad() = default;
    ~Gamepad() { Close(); }
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    // Starts the subsystem; if it cannot start, says so in one line on
    // stderr and returns false, and the game plays on without pads.
    bool Open(Devices devices = Devices::All);
    // Lets go of every pad (stopping its motors) and of SDL.
    void Close();
    bool IsOpen() const { return open; }
    int PadCount() const { return padCount; }

    // Takes the pads plugged in or pulled out since the last call and every
    // press and release of their buttons, in order, then reads them all
    // together as they are now.
    PadReadings Poll();
    // Runs the motors of every pad that has them; strengths 0..1.
    void Rumble(float low, float high, unsigned int milliseconds);

private:
    void Attach(int deviceIndex);
    bool Detach(int instanceId);
    int IndexOf(int instanceId) const; // -1: not one of ours
    // The pads as they are now, with these buttons held on each.
    PadState Now(const uint32_t buttons[maxPads]) const;

    bool open = false;
    Devices accepted = Devices::All;
    _SDL_GameController* pads[maxPads] = {};
    int padCount = 0;
    uint32_t held[maxPads] = {}; // each pad's buttons, as its events left them
    PadState last;               // the pads as the last read left them
};
