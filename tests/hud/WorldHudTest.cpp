#include "shell/GameClock.h"
#include "shell/Globals.h"
#include "shell/Shell.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The game's HUD laid out for an 800 x 600 window, after one refresh.
class WorldHudTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        world.SetupHud();
        world.SetViewSize(800.0f, 600.0f);
    }
    void TearDown() override {
        frameCounter = 0;
        GameClock::SetTickTime(0);
    }
};

TEST_F(WorldHudTest, GaugesAndRadarStandWhereTheWindowPutsThem) {
    world.UpdateHUD();
    const Gauge& speed = world.GetSpeedGauge();
    EXPECT_FLOAT_EQ(speed.GetX(), 8.0f);
    EXPECT_FLOAT_EQ(speed.GetY(), -258.0f); // 42 pixels below the top edge
    const Gauge& score = world.GetScoreGauge();
    EXPECT_FLOAT_EQ(score.GetX(), 400.0f);
    EXPECT_FLOAT_EQ(score.GetY(), 288.0f);
    EXPECT_STREQ(score.GetLabel(), "SCORE");
    Radar& radar = world.GetRadar();
    EXPECT_FLOAT_EQ(radar.GetX(), 711.0f);
    EXPECT_FLOAT_EQ(radar.GetY(), 200.0f);
    EXPECT_FLOAT_EQ(radar.Radius(), 200.0f / 3.0f);
}

TEST_F(WorldHudTest, TimerLineKeepsClearOfTheLevelLine) {
    world.UpdateHUD();
    const Gauge& levelLine = world.GetLevelLine();
    const Gauge& timerLine = world.GetTimerLine();
    EXPECT_EQ(std::strncmp(levelLine.GetLabel(), "Level ", 6), 0);
    EXPECT_FLOAT_EQ(levelLine.GetY(), -288.0f);
    EXPECT_FLOAT_EQ(timerLine.GetY(), -288.0f);
    const float levelEnd =
        levelLine.GetX() + Gauge::charWidth * static_cast<float>(std::strlen(levelLine.GetLabel()));
    EXPECT_GE(timerLine.GetX(), levelEnd + Gauge::charWidth);
    EXPECT_LT(timerLine.GetX() +
                  Gauge::charWidth * static_cast<float>(std::strlen(timerLine.GetLabel())),
              world.GetFrameRateGauge().GetX());

    // A wide window keeps the timer at 35 percent of the width.
    world.SetViewSize(1600.0f, 1200.0f);
    world.UpdateHUD();
    EXPECT_FLOAT_EQ(timerLine.GetX(), 560.0f);
}

TEST_F(WorldHudTest, FrameRateIsTheAverageOverTheSecondsRun) {
    frameCounter = 1234;
    GameClock::SetTickTime(61000);
    world.UpdateHUD();
    char text[Gauge::textSize];
    world.GetFrameRateGauge().FormatValueText(text, sizeof text);
    EXPECT_STREQ(text, "20 / 61");
    EXPECT_FLOAT_EQ(world.GetFrameRateGauge().GetX(), 480.0f);
    EXPECT_FLOAT_EQ(world.GetFrameRateGauge().GetY(), -288.0f);

    // Before the clock has moved there is no rate to divide out.
    frameCounter = 3;
    GameClock::SetTickTime(0);
    world.UpdateHUD();
    EXPECT_FLOAT_EQ(world.GetFrameRateGauge().GetValue(), 0.0f);
    EXPECT_FLOAT_EQ(world.GetFrameRateGauge().GetMaximum(), 0.0f);
    GameClock::SetTickTime(500);
    world.UpdateHUD();
    EXPECT_FLOAT_EQ(world.GetFrameRateGauge().GetValue(), 6.0f);

    // Long sessions do not overflow: 6 million frames over 100000 s is 60 fps.
    frameCounter = 6000000;
    GameClock::SetTickTime(100000000);
    world.UpdateHUD();
    EXPECT_FLOAT_EQ(world.GetFrameRateGauge().GetValue(), 60.0f);
}

} // namespace
