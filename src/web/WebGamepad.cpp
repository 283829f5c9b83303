#include "input/Gamepad.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>

// The pads in the browser: its Gamepad API, read once per idle call, in the
// standard layout every browser maps known pads to. The browser keeps no
// queue of presses, so each read is the pads as they are then.

namespace {

// The standard layout's buttons that the game knows, by their place.
constexpr struct {
    int index;
    PadState::Button pad;
} buttonPlaces[] = {
    {0, PadState::A},        {1, PadState::B},          {2, PadState::X},
    {3, PadState::Y},        {4, PadState::LeftShoulder}, {5, PadState::RightShoulder},
    {8, PadState::Back},     {9, PadState::Start},      {12, PadState::DpadUp},
    {13, PadState::DpadDown}, {14, PadState::DpadLeft}, {15, PadState::DpadRight},
};
constexpr int leftTriggerIndex = 6;
constexpr int rightTriggerIndex = 7;

// The connected pads, by the browser's slot; the slots of the last read.
bool connected[64] = {};

// Of several pads, the one deflecting an axis most gives it.
void Merge(float& axis, const double value) {
    const float v = std::clamp(static_cast<float>(value), -1.0f, 1.0f);
    if (std::fabs(v) > std::fabs(axis)) {
        axis = v;
    }
}

// Where the browser can (Chromium's vibrationActuator), every pad shakes.
EM_JS(void, RumbleEveryPad, (float low, float high, int milliseconds), {
    const pads = navigator.getGamepads ? navigator.getGamepads() : [];
    for (const pad of pads) {
        if (pad && pad.vibrationActuator && pad.vibrationActuator.playEffect) {
            pad.vibrationActuator
                .playEffect('dual-rumble',
                            {duration : milliseconds, strongMagnitude : low, weakMagnitude : high})
                .catch(() => {});
        }
    }
});

} // namespace

bool Gamepad::Open(Devices) {
    open = emscripten_sample_gamepad_data() == EMSCRIPTEN_RESULT_SUCCESS;
    if (!open) {
        emscripten_log(EM_LOG_CONSOLE, "Gullmar: this browser reads no gamepads; playing without them.");
    }
    return open;
}

void Gamepad::Close() {
    open = false;
    padCount = 0;
}

PadReadings Gamepad::Poll() {
    PadReadings readings;
    PadState now;
    if (open && emscripten_sample_gamepad_data() == EMSCRIPTEN_RESULT_SUCCESS) {
        const int slots = std::min(emscripten_get_num_gamepads(), 64);
        for (int slot = 0; slot < 64; ++slot) {
            EmscriptenGamepadEvent pad{};
            const bool here = slot < slots &&
                              emscripten_get_gamepad_status(slot, &pad) == EMSCRIPTEN_RESULT_SUCCESS &&
                              pad.connected;
            if (connected[slot] && !here) {
                now.unplugged = true;
            }
            connected[slot] = here;
            if (!here) {
                continue;
            }
            ++now.pads;
            for (const auto& place : buttonPlaces) {
                if (place.index < pad.numButtons && pad.digitalButton[place.index]) {
                    now.Press(place.pad);
                }
            }
            if (pad.numAxes >= 2) {
                Merge(now.leftX, pad.axis[0]);
                Merge(now.leftY, pad.axis[1]);
            }
            if (pad.numButtons > rightTriggerIndex) {
                Merge(now.leftTrigger, pad.analogButton[leftTriggerIndex]);
                Merge(now.rightTrigger, pad.analogButton[rightTriggerIndex]);
            }
        }
    }
    padCount = now.pads;
    last = now;
    readings.Add(now);
    return readings;
}

void Gamepad::Rumble(const float low, const float high, const unsigned int milliseconds) {
    RumbleEveryPad(std::clamp(low, 0.0f, 1.0f), std::clamp(high, 0.0f, 1.0f),
                   static_cast<int>(milliseconds));
}
