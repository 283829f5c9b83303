#pragma once

#include "city/CityMap.h"
#include "shell/Settings.h"

// Helpers for actor and world tests: small hand-made maps whose cells are
// written directly, and a guard that restores the fast-computer setting.

inline void SetCellFlags(CityMap& map, const int x, const int y, const int flags) {
    map.Cells()[map.CellIndex(x, y)].flags = flags;
}

inline void FillCellFlags(CityMap& map, const int flags) {
    for (int x = 0; x < map.GetWidth(); ++x) {
        for (int y = 0; y < map.GetHeight(); ++y) {
            SetCellFlags(map, x, y, flags);
        }
    }
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
