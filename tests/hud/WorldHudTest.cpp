#include "base/FrameCounter.h"
#include "base/GameClock.h"
#include "game/Globals.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

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
    const Radar& radar = world.GetRadar();
    // Speed 42 pixels below the top edge, score, frame rate, radar centre and radius.
    EXPECT_EQ(
        (std::vector<float>{world.GetSpeedGauge().GetX(), world.GetSpeedGauge().GetY(),
                            world.GetScoreGauge().GetX(), world.GetScoreGauge().GetY(),
                            world.GetFrameRateGauge().GetX(), world.GetFrameRateGauge().GetY(),
                            radar.GetX(), radar.GetY(), radar.Radius() * 3.0f}),
        (std::vector<float>{8, -258, 400, 288, 480, -288, 711, 200, 200}));
    EXPECT_STREQ(world.GetScoreGauge().GetLabel(), "SCORE");

    // The timer line keeps clear of the level line and the frame rate; a wide
    // window keeps it at 35 percent of the width.
    const Gauge& levelLine = world.GetLevelLine();
    const Gauge& timerLine = world.GetTimerLine();
    EXPECT_EQ(std::strncmp(levelLine.GetLabel(), "Level ", 6), 0);
    EXPECT_EQ(levelLine.GetY() + timerLine.GetY(), -576.0f);
    const auto end = [](const Gauge& g) {
        return g.GetX() + Gauge::charWidth * static_cast<float>(std::strlen(g.GetLabel()));
    };
    EXPECT_GE(timerLine.GetX(), end(levelLine) + Gauge::charWidth);
    EXPECT_LT(end(timerLine), world.GetFrameRateGauge().GetX());
    world.SetViewSize(1600.0f, 1200.0f);
    world.UpdateHUD();
    EXPECT_FLOAT_EQ(timerLine.GetX(), 560.0f);
}

TEST_F(WorldHudTest, FrameRateIsTheAverageOverTheSecondsRun) {
    const Gauge& rate = world.GetFrameRateGauge();
    frameCounter = 1234;
    GameClock::SetTickTime(61000);
    world.UpdateHUD();
    char text[Gauge::textSize];
    rate.FormatValueText(text, sizeof text);
    EXPECT_STREQ(text, "20 / 61");
    // Before the clock has moved there is no rate to divide out; long sessions
    // do not overflow (6 million frames over 100000 s is 60 fps).
    struct Case {
        unsigned int frames, ms;
        float rate;
    };
    for (const Case c : {Case{3, 0, 0}, Case{3, 500, 6}, Case{6000000, 100000000, 60}}) {
        frameCounter = c.frames;
        GameClock::SetTickTime(c.ms);
        world.UpdateHUD();
        EXPECT_FLOAT_EQ(rate.GetValue(), c.rate) << c.frames << " in " << c.ms;
    }
}

} // namespace
