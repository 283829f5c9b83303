// The World's heads-up display: setting the gauges up, refreshing them from
// the bird, the mission and the clock after every update, and drawing them
// with the radar over the finished scene.

#include "world/World.h"

#include "base/FrameCounter.h"
#include "base/GameClock.h"
#include "base/Settings.h"
#include "legacygl/Gl.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// Positions as percentages of the window size; the four bars stand at the
// left edge, level, timer and frame rate along the top, the score at the bottom.
constexpr float barsX = 1.0f;
constexpr float heightRow = -39.0f;
constexpr float poopRow = -31.0f;
constexpr float healthRow = -35.0f;
constexpr float speedRow = -43.0f;
constexpr float topRow = -48.0f;
constexpr float scoreRow = 48.0f;
constexpr float timerX = 35.0f;
constexpr float levelX = 1.0f;
constexpr float frameRateX = 60.0f;
constexpr float radarZoomFactor = 3.0f;
constexpr int poopPerUnit = 3; // the poop bar counts each poop three times
constexpr int lineSize = 100;

// A percentage of a window dimension, cut to whole pixels.
int At(const float size, const float percent) {
    return static_cast<int>(size * percent / 100.0f);
}

} // namespace

void World::SetupHud() {
    heightGauge.SetKind(GaugeKind::HorizontalBar);
    heightGauge.SetLabel("HeightOMeter");
    heightGauge.SetStartColor(0.0f, 0.0f, 0.3f, 0.7f);
    heightGauge.SetEndColor(0.7f, 0.7f, 1.0f, 0.7f);
    heightGauge.SetMaximum(Bird::maxHeight);
    heightGauge.SetUnitText("m");
    heightGauge.SetAlarmText("Under ground");

    poopGauge.SetKind(GaugeKind::HorizontalBar);
    poopGauge.SetLabel("PoopOMeter");
    poopGauge.SetStartColor(0.3f, 0.3f, 0.0f, 0.7f);
    poopGauge.SetEndColor(0.7f, 0.7f, 0.0f, 0.7f);
    poopGauge.SetMaximum(static_cast<float>(Bird::maxPoop * poopPerUnit));
    poopGauge.SetUnitText("poops");
    poopGauge.SetAlarmText("OUT OF POOP");

    healthGauge.SetKind(GaugeKind::HorizontalBar);
    healthGauge.SetLabel("HealthOmeter");
    healthGauge.SetStartColor(0.45f, 0.0f, 0.0f, 0.5f);
    healthGauge.SetEndColor(1.0f, 1.0f, 1.0f, 0.5f);
    healthGauge.SetMaximum(Bird::maxHealth);
    healthGauge.SetAlarmText("You are dead");

    scoreGauge.SetKind(GaugeKind::Text);
    scoreGauge.SetLabel("SCORE");
    scoreGauge.SetTextColor(1.0f, 0.0f, 0.0f, 1.0f);

    frameRateGauge.SetKind(GaugeKind::Text);
    frameRateGauge.SetLabel("fps/runtime");
    frameRateGauge.SetTextColor(1.0f, 0.0f, 0.0f, 1.0f);
    frameRateGauge.SetMaximum(60.0f);

    speedGauge.SetKind(GaugeKind::HorizontalBar);
    speedGauge.SetLabel("SpeedOMeter");
    speedGauge.SetStartColor(1.0f, 1.0f, 0.0f, 1.0f);
    speedGauge.SetEndColor(1.0f, 1.0f, 0.5f, 0.7f);
    speedGauge.SetMaximum(Bird::maxSpeed);

    steeringCone.SetKind(GaugeKind::Cone);
    steeringCone.SetStartColor(0.7f, 0.3f, 0.3f, 0.2f);
    steeringCone.SetEndColor(0.7f, 0.3f, 0.3f, 0.7f);

    timerLine.SetKind(GaugeKind::Text);
    timerLine.SetLabelOnly(1);
    timerLine.SetTextColor(1.0f, 0.0f, 0.0f, 1.0f);

    levelLine.SetKind(GaugeKind::Text);
    levelLine.SetLabelOnly(1);
    levelLine.SetTextColor(1.0f, 0.0f, 0.0f, 1.0f);

    hitFlash.SetKind(GaugeKind::Flash);
    hitFlash.SetBlinking();

    radar.SetName("");
    radar.SetZoomFactor(radarZoomFactor);
    radar.SetMapExtent(WidthInUnits(), DepthInUnits());
}

void World::UpdateHUD() {
    const float w = viewWidth;
    const float h = viewHeight;

    heightGauge.SetX(At(w, barsX));
    heightGauge.SetY(At(h, heightRow));
    heightGauge.SetValue(bird.GetEye().GetZ());

    poopGauge.SetX(At(w, barsX));
    poopGauge.SetY(At(h, poopRow));
    poopGauge.SetValue(static_cast<float>(bird.GetPoop() * poopPerUnit));

    if (settings.fastComputer) {
        radar.SetRadarSize(h / 3.0f);
        radar.SetRadarX(static_cast<int>(w * 8.0f / 9.0f));
        radar.SetRadarY(static_cast<int>(h * 3.0f / 9.0f));
        radar.UpdateRadar(peds, cars, fries, bird);
    }

    healthGauge.SetX(At(w, barsX));
    healthGauge.SetY(At(h, healthRow));
    healthGauge.SetValue(bird.GetHealth());

    scoreGauge.SetValue(static_cast<float>(bird.GetScore()));

    speedGauge.SetX(At(w, barsX));
    speedGauge.SetY(At(h, speedRow));
    speedGauge.SetValue(bird.GetSpeed());

    steeringCone.SetPointA(
        Vector(mousePosition.GetX(), mousePosition.GetY(), mousePosition.GetZ()));
    steeringCone.SetPointB(w / 2.0f, 0.0f);

    char line[lineSize];
    std::snprintf(line, sizeof line, "Level %d -- Peds: %d Cars: %d Fries: %d", level,
                  mission.GetPedsLeft(), mission.GetCarsLeft(), mission.GetFriesLeft());
    levelLine.SetLabel(line);
    levelLine.SetX(At(w, levelX));
    // In a narrow window the level line reaches past the timer's place; the
    // timer then starts two characters after it, so neither covers the other.
    const int levelEnd =
        At(w, levelX) +
        static_cast<int>(Gauge::charWidth * static_cast<float>(std::strlen(line) + 2));

    mission.GetTimeText(line, lineSize);
    timerLine.SetLabel(line);
    timerLine.SetX(std::max(At(w, timerX), levelEnd));
    timerLine.SetY(At(h, topRow));
    levelLine.SetY(At(h, topRow));

    // Average frames per second since start, over the seconds run. 64-bit so
    // that long sessions do not overflow; no rate before the clock has moved.
    const uint64_t now = GameClock::TickTime();
    const uint64_t frames = frameCounter;
    frameRateGauge.SetX(At(w, frameRateX));
    frameRateGauge.SetY(At(h, topRow));
    frameRateGauge.SetValue(
        now > 0 ? static_cast<float>(frames * GameClock::millisecondsPerSecond / now) : 0.0f);
    frameRateGauge.SetMaximum(static_cast<float>(now / GameClock::millisecondsPerSecond));

    scoreGauge.SetX(static_cast<int>(w / 2.0f));
    scoreGauge.SetY(At(h, scoreRow));

    hitFlash.SetX(static_cast<int>(w));
    hitFlash.SetY(static_cast<int>(h));
}

void World::DrawOSD(const Gauge::BarStyle barStyle) {
    Begin2D();
    // The HUD lies over everything: a wall right in front of the bird must
    // not hide it.
    const GLboolean depthTest = gl::IsEnabled(GL_DEPTH_TEST);
    gl::Disable(GL_DEPTH_TEST);
    heightGauge.Draw(barStyle);
    poopGauge.Draw(barStyle);
    if (settings.fastComputer) {
        radar.DrawRadar();
    }
    healthGauge.Draw(barStyle);
    scoreGauge.Draw(barStyle);
    frameRateGauge.Draw(barStyle);
    speedGauge.Draw(barStyle);
    steeringCone.Draw(barStyle);
    timerLine.Draw(barStyle);
    levelLine.Draw(barStyle);
    hitFlash.Draw(barStyle);
    if (depthTest) {
        gl::Enable(GL_DEPTH_TEST);
    }
    End2D();
}
