// Benchmark of the recording's work in one tick of play, as the session does
// it: a pointer move and a frame noted, the tick's flight bookkeeping, the
// tick's chunk built and written to the session's file (flushed, as after
// every tick), and every 128th tick the game's checksum over level 1's
// population (/1: in every tick, to show its own cost). Target: 5 us a tick.

#include "LevelOne.h"
#include "flight/FlightTracker.h"
#include "flight/SessionRecorder.h"
#include "flight/StateChecksum.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

void RecordingTick(benchmark::State& state) {
    const bool checksumEveryTick = state.range(0) == 1;
    auto world = MakeLevelOne();
    const std::string path = "/tmp/gullmar-bench-" + std::to_string(getpid()) + ".gullrec";
    std::remove(path.c_str());
    SessionRecorder recorder;
    RecordingHeader header;
    header.build = ThisBuild();
    std::string error;
    if (!recorder.Open(path, header, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    FlightTracker tracker;
    tracker.StartSession(1, 0, 0);
    TickReport report;
    report.ran = true;
    report.updated = true;
    uint32_t tick = 0;
    for (auto _ : state) {
        ++tick;
        recorder.Input(Command::PointerAt(static_cast<int>(300 + tick % 200), 400));
        recorder.Frame(0);
        tracker.AfterTick(tick, tick * 17, report, false, *world);
        const bool due = checksumEveryTick || tick % 128 == 0;
        uint32_t checksum = 0;
        if (due) {
            StateChecksum sum;
            sum.AddWorld(*world);
            checksum = sum.Value();
        }
        recorder.Tick(tick * 17, due ? &checksum : nullptr, nullptr);
    }
    recorder.Close();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file != nullptr) {
        std::fseek(file, 0, SEEK_END);
        state.counters["bytes/tick"] =
            static_cast<double>(std::ftell(file)) / static_cast<double>(tick);
        std::fclose(file);
    }
    std::remove(path.c_str());
}

} // namespace

BENCHMARK(RecordingTick)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
