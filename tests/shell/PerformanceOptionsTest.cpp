// The options and tools for measuring the game: --seed, --timedemo and
// --classic-renderer on the command line, the timedemo's statistics and
// script, and the idle handler's nap between ticks.

#include "base/GameClock.h"
#include "base/Settings.h"
#include "game/GameTick.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "shell/ShellTestSupport.h"
#include "shell/Tick.h"
#include "shell/Timedemo.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class PerformanceOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings = Settings{};
        shell = ShellState{};
    }
    void TearDown() override {
        settings = Settings{};
        shell = ShellState{};
    }
};

TEST_F(PerformanceOptionsTest, SeedTimedemoAndRendererOptions) {
    ParseArguments({});
    EXPECT_EQ(settings.seed, Settings::noSeed);
    EXPECT_EQ(settings.timedemoFrames, 0);
    EXPECT_EQ(settings.classicRenderer, 0);

    ParseArguments({"--seed=0"});
    EXPECT_EQ(settings.seed, 0);
    ParseArguments({"--seed=2147483647", "--timedemo", "--classic-renderer"});
    EXPECT_EQ(settings.seed, 2147483647);
    EXPECT_EQ(settings.timedemoFrames, Settings::defaultTimedemoFrames);
    EXPECT_EQ(settings.classicRenderer, 1);
    ParseArguments({"--timedemo=250"});
    EXPECT_EQ(settings.timedemoFrames, 250);
    EXPECT_EQ(settings.timedemoLevel, 1);
    ParseArguments({"--timedemo-level=30"});
    EXPECT_EQ(settings.timedemoLevel, 30);
    EXPECT_EQ(settings.timedemoFrames, 250) << "not taken for --timedemo=N";
    ParseArguments({"--timedemo-level=39"});
    EXPECT_EQ(settings.timedemoLevel, 39);

    // Not numbers, out of range, empty: ignored, the earlier value stays.
    ParseArguments({"--seed=", "--seed=-4", "--seed=12x", "--seed=2147483648", "--seed"});
    EXPECT_EQ(settings.seed, 2147483647);
    ParseArguments(
        {"--timedemo=0", "--timedemo=", "--timedemo=-5", "--timedemo=1e3", "--timedemos"});
    EXPECT_EQ(settings.timedemoFrames, 250);
    // Only the levels of the level table.
    ParseArguments({"--timedemo-level=0", "--timedemo-level=40",
                    "--timedemo-level=", "--timedemo-level=2x", "--timedemo-level"});
    EXPECT_EQ(settings.timedemoLevel, 39);
}

TEST_F(PerformanceOptionsTest, ALaterLevelIsFlownAsThoughTheLevelsBeforeHadBeenPlayed) {
    EnsureWorldReady();
    world.ClearClouds();
    world.SetupLevel(1);
    const int expectedLevel = 4;
    settings.timedemoLevel = expectedLevel;
    StartTimedemo();
    glutIdleFunc(nullptr);
    EXPECT_EQ(world.GetLevel(), expectedLevel);
    EXPECT_EQ(currentLevel, expectedLevel) << "what Start would set up again";
    EXPECT_EQ(world.GetClouds().size(), 10u * expectedLevel) << "ten clouds a set-up";
    EXPECT_FALSE(mainMenu.IsVisible());
    world.ClearClouds();
    currentLevel = 1;
}

TEST_F(PerformanceOptionsTest, TimedemoStatistics) {
    // 100 frames of 1..100 ms: median between the 50th and 51st, 99th
    // percentile the 99th by nearest rank.
    std::vector<double> times;
    for (int i = 100; i >= 1; --i) {
        times.push_back(i);
    }
    const Timedemo::Summary summary = Timedemo::Summarize(times, 5.0);
    EXPECT_EQ(summary.frames, 100);
    EXPECT_DOUBLE_EQ(summary.averageFps, 20.0);
    EXPECT_DOUBLE_EQ(summary.median, 50.5);
    EXPECT_DOUBLE_EQ(summary.percentile99, 99.0);
    EXPECT_DOUBLE_EQ(summary.maximum, 100.0);
    EXPECT_EQ(Timedemo::Format(summary),
              "timedemo: 100 frames in 5.00 s, 20.0 fps average, frame time median 50.50 ms, "
              "99th percentile 99.00 ms, max 100.00 ms");

    const Timedemo::Summary one = Timedemo::Summarize({7.0}, 0.007);
    EXPECT_DOUBLE_EQ(one.median, 7.0);
    EXPECT_DOUBLE_EQ(one.percentile99, 7.0);
    const Timedemo::Summary none = Timedemo::Summarize({}, 0.0);
    EXPECT_EQ(none.frames, 0);
    EXPECT_DOUBLE_EQ(none.averageFps, 0.0);
}

TEST_F(PerformanceOptionsTest, TheScriptSteersChangesSpeedAndDrops) {
    EnsureWorldReady();
    Bird& bird = world.GetBird();
    bird.Reset();
    bird.SetEye(5000.0f, 5000.0f, 1500.0f);
    bird.SetCenter(0.0f, 0.0f, 0.0f);
    std::vector<float> steering;
    int speedKeys = 0;
    const int poopBefore = bird.GetPoop();
    for (int frame = 0; frame < 420; ++frame) {
        Timedemo::ApplyScript(frame);
        steering.push_back(shell.steerX);
        speedKeys += shell.speedChange != 0.0f ? 1 : 0;
        EXPECT_GE(shell.steerY, -1.0f);
        EXPECT_LE(shell.steerY, 1.0f);
    }
    EXPECT_NE(*std::min_element(steering.begin(), steering.end()),
              *std::max_element(steering.begin(), steering.end()));
    EXPECT_GT(speedKeys, 0);
    EXPECT_LT(bird.GetPoop(), poopBefore) << "droppings on the way";

    // Far from the middle and not heading back, the flight turns towards the
    // middle, whatever the leg says; heading back or near the middle, the
    // leg steers. Frame 0 is a leg flown straight on.
    struct Case {
        float x, y, headingX, headingY, steer;
    };
    const float width = world.WidthInUnits();
    const Case cases[] = {
        {width - 500.0f, width / 2.0f, 0.0f, 1.0f, -0.5f},       // east edge, heading north: left
        {500.0f, width / 2.0f, 0.0f, 1.0f, 0.5f},                // west edge, heading north: right
        {width / 2.0f, 500.0f, -1.0f, 0.0f, 0.5f},               // south edge, heading west: right
        {width - 500.0f, width / 2.0f, -1.0f, 0.0f, 0.0f},       // heading back: the leg
        {width / 2.0f + 100.0f, width / 2.0f, 0.0f, 1.0f, 0.0f}, // near the middle: the leg
    };
    for (const Case& c : cases) {
        bird.SetEye(c.x, c.y, 1500.0f);
        bird.SetCenter(c.x + c.headingX, c.y + c.headingY, 1500.0f);
        Timedemo::ApplyScript(0);
        EXPECT_FLOAT_EQ(shell.steerX, c.steer) << c.x << ", " << c.y;
    }
    bird.Reset();
}

TEST_F(PerformanceOptionsTest, TheIdleHandlerSleepsUntilTheTickIsDueAndNoLonger) {
    mainMenu.Show();
    // A tick due in 4 ms: the idle call returns without it only once it is
    // due (on a machine that stalls the call may find it due and run it).
    const unsigned int soon = GameClock::Now() + 4;
    shell.nextTickTime = soon;
    OnIdle();
    EXPECT_TRUE(shell.nextTickTime != soon || GameClock::Now() > soon);
    // A tick far away: no tick runs, and the nap is short, so input is still
    // handled.
    const unsigned int far = GameClock::Now() + 10000;
    shell.nextTickTime = far;
    OnIdle();
    EXPECT_EQ(shell.nextTickTime, far) << "no tick ran";
    EXPECT_EQ(IdleWakeTime(far - 100), far - 95);
    EXPECT_EQ(IdleWakeTime(far - 2), far + 1) << "just past the deadline";
    EXPECT_EQ(IdleWakeTime(far), far + 1);
    mainMenu.Hide();
}

} // namespace
