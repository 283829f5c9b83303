#include "base/GameClock.h"

#include <chrono>
#include <thread>

namespace {

const auto processStart = std::chrono::steady_clock::now();
unsigned int tickTime = 0;
unsigned int wakeTime = 0;

} // namespace

unsigned int GameClock::Now() {
    const auto elapsed = std::chrono::steady_clock::now() - processStart;
    return static_cast<unsigned int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

unsigned int GameClock::TickTime() {
    return tickTime;
}

void GameClock::SetTickTime(const unsigned int milliseconds) {
    tickTime = milliseconds;
}

void GameClock::SleepUntil(const unsigned int milliseconds) {
#ifdef __EMSCRIPTEN__
    wakeTime = milliseconds;
#else
    std::this_thread::sleep_until(processStart + std::chrono::milliseconds(milliseconds));
#endif
}

unsigned int GameClock::TakeWakeTime() {
    const unsigned int taken = wakeTime;
    wakeTime = 0;
    return taken;
}
