// Benchmark of what the game does every tick while it waits in the main
// menu: one paused tick and one frame of the 800 x 800 window (the city, the
// HUD, the menu and the intro text), on the batched renderer (argument 0) and
// on --classic-renderer (argument 1). The CPU column is the process's CPU
// time, the GL driver's rasterizer threads included; times 1000 / 17 ticks a
// second it is the CPU a second that waiting in the menu must cost at most
// (bench/paused_cpu.sh compares it with the running game).
//
// Run from the build directory under xvfb-run (see BenchSupport.h).

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

namespace {

// A tick is due every 1000 / 60 ms and runs once the clock has passed it.
constexpr unsigned int tickStep = 17;

void PausedTickAndFrame(benchmark::State& state) {
    ResizeWindow(mainWindowSize, mainWindowSize);
    settings.classicRenderer = static_cast<int>(state.range(0));
    ChooseRenderer();
    unsigned int now = 0;
    for (auto _ : state) {
        now += tickStep;
        RunTick(now);
        OnDisplay();
    }
}

} // namespace

BENCHMARK(PausedTickAndFrame)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->MinTime(3.0);
