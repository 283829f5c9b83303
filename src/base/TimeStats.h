#pragma once

#include <cstdint>

// TimeStats: a small always-on profiler. Each numbered slot adds up the
// milliseconds spent between Start and Stop; Quit writes the totals to
// "gullmar_ts.txt". Two clock readings per section and no allocation.
class TimeStats {
public:
    static constexpr int slotCount = 40;
    // Slots in use.
    enum Slot {
        Display = 0,
        Idle = 1,
        Atmosphere = 2,
        Camera = 3,
        MapObjects = 4,
        Peds = 5,
        Cars = 6,
        Fries = 7,
        Clouds = 8,
        BirdGeometry = 9,
        Osd = 10,
    };

    void Start(int slot);
    void Stop(int slot);
    // Runs one step of the game between Start and Stop of its slot.
    template <typename Step> void Timed(const int slot, Step step) {
        Start(slot);
        step();
        Stop(slot);
    }
    uint32_t Total(int slot) const;
    // Writes the report file; a file that cannot be opened is skipped silently.
    void WriteReport(const char* fileName = "gullmar_ts.txt") const;

private:
    // Between Start and Stop a slot holds a wrapped value; unsigned
    // arithmetic makes the sum come out right at Stop.
    uint32_t slots[slotCount] = {};
};

// The game's one profiler, defined with the other process-wide objects.
extern TimeStats timeStats;
