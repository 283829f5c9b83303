// Benchmark of the pads' work in one idle call (PollPads: SDL's events, the
// pads' state, the mapping to commands and their application), in play:
// with --no-gamepad (/0), SDL running without a pad (/1: one idle call in
// 5 ms of game clock, so a plug check every quarter second), a virtual pad
// attached and at rest (/2), and a pad whose stick moves on every call, so
// that every call steers (/3).

#include "base/Settings.h"
#include "input/VirtualPad.h"
#include "shell/Pads.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

void PadPoll(benchmark::State& state) {
    const int64_t setup = state.range(0);
    settings.gamepad = setup == 0 ? 0 : 1;
    OpenPads(Gamepad::Devices::VirtualOnly);
    std::unique_ptr<VirtualPad> pad;
    if (setup >= 2) {
        pad = std::make_unique<VirtualPad>();
    }
    unsigned int now = 0;
    PollPads(now); // takes the plug event
    int step = 0;
    for (auto _ : state) {
        if (setup == 3) {
            pad->Axis(SDL_CONTROLLER_AXIS_LEFTX, std::sin(static_cast<float>(++step) * 0.01f));
        }
        now += setup == 1 ? 5 : 1;
        PollPads(now);
    }
    pad.reset();
    ClosePads();
    settings.gamepad = 1;
}

} // namespace

BENCHMARK(PadPoll)->Arg(0)->Arg(1)->Arg(2)->Arg(3);
