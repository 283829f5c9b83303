// Benchmark of building the city as the game does at start-up: map
// generation, road directions and the creation of every map object with its
// display list compiled, into the game's window (see BenchSupport.h, which
// every benchmark that draws shares, so they can run in one process).

#include "BenchSupport.h"

#include "city/CityMap.h"
#include "city/MapObject.h"
#include "city/TextureSet.h"
#include "game/Globals.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int citySize = 100;
constexpr float cellSize = 100.0f;

void CityGenerationAndObjects(benchmark::State& state) {
    EnsureGame();
    const TextureSet textures; // names 0: the lists are the same, untextured
    CityMap map;
    std::vector<std::unique_ptr<MapObject>> objects;
    int seed = 0;
    for (auto _ : state) {
        map.Init(citySize, citySize, cellSize);
        map.Generate(seed++);
        map.MarkRoadDirections();
        map.CreateObjects(objects, textures);
        glFinish();
        state.PauseTiming();
        state.counters["objects"] = static_cast<double>(objects.size());
        objects.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(CityGenerationAndObjects)->Unit(benchmark::kMillisecond);

void CityGenerationOnly(benchmark::State& state) {
    CityMap map;
    int seed = 0;
    for (auto _ : state) {
        map.Init(citySize, citySize, cellSize);
        map.Generate(seed++);
        map.MarkRoadDirections();
        benchmark::DoNotOptimize(map.Cells());
    }
}
BENCHMARK(CityGenerationOnly)->Unit(benchmark::kMillisecond);

} // namespace
