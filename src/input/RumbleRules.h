#pragma once

#include "base/GameEvent.h"

// RumbleRules: what the pad's motors do for the events of a tick. A hit is
// a short, light tap; flying inside a building buzzes steadily, renewed on
// every tick that reports it, so it stops soon after the bird is out; death
// shakes long and hard. A stronger effect still running is not cut short by
// a weaker one.
class RumbleRules {
public:
    struct Effect {
        float low = 0.0f;  // the low-frequency (heavy) motor, 0..1
        float high = 0.0f; // the high-frequency (light) motor, 0..1
        unsigned int milliseconds = 0;
        int strength = 0; // which effect wins: hit < inside < death
    };

    static constexpr Effect hit{0.0f, 0.45f, 90, 1};
    static constexpr Effect inside{0.35f, 0.2f, 150, 2};
    static constexpr Effect death{1.0f, 0.8f, 800, 3};

    // The effect to start for this tick's events at game clock `now`, if any.
    bool Take(const GameEvents& events, unsigned int now, Effect& start);

private:
    int runningStrength = 0;
    unsigned int runningUntil = 0;
};
