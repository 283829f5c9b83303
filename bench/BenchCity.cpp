// Benchmark of building the city as the game does at start-up: map
// generation, road directions and the creation of every map object with its
// display list compiled. Needs an X display (run under xvfb-run); the GL
// context is a hidden GLUT window.

#include "city/CityMap.h"
#include "city/MapObject.h"
#include "city/TextureSet.h"
#include "shell/Globals.h"

#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int citySize = 100;
constexpr float cellSize = 100.0f;

void EnsureWindow() {
    if (glutGet(GLUT_INIT_STATE) != 0) {
        return;
    }
    int argc = 1;
    char name[] = "gullmar_bench";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(64, 64);
    displayListTable.SetWindowId(0, glutCreateWindow("gullmar bench"));
    glutHideWindow();
    displayListTable.GenerateLists();
}

void CityGenerationAndObjects(benchmark::State& state) {
    EnsureWindow();
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
