#include "mission/Mission.h"
#include "shell/GameClock.h"
#include "shell/ShellTestSupport.h"

#include <gtest/gtest.h>

#include <string>

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

TEST_F(MissionTest, LevelRowSetsTargetsAndDeadline) {
    GameClock::SetTickTime(2000);
    Mission mission = FromFile("1 5 10 3 120\n");
    mission.SetupLevel(1);
    EXPECT_EQ(mission.GetPedsLeft(), 10);
    EXPECT_EQ(mission.GetCarsLeft(), 3);
    EXPECT_EQ(mission.GetFriesLeft(), 5);
    EXPECT_FLOAT_EQ(mission.GetTimeLeft(), 120.0f);
    GameClock::SetTickTime(2000 + 119999);
    EXPECT_FALSE(mission.TimeIsUp());
    GameClock::SetTickTime(2000 + 120000);
    EXPECT_TRUE(mission.TimeIsUp());
    EXPECT_EQ(mission.GetTimeLeft(), 0.0f);
    EXPECT_EQ(TimeText(mission), "00:00.00");
    GameClock::SetTickTime(2000 + 500000);
    EXPECT_EQ(mission.GetTimeLeft(), 0.0f) << "never below 0";
}

TEST_F(MissionTest, TableFileLayout) {
    // Rows in any order, spread over lines, a later row replacing an earlier
    // one, fractions, and whitespace after the last row.
    const Mission mission = FromFile("3 1 1 1 10\n2\t7 8\n9\n 30.5\n3 4 5 6 70.25 \n\n  ");
    EXPECT_EQ(mission.GetRow(2).fries, 7);
    EXPECT_EQ(mission.GetRow(2).peds, 8);
    EXPECT_EQ(mission.GetRow(2).cars, 9);
    EXPECT_FLOAT_EQ(mission.GetRow(2).seconds, 30.5f);
    EXPECT_EQ(mission.GetRow(3).fries, 4);
    EXPECT_EQ(mission.GetRow(3).cars, 6);
    EXPECT_FLOAT_EQ(mission.GetRow(3).seconds, 70.25f);
    EXPECT_EQ(mission.GetRow(1).peds, 0) << "rows not in the file stay zero";
    EXPECT_EQ(mission.GetRow(1).seconds, 0.0f);

    const Mission withoutNewline = FromFile("3 4 5 6 70.25");
    EXPECT_EQ(withoutNewline.GetRow(3).cars, 6);
    EXPECT_FLOAT_EQ(withoutNewline.GetRow(3).seconds, 70.25f);
}

TEST_F(MissionTest, BadTokensAndLevelsOutsideTheTableStopOrSkip) {
    // A level outside 0..39 is skipped and reading goes on; a token that is
    // not a number ends the reading, and a row it cuts short is not stored.
    const Mission mission = FromFile("40 1 1 1 1\n-1 2 2 2 2\n0 3 3 3 3\n5 6 7 8 9\n"
                                     "6 1 1 x 5\n7 1 1 1 1\n");
    EXPECT_EQ(mission.GetRow(0).fries, 3);
    EXPECT_EQ(mission.GetRow(5).peds, 7);
    EXPECT_EQ(mission.GetRow(6).fries, 0);
    EXPECT_EQ(mission.GetRow(7).fries, 0);
    EXPECT_EQ(mission.GetRow(39).fries, 0);

    const Mission cutShort = FromFile("8 1 2 3");
    EXPECT_EQ(cutShort.GetRow(8).fries, 0);

    Mission missing(TempPath("no-such-levels.config").c_str());
    for (int level = 0; level < Mission::levelCount; ++level) {
        EXPECT_EQ(missing.GetRow(level).peds, 0);
        EXPECT_EQ(missing.GetRow(level).seconds, 0.0f);
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
    EXPECT_EQ(mission.GetPedsLeft(), -2) << "a negative target keeps counting down";
    mission.FriesEaten();
    mission.FriesEaten();
    EXPECT_EQ(mission.GetFriesLeft(), 0) << "a count at 0 stays at 0";
    EXPECT_TRUE(mission.IsComplete(Mission::maskPeds | Mission::maskFries));
    EXPECT_FALSE(mission.IsComplete(Mission::maskCars));
    EXPECT_FALSE(mission.IsComplete(Mission::maskAll));
    EXPECT_TRUE(mission.IsComplete(0));
    EXPECT_TRUE(mission.IsComplete(8 | 16)) << "other bits are ignored";
    mission.CarHit();
    mission.CarHit();
    mission.CarHit();
    EXPECT_EQ(mission.GetCarsLeft(), 0);
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

TEST_F(MissionTest, LevelsOutsideOneToThirtyNineChangeNothing) {
    Mission mission = FromFile("0 9 9 9 99\n1 1 2 3 10\n");
    EXPECT_TRUE(mission.TimeIsUp()) << "before any set-up";
    EXPECT_EQ(mission.GetPedsLeft(), -1);
    mission.SetupLevel(1);
    GameClock::SetTickTime(4000);
    for (const int level : {0, 40, -3}) {
        mission.SetupLevel(level);
        EXPECT_EQ(mission.GetFriesLeft(), 1);
        EXPECT_EQ(mission.GetPedsLeft(), 2);
        EXPECT_EQ(mission.GetCarsLeft(), 3);
        EXPECT_FLOAT_EQ(mission.GetTimeLeft(), 6.0f);
    }
}

TEST_F(MissionTest, TimeText) {
    Mission mission = FromFile("1 1 1 1 75.5\n2 1 1 1 3725.25\n3 1 1 1 59.999\n");
    mission.SetupLevel(1);
    EXPECT_EQ(TimeText(mission), "01:15.50");
    mission.SetupLevel(2);
    EXPECT_EQ(TimeText(mission), "62:05.25");
    mission.SetupLevel(3);
    EXPECT_EQ(TimeText(mission), "00:59.99") << "hundredths are cut, not rounded";
}

TEST(ShippedLevelsTest, EveryLevelIsALittleHarderThanTheOneBefore) {
    const Mission mission(GULLMAR_SOURCE_DIR "/config/levels.config");
    int levels = 0;
    for (int level = 1; level < Mission::levelCount && mission.GetRow(level).seconds > 0; ++level) {
        ++levels;
        const LevelRow& row = mission.GetRow(level);
        EXPECT_GT(row.peds, 0);
        EXPECT_LE(row.peds, 40) << "a level has 40 peds";
        EXPECT_LE(row.cars, 40);
        EXPECT_LE(row.fries, 40);
        if (level > 1) {
            const LevelRow& before = mission.GetRow(level - 1);
            EXPECT_GE(row.peds, before.peds);
            EXPECT_GE(row.cars, before.cars);
            EXPECT_GE(row.fries, before.fries);
            EXPECT_LT(row.seconds / static_cast<float>(row.peds + row.cars + row.fries),
                      before.seconds / static_cast<float>(before.peds + before.cars + before.fries))
                << "less time per target at level " << level;
        }
    }
    EXPECT_GE(levels, 20);
    EXPECT_GE(mission.GetRow(1).seconds, 180.0f) << "level 1 is gentle";
}

} // namespace
