// The first-flight advice of the intro text and the README, flown by a test
// pilot who does only what it says and sees only what a player sees: the
// nose against the horizon, and the height and speed bars, a tenth of a
// second late. Its hand moves the pointer, or the stick, no faster than
// 3 offsets a second (1200 pixels a second in the 800-pixel window).
// The advice holds if the bird stays above the rooftops for a minute from
// START at level 1.

#include "base/GameClock.h"
#include "base/Settings.h"
#include "city/MapObject.h"
#include "game/Commands.h"
#include "game/GameMenus.h"
#include "game/GameTick.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "input/PadMapper.h"
#include "input/VirtualPad.h"
#include "shell/Pads.h"
#include "shell/ShellTestSupport.h"
#include "shell/Windows.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>
#include <tuple>

namespace {

constexpr int ticksPerSecond = 60;
constexpr int flightTicks = 60 * ticksPerSecond;
constexpr int reactionTicks = ticksPerSecond / 10;
constexpr float handSpeed = 3.0f / ticksPerSecond; // offsets per tick

// What the player sees of the flight.
struct Sight {
    float noseUp; // radians above the horizon
    float height;
    float speed;
};

Sight Look() {
    const Bird& bird = world.GetBird();
    const Vector direction = bird.GetDirection().Normalized();
    return {std::asin(std::clamp(direction.GetZ(), -1.0f, 1.0f)), bird.GetEyeZ(), bird.GetSpeed()};
}

// The advice, as the pilot reads it.
struct Advice {
    static constexpr float fullSpeedBar = 90.0f; // hold "faster" until the bar is nearly full
    static constexpr float pointerAtRest =
        1.0f / 3.0f;                             // above the centre, slow: a third of the way up
    static constexpr float perRadian = 0.3f;     // small corrections toward the horizon
    static constexpr float safeHeight = 1500.0f; // well above half the height bar
    static constexpr float gentleClimb = 0.1f;   // radians: a little above the horizon
    static constexpr float circle = 0.15f;       // a gentle turn keeps the bird over the city

    // Where the hand wants the pointer (offsets from the centre, y down).
    static void Aim(const Sight& seen, float& x, float& y) {
        const float wantedNose =
            std::clamp((safeHeight - seen.height) / 2000.0f, -gentleClimb, gentleClimb);
        const float holdUp = -pointerAtRest * (1.0f - seen.speed / Bird::maxSpeed);
        x = circle;
        y = std::clamp(holdUp + perRadian * (seen.noseUp - wantedNose), -1.0f, 1.0f);
    }
};

enum class Device { Mouse, Pad };

class TestPilotTest : public ::testing::TestWithParam<std::tuple<int, Device>> {
protected:
    void SetUp() override {
        EnsureGlContext();
        settings = Settings{};
        settings.seed = std::get<0>(GetParam());
        world.GetMapObjects().clear();
        world.Init(100, 100, 100.0f);
        if (mainMenu.GetItemCount() == 0) {
            BuildMenus();
        }
        shell = ShellState{};
        currentLevel = 1;
        OnReshape(800, 800);
        GameClock::SetTickTime(0);
        world.GetMission().LoadLevels(
            WriteTempFile("pilot_levels.config", "1 5 10 3 120\n").c_str());
        world.SetupLevel(1);
        world.GetBird().SetAngles(0.0f, 0.0f); // a new process's bird
        world.GetBird().PlaceAtStart();
        ShowMainMenu("MAIN MENU");
    }
    void TearDown() override {
        ClosePads();
        settings = Settings{};
    }
};

} // namespace

TEST_P(TestPilotTest, TheFirstFlightAdviceKeepsTheBirdAboveTheRooftopsForAMinute) {
    const Device device = std::get<1>(GetParam());
    VirtualPad* pad = nullptr;
    std::unique_ptr<VirtualPad> plugged;
    float handX = 0.0f;
    float handY = 0.0f;
    const auto tick = [] {
        const unsigned int now = shell.nextTickTime + 1;
        PollPads(now);
        return RunTick(now);
    };

    // START: the mouse clicks it, and the hand is where the button was; the
    // pad's A acts on the focus, which starts on START.
    if (device == Device::Mouse) {
        const MenuItem* start = mainMenu.GetItem(0);
        const int x = static_cast<int>(start->GetX() + start->GetWidth() / 2.0f);
        const int y = static_cast<int>(start->GetY() + start->GetHeight() / 2.0f + 400.0f);
        ApplyCommand(Command::PointerAt(x, y));
        ApplyCommand(Command::Button(0, true, x, y));
        ApplyCommand(Command::Button(0, false, x, y));
        handX = shell.steerX;
        handY = shell.steerY;
    } else {
        OpenPads(Gamepad::Devices::VirtualOnly);
        ASSERT_TRUE(PadsOpen());
        plugged = std::make_unique<VirtualPad>();
        pad = plugged.get();
        tick();
        pad->Press(SDL_CONTROLLER_BUTTON_A);
        tick();
        pad->Press(SDL_CONTROLLER_BUTTON_A, false);
    }
    for (int wait = 0; wait < ticksPerSecond && mainMenu.IsVisible(); ++wait) {
        tick();
    }
    ASSERT_FALSE(mainMenu.IsVisible()) << "START";

    std::deque<Sight> seen;
    unsigned int holdingSince = 0;
    bool holding = false;
    float lowest = Bird::maxHeight;
    int ticksUp = 0;
    for (; ticksUp < flightTicks; ++ticksUp) {
        seen.push_back(Look());
        const Sight late =
            seen.size() > reactionTicks ? seen[seen.size() - 1 - reactionTicks] : seen.front();
        if (seen.size() > reactionTicks + 1) {
            seen.pop_front();
        }
        float wantX = 0.0f;
        float wantY = 0.0f;
        Advice::Aim(late, wantX, wantY);
        const float moveX = wantX - handX;
        const float moveY = wantY - handY;
        const float move = std::hypot(moveX, moveY);
        const float share = move > handSpeed ? handSpeed / move : 1.0f;
        handX += moveX * share;
        handY += moveY * share;

        const bool faster = late.speed < Advice::fullSpeedBar;
        const unsigned int now = shell.nextTickTime + 1;
        if (device == Device::Mouse) {
            ApplyCommand(
                Command::PointerAt(static_cast<int>(std::lround(400.0f + handX * 400.0f)),
                                   static_cast<int>(std::lround(400.0f + handY * 400.0f))));
            // W held: at once, then as the keyboard repeats it.
            if (faster && (!holding || now >= holdingSince)) {
                ApplyCommand(Command::KeyPressed('w'));
                holdingSince =
                    holding ? holdingSince + PadMapper::playRepeat : now + PadMapper::firstRepeat;
            }
            holding = faster;
        } else {
            // The thumb pushes past the dead zone for any steering at all.
            const auto deflection = [](const float offset) {
                return offset == 0.0f
                           ? 0.0f
                           : std::copysign(PadMapper::deadZone +
                                               (1.0f - PadMapper::deadZone) * std::fabs(offset),
                                           offset);
            };
            const float length = std::hypot(handX, handY);
            const float scale = length == 0.0f ? 0.0f : deflection(length) / length;
            pad->Axis(SDL_CONTROLLER_AXIS_LEFTX, handX * scale);
            pad->Axis(SDL_CONTROLLER_AXIS_LEFTY, handY * scale);
            pad->Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, faster ? 1.0f : 0.0f);
        }

        const TickReport report = tick();
        const Bird& bird = world.GetBird();
        bool inBuilding = false;
        for (const GameEvent& event : report.events) {
            inBuilding = inBuilding || (event.kind == GameEvent::Kind::Inside &&
                                        event.objectKind == MapObject::KindBuilding);
        }
        lowest = std::min(lowest, bird.GetEyeZ());
        if (inBuilding || !bird.IsAlive() || bird.GetHealth() < Bird::maxHealth ||
            mainMenu.IsVisible()) {
            break;
        }
    }
    std::printf("seed %d, %s: %.1f s above the rooftops, lowest %.0f\n", settings.seed,
                device == Device::Mouse ? "mouse" : "pad",
                static_cast<double>(ticksUp) / ticksPerSecond, static_cast<double>(lowest));
    EXPECT_EQ(ticksUp, flightTicks);
    EXPECT_GT(world.GetBird().GetSpeed(), 50.0f) << "it flew, and fast";
}

INSTANTIATE_TEST_SUITE_P(Seeds, TestPilotTest,
                         ::testing::Combine(::testing::Values(1, 7, 2024),
                                            ::testing::Values(Device::Mouse, Device::Pad)),
                         [](const auto& info) {
                             return "Seed" + std::to_string(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) == Device::Mouse ? "Mouse" : "Pad");
                         });
