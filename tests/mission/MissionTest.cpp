#include "mission/Mission.h"
#include "base/GameClock.h"
#include "shell/ShellTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

namespace {

Mission FromFile(const std::string& contents) {
    return Mission(WriteTempFile("levels.config", contents).c_str());
}

std::string TimeText(const Mission& mission) {
    char text[Mission::timeTextSize];
    mission.GetTimeText(text);
    return text;
}

class MissionTest : public ::testing::Test {
protected:
    void SetUp() override { GameClock::SetTickTime(0); }
    void TearDown() override { GameClock::SetTickTime(0); }
};

// A row as "fries peds cars seconds".
std::string Row(const Mission& mission, const int level) {
    const LevelRow& row = mission.GetRow(level);
    char text[64];
    std::snprintf(text, sizeof text, "%d %d %d %g", row.fries, row.peds, row.cars, row.seconds);
    return text;
}

// The targets still to go as "peds cars fries".
std::string Left(const Mission& mission) {
    return std::to_string(mission.GetPedsLeft()) + " " + std::to_string(mission.GetCarsLeft()) +
           " " + std::to_string(mission.GetFriesLeft());
}

TEST_F(MissionTest, LevelRowSetsTargetsAndDeadline) {
    GameClock::SetTickTime(2000);
    Mission mission = FromFile("1 5 10 3 120\n");
    mission.SetupLevel(1);
    EXPECT_EQ(Left(mission), "10 3 5");
    EXPECT_FLOAT_EQ(mission.GetTimeLeft(), 120.0f);
    GameClock::SetTickTime(2000 + 119999);
    EXPECT_FALSE(mission.TimeIsUp());
    GameClock::SetTickTime(2000 + 120000);
    EXPECT_TRUE(mission.TimeIsUp());
    EXPECT_EQ(TimeText(mission), "00:00.00");
    GameClock::SetTickTime(2000 + 500000);
    EXPECT_EQ(mission.GetTimeLeft(), 0.0f) << "never below 0";
}

TEST_F(MissionTest, TableFileLayoutBadTokensAndLevelsOutsideTheTable) {
    // Rows in any order, spread over lines, a later row replacing an earlier
    // one, fractions, and whitespace after the last row.
    const Mission mission = FromFile("3 1 1 1 10\n2\t7 8\n9\n 30.5\n3 4 5 6 70.25 \n\n  ");
    EXPECT_EQ(Row(mission, 2), "7 8 9 30.5");
    EXPECT_EQ(Row(mission, 3), "4 5 6 70.25");
    EXPECT_EQ(Row(mission, 1), "0 0 0 0") << "rows not in the file stay zero";
    EXPECT_EQ(Row(FromFile("3 4 5 6 70.25"), 3), "4 5 6 70.25") << "no newline at the end";

    // A level outside 0..39 is skipped and reading goes on; a token that is
    // not a number ends the reading, and a row it cuts short is not stored.
    const Mission bad = FromFile("40 1 1 1 1\n-1 2 2 2 2\n0 3 3 3 3\n5 6 7 8 9\n"
                                 "6 1 1 x 5\n7 1 1 1 1\n");
    EXPECT_EQ(Row(bad, 0) + ", " + Row(bad, 5) + ", " + Row(bad, 6) + ", " + Row(bad, 7) + ", " +
                  Row(bad, 39),
              "3 3 3 3, 6 7 8 9, 0 0 0 0, 0 0 0 0, 0 0 0 0");
    EXPECT_EQ(Row(FromFile("8 1 2 3"), 8), "0 0 0 0");

    Mission missing(TempPath("no-such-levels.config").c_str());
    for (int level = 0; level < Mission::levelCount; ++level) {
        EXPECT_EQ(Row(missing, level), "0 0 0 0");
    }
    missing.SetupLevel(1);
    EXPECT_TRUE(missing.IsComplete(Mission::maskAll));
    EXPECT_TRUE(missing.TimeIsUp());
}

TEST_F(MissionTest, CountsGoDownToZeroOrPastANegativeTarget) {
    Mission mission = FromFile("1 1 -1 2 60");
    mission.SetupLevel(1);
    EXPECT_FALSE(mission.IsComplete(Mission::maskAll));
    mission.PedHit();
    mission.FriesEaten();
    mission.FriesEaten();
    // A negative target keeps counting down; a count at 0 stays at 0.
    EXPECT_EQ(Left(mission), "-2 2 0");
    EXPECT_TRUE(mission.IsComplete(Mission::maskPeds | Mission::maskFries));
    EXPECT_FALSE(mission.IsComplete(Mission::maskCars));
    EXPECT_FALSE(mission.IsComplete(Mission::maskAll));
    EXPECT_TRUE(mission.IsComplete(0));
    EXPECT_TRUE(mission.IsComplete(8 | 16)) << "other bits are ignored";
    for (int hit = 0; hit < 3; ++hit) {
        mission.CarHit();
    }
    EXPECT_EQ(Left(mission), "-2 0 0");
    EXPECT_TRUE(mission.IsComplete(Mission::maskAll));

    // The lowest target a file can give must not wrap round to a huge count
    // still to go, which would hold the level up for ever.
    Mission lowest = FromFile("1 -2147483648 -2147483648 -2147483648 60");
    lowest.SetupLevel(1);
    lowest.PedHit();
    lowest.CarHit();
    lowest.FriesEaten();
    EXPECT_EQ(lowest.GetPedsLeft(), -2147483647 - 1);
    EXPECT_TRUE(lowest.IsComplete(Mission::maskAll));
}

TEST_F(MissionTest, LevelsOutsideOneToThirtyNineChangeNothingAndTimeText) {
    Mission mission = FromFile("0 9 9 9 99\n1 1 2 3 10\n2 1 1 1 75.5\n3 1 1 1 3725.25\n"
                               "4 1 1 1 59.999\n");
    EXPECT_TRUE(mission.TimeIsUp()) << "before any set-up";
    mission.SetupLevel(1);
    GameClock::SetTickTime(4000);
    for (const int level : {0, 40, -3}) {
        mission.SetupLevel(level);
        EXPECT_EQ(Left(mission), "2 3 1");
        EXPECT_FLOAT_EQ(mission.GetTimeLeft(), 6.0f);
    }
    // Hundredths are cut, not rounded.
    const std::pair<int, const char*> times[] = {{2, "01:15.50"}, {3, "62:05.25"}, {4, "00:59.99"}};
    for (const auto& [level, text] : times) {
        mission.SetupLevel(level);
        EXPECT_EQ(TimeText(mission), text);
    }
}

TEST(ShippedLevelsTest, EveryLevelIsALittleHarderThanTheOneBefore) {
    const Mission mission(GULLMAR_SOURCE_DIR "/config/levels.config");
    int levels = 0;
    for (int level = 1; level < Mission::levelCount && mission.GetRow(level).seconds > 0; ++level) {
        ++levels;
        const LevelRow& row = mission.GetRow(level);
        // A level has 40 of each kind of actor.
        EXPECT_TRUE(row.peds > 0 && std::max({row.peds, row.cars, row.fries}) <= 40) << level;
        if (level > 1) {
            const LevelRow& before = mission.GetRow(level - 1);
            EXPECT_TRUE(row.peds >= before.peds && row.cars >= before.cars &&
                        row.fries >= before.fries)
                << level;
            EXPECT_LT(row.seconds / static_cast<float>(row.peds + row.cars + row.fries),
                      before.seconds / static_cast<float>(before.peds + before.cars + before.fries))
                << "less time per target at level " << level;
        }
    }
    EXPECT_GE(levels, 20);
    EXPECT_GE(mission.GetRow(1).seconds, 180.0f) << "level 1 is gentle";
}

} // namespace
