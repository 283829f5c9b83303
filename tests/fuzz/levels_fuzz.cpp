// Fuzz target: the level table reader, and the mission driven through every
// level the table may now hold: set-up, hits beyond the targets, completion
// and the time text the HUD shows.

#include "base/GameClock.h"
#include "fuzz/FuzzInput.h"
#include "mission/Mission.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr int hitsPerLevel = 3;
constexpr unsigned int someTickTime = 123456;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, const size_t size) {
    GameClock::SetTickTime(someTickTime);
    Mission mission(FuzzInputFile(data, size).Path());
    // One level beyond each end, which must change nothing.
    for (int level = -1; level <= Mission::levelCount; ++level) {
        mission.SetupLevel(level);
        for (int hit = 0; hit < hitsPerLevel; ++hit) {
            mission.PedHit();
            mission.CarHit();
            mission.FriesEaten();
        }
        mission.IsComplete(Mission::maskAll);
        mission.TimeIsUp();
        char text[Mission::timeTextSize];
        mission.GetTimeText(text);
        if (std::memchr(text, '\0', sizeof(text)) == nullptr) {
            std::abort();
        }
    }
    return 0;
}
