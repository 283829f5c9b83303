#include "shell/Timedemo.h"

#include "base/GameClock.h"
#include "base/Settings.h"
#include "game/Commands.h"
#include "game/GameTick.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "legacygl/Gl.h"
#include "shell/Platform.h"
#include "shell/Windows.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// One leg of the scripted flight: how long it lasts, the steering held
// throughout (the mouse's offset from the window centre, -1..1), the height
// the bird is held near, the speed it is brought to with the speed keys and
// how often poop is dropped (every n frames, 0 never).
// The heights stay well above the highest roofs, so the bird neither crashes
// nor dies on any city.
struct FlightLeg {
    int frames;
    float steerX;
    float height;
    float speed;
    int dropEvery;
};

constexpr FlightLeg flightScript[] = {
    {60, 0.0f, 1500.0f, 60.0f, 0},   // speed up, straight on
    {90, 0.35f, 1400.0f, 80.0f, 15}, // long right turn, dropping
    {60, 0.0f, 1250.0f, 40.0f, 0},   // slow down, sink a little
    {90, -0.4f, 1700.0f, 70.0f, 10}, // climbing left turn, dropping
    {60, 0.15f, 1600.0f, 50.0f, 20}, // drift right
    {60, -0.1f, 1350.0f, 30.0f, 0},  // slow down
};

// The pitch input that holds the nose where the script wants it: the nose
// sinks by itself the more the slower the bird flies, and the climb asked for
// grows with the distance to the leg's height.
constexpr float heightPerClimb = 2000.0f; // height error for a full climb
constexpr float steepestClimb = 0.3f;     // sine of the steepest climb or dive

float PitchInput(const float height) {
    const Bird& bird = world.GetBird();
    const float sink = Bird::noseSinkAtRest * (1.0f - bird.GetSpeed() / Bird::maxSpeed);
    const float climb =
        std::clamp((height - bird.GetEyeZ()) / heightPerClimb, -steepestClimb, steepestClimb);
    const float noseUp = bird.GetDirection().Normalized().GetZ();
    return std::clamp(noseUp - climb - sink, -1.0f, 1.0f);
}

// The steering that keeps the flight over the city: once the bird is farther
// than this from the middle and not heading back, it turns towards the
// middle instead of following the leg (a flight pressed against the city's
// edge would watch the sky).
constexpr float keepWithin = 3000.0f;
constexpr float headingBack = 0.7f; // cosine of the angle counted as heading back
constexpr float turnBack = 0.5f;

float SteerInput(const float legSteer) {
    const Bird& bird = world.GetBird();
    const float towardsX = world.WidthInUnits() / 2.0f - bird.GetEye().GetX();
    const float towardsY = world.DepthInUnits() / 2.0f - bird.GetEye().GetY();
    const float distance = std::hypot(towardsX, towardsY);
    const Vector heading = bird.GetDirection();
    const float headingLength = std::hypot(heading.GetX(), heading.GetY());
    if (distance <= keepWithin || headingLength == 0.0f) {
        return legSteer;
    }
    const float cosine =
        (heading.GetX() * towardsX + heading.GetY() * towardsY) / (headingLength * distance);
    if (cosine >= headingBack) {
        return legSteer;
    }
    // Positive steering turns right (clockwise seen from above).
    const float middleOnTheLeft = heading.GetX() * towardsY - heading.GetY() * towardsX;
    return middleOnTheLeft > 0.0f ? -turnBack : turnBack;
}

using Clock = std::chrono::steady_clock;

struct Run {
    bool warmedUp = false;
    int frame = 0;
    unsigned int gameTime = 0;
    Clock::time_point start;
    std::vector<double> frameTimes;
};

Run run;

double MillisecondsSince(const Clock::time_point from) {
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

// One tick and one frame per idle call, timed together.
void TimedemoIdle() {
    // The first frame in a window of a new size costs the driver several
    // times a frame (the new buffers, the first use of each drawing state);
    // it comes before the run, as a window's first expose would draw it.
    if (!run.warmedUp) {
        OnDisplay();
        run.warmedUp = true;
        run.start = Clock::now();
        return;
    }
    const Clock::time_point frameStart = Clock::now();
    Timedemo::ApplyScript(run.frame);
    // Every call is a due tick: the clock moves just past the next deadline.
    run.gameTime = shell.nextTickTime + 1;
    RunTick(run.gameTime);
    OnDisplay();
    run.frameTimes.push_back(MillisecondsSince(frameStart));
    ++run.frame;
    if (run.frame < settings.timedemoFrames) {
        return;
    }
    const double seconds = MillisecondsSince(run.start) / GameClock::millisecondsPerSecond;
    const Timedemo::Summary summary = Timedemo::Summarize(run.frameTimes, seconds);
    std::printf("%s\n", Timedemo::Format(summary).c_str());
    std::fflush(stdout);
    timeStats.WriteReport();
    EndProcess(EXIT_SUCCESS);
}

} // namespace

Timedemo::Summary Timedemo::Summarize(std::vector<double> frameTimes, const double seconds) {
    Summary summary;
    summary.frames = static_cast<int>(frameTimes.size());
    summary.seconds = seconds;
    if (frameTimes.empty()) {
        return summary;
    }
    std::sort(frameTimes.begin(), frameTimes.end());
    const size_t count = frameTimes.size();
    summary.averageFps = seconds > 0.0 ? static_cast<double>(count) / seconds : 0.0;
    summary.median = count % 2 == 1 ? frameTimes[count / 2]
                                    : (frameTimes[count / 2 - 1] + frameTimes[count / 2]) / 2.0;
    // Nearest rank: the smallest time that at least 99 in 100 frames reach.
    const size_t rank = static_cast<size_t>(std::ceil(0.99 * static_cast<double>(count)));
    summary.percentile99 = frameTimes[std::max<size_t>(rank, 1) - 1];
    summary.maximum = frameTimes.back();
    return summary;
}

std::string Timedemo::Format(const Summary& summary) {
    char line[200];
    std::snprintf(line, sizeof line,
                  "timedemo: %d frames in %.2f s, %.1f fps average, frame time median %.2f ms, "
                  "99th percentile %.2f ms, max %.2f ms",
                  summary.frames, summary.seconds, summary.averageFps, summary.median,
                  summary.percentile99, summary.maximum);
    return line;
}

void Timedemo::ApplyScript(const int frame) {
    int scriptFrames = 0;
    for (const FlightLeg& leg : flightScript) {
        scriptFrames += leg.frames;
    }
    int inLeg = frame % scriptFrames;
    for (const FlightLeg& leg : flightScript) {
        if (inLeg >= leg.frames) {
            inLeg -= leg.frames;
            continue;
        }
        ApplyCommand(Command::SteerTo(SteerInput(leg.steerX), PitchInput(leg.height)));
        const float speed = world.GetBird().GetSpeed();
        ApplyCommand(Command::ChangeSpeed(speed < leg.speed   ? speedUpStep
                                          : speed > leg.speed ? slowDownStep
                                                              : 0.0f));
        if (leg.dropEvery > 0 && inLeg % leg.dropEvery == leg.dropEvery - 1) {
            ApplyCommand(Command::DropPoop());
        }
        return;
    }
}

void StartTimedemo() {
    // As though the levels before had been played: each of them was set up
    // once, and every set-up left its clouds in the sky.
    for (int level = 2; level <= settings.timedemoLevel; ++level) {
        world.SetupLevel(level);
    }
    currentLevel = settings.timedemoLevel;
    mainMenu.Hide();
    configMenu.Hide();
    run = Run{};
    run.frameTimes.reserve(static_cast<size_t>(settings.timedemoFrames));
    run.start = Clock::now();
    shell.nextTickTime = GameClock::Now();
    glut::IdleFunc(TimedemoIdle);
}
