#pragma once

#include "base/Settings.h"
#include "city/CityMap.h"
#include "world/World.h"

#include <memory>

// Helpers for actor and world tests: small hand-made maps whose cells are
// written directly, actors placed by hand, and a guard that restores the
// fast-computer setting.

inline void SetCellFlags(CityMap& map, const int x, const int y, const int flags) {
    map.Cells()[map.CellIndex(x, y)].flags = flags;
}

// A World on a map of width x height cells of 100 units, all with the same flags.
inline std::unique_ptr<World> WorldOnMap(const int width, const int height, const int flags) {
    auto world = std::make_unique<World>();
    world->GetCityMap().Init(width, height, 100.0f);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            SetCellFlags(world->GetCityMap(), x, y, flags);
        }
    }
    return world;
}

// A new actor of the list's kind at (x, y, z), model and position alike.
template <typename T, typename List>
T* AddActor(List& list, const float x, const float y, const float z = 1.0f) {
    auto actor = std::make_unique<T>();
    actor->Translate(x, y, z);
    actor->SetPosition(Point(x, y, z));
    T* raw = actor.get();
    list.push_back(std::move(actor));
    return raw;
}

class FastComputerGuard {
public:
    explicit FastComputerGuard(const int16_t value) : saved(settings.fastComputer) {
        settings.fastComputer = value;
    }
    ~FastComputerGuard() { settings.fastComputer = saved; }
    FastComputerGuard(const FastComputerGuard&) = delete;
    FastComputerGuard& operator=(const FastComputerGuard&) = delete;

private:
    int16_t saved;
};
