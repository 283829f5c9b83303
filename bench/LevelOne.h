#pragma once

// Level 1 on a generated 100 x 100 city of a fixed seed, without a window,
// for the benchmarks of a tick's work.

#include "world/World.h"

#include <cstdlib>
#include <memory>

inline std::unique_ptr<World> MakeLevelOne() {
    constexpr int citySeed = 31;
    std::srand(citySeed);
    auto world = std::make_unique<World>();
    CityMap& map = world->GetCityMap();
    map.Init(100, 100, 100.0f);
    map.Generate(citySeed);
    map.MarkRoadDirections();
    world->GetBird().SetWorldSize(10000.0f, 10000.0f);
    world->SetupLevel(1);
    return world;
}
