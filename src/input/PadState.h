#pragma once

#include <cstdint>

// PadState: what the pads show at one moment. With
// several pads attached their buttons count together and each axis comes from
// the pad that deflects it most, so any of them can play.
struct PadState {
    enum Button : uint32_t {
        A,
        B,
        X,
        Y,
        Back,
        Start,
        LeftShoulder,
        RightShoulder,
        DpadUp,
        DpadDown,
        DpadLeft,
        DpadRight,
    };

    int pads = 0;             // pads attached
    bool unplugged = false;   // a pad was pulled out since the last read
    uint32_t buttons = 0;     // bit n: Button n is held
    float leftX = 0.0f;       // the left stick, -1..1, right positive
    float leftY = 0.0f;       // -1..1, down positive
    float leftTrigger = 0.0f; // 0..1; 0 on pads without triggers
    float rightTrigger = 0.0f;

    bool Held(const Button button) const { return (buttons & (1u << button)) != 0; }
    void Press(const Button button) { buttons |= 1u << button; }
};

// PadReadings: what one read of the pads (once per idle call) saw, in order:
// the pads after each press and release of a button since the last read,
// then the pads as they are now. A button pressed and let go between two
// reads, however slow the frames, is one reading with it held and one
// without.
struct PadReadings {
    static constexpr int capacity = 32;
    PadState states[capacity];
    int count = 0;

    // More changes than fit (a pad's buttons hammered through a frame of
    // seconds) fold into the last reading.
    void Add(const PadState& state) { states[count < capacity ? count++ : capacity - 1] = state; }
};
