// Benchmark of the game thread's sound work in one tick of level 1: the
// listener, the wind, the crunch and the engine hums of the nearest cars,
// handed to OpenAL Soft (its null backend unless ALSOFT_DRIVERS says
// otherwise; the mixing runs on OpenAL's own thread and is not counted).
// The bird flies low along a street, over a car, so every engine voice is in
// use, and inside a building, so the crunch plays too.

#include "LevelOne.h"
#include "actors/Car.h"
#include "city/MapObject.h"
#include "sound/GameSound.h"
#include "sound/OpenAlOutput.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void SoundUpdateLevelOne(benchmark::State& state) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    auto world = MakeLevelOne();
    gameSound.Open(soundFolder, GameSound::maxVolume);
    if (!gameSound.HasOutput()) {
        state.SkipWithError("no OpenAL device");
        return;
    }
    Bird& bird = world->GetBird();
    const Car& car = *world->GetCars().front();
    const GameEvent inside = GameEvent::InsideOf(MapObject::KindBuilding, Point());
    GameEvents events;
    for (auto _ : state) {
        state.PauseTiming();
        world->Update();
        events.clear();
        world->TakeEvents(events);
        const Point& below = car.GetPosition();
        bird.SetEye(below.GetX(), below.GetY(), 80.0f);
        state.ResumeTiming();
        gameSound.Play(inside);
        gameSound.Update(*world, false);
    }
    gameSound.Close();
}

} // namespace

BENCHMARK(SoundUpdateLevelOne)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
