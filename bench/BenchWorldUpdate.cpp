// Benchmark of one World tick (collision pass, actor moves, bird, HUD) with
// the population of level 1 on a generated 100 x 100 city and ten droppings
// in the air, with the fast-computer setting on (car-to-car tests included).

#include "LevelOne.h"
#include "base/Settings.h"
#include "bird/Bird.h"
#include "mission/Mission.h"
#include "world/World.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int droppingsInAir = 10;
// Brings the droppings back up to ten, let go high over the middle of the
// city, and puts the bird back where it started.
void TopUpDroppings(Bird& bird) {
    bird.SetEye(Bird::startEyeX, Bird::startEyeY, Bird::startEyeZ);
    while (static_cast<int>(bird.GetDroppings().size()) < droppingsInAir) {
        bird.AddPoop(1);
        bird.DropPoop();
    }
}

void WorldUpdateLevelOne(benchmark::State& state) {
    settings.fastComputer = 1;
    auto world = MakeLevelOne();
    Bird& bird = world->GetBird();
    for (auto _ : state) {
        state.PauseTiming();
        TopUpDroppings(bird);
        state.ResumeTiming();
        world->Update();
    }
    state.counters["peds"] = static_cast<double>(world->GetPeds().size());
    state.counters["cars"] = static_cast<double>(world->GetCars().size());
}

} // namespace

BENCHMARK(WorldUpdateLevelOne)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
