#include "mission/Mission.h"

#include "base/GameClock.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>

namespace {

constexpr float secondsPerMinute = 60.0f;
constexpr float hundredthsPerSecond = 100.0f;

// A count at 0 stays there; so does one at the lowest value a file can give,
// where one more step down would wrap round to a huge count still to go.
void CountDown(int32_t& count) {
    if (count != 0 && count != std::numeric_limits<int32_t>::min()) {
        --count;
    }
}

} // namespace

Mission::Mission() {
    LoadLevels();
}

Mission::Mission(const char* levelFile) {
    LoadLevels(levelFile);
}

bool Mission::LoadLevels(const char* fileName) {
    std::ifstream in(fileName);
    if (!in) {
        std::fprintf(stderr, "Gullmar: cannot read %s; every level is empty.\n", fileName);
        return false;
    }
    int level = 0;
    LevelRow row;
    // Only complete rows are stored: a row cut short by the end of the file or
    // by a token that is not a number is dropped, and reading ends there.
    while (in >> level >> row.fries >> row.peds >> row.cars >> row.seconds) {
        if (level < 0 || level >= levelCount) {
            std::fprintf(stderr, "Gullmar: %s: level %d is not in 0..%d; row skipped.\n", fileName,
                         level, levelCount - 1);
            continue;
        }
        table[level] = row;
    }
    if (!in.eof()) {
        std::fprintf(stderr, "Gullmar: %s: a token that is not a number ends the table.\n",
                     fileName);
    }
    return true;
}

void Mission::SetupLevel(const int level) {
    if (level < 1 || level >= levelCount) {
        return;
    }
    const LevelRow& row = table[level];
    friesLeft = row.fries;
    pedsLeft = row.peds;
    carsLeft = row.cars;
    deadline =
        static_cast<float>(GameClock::TickTime()) + row.seconds * GameClock::millisecondsPerSecond;
}

void Mission::PedHit() {
    CountDown(pedsLeft);
}

void Mission::CarHit() {
    CountDown(carsLeft);
}

void Mission::FriesEaten() {
    CountDown(friesLeft);
}

bool Mission::IsComplete(const int mask) const {
    if ((mask & maskPeds) != 0 && pedsLeft > 0) {
        return false;
    }
    if ((mask & maskCars) != 0 && carsLeft > 0) {
        return false;
    }
    return (mask & maskFries) == 0 || friesLeft <= 0;
}

float Mission::GetTimeLeft() const {
    const float now = static_cast<float>(GameClock::TickTime());
    const float left = (deadline - now) / GameClock::millisecondsPerSecond;
    return left < 0.0f ? 0.0f : left;
}

bool Mission::TimeIsUp() const {
    return GetTimeLeft() <= 0.0f;
}

void Mission::GetTimeText(char* buffer, const int size) const {
    if (size <= 0) {
        return;
    }
    // Every step in float, hundredths cut off rather than rounded.
    const float left = GetTimeLeft();
    const float minutes = std::floor(left / secondsPerMinute);
    const float rest = left - minutes * secondsPerMinute;
    const float seconds = std::floor(rest);
    const float hundredths = std::floor((rest - seconds) * hundredthsPerSecond);
    std::snprintf(buffer, static_cast<size_t>(size), "%02.0f:%02.0f.%02.0f", minutes, seconds,
                  hundredths);
}
