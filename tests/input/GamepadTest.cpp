// The pad in the real game loop: a virtual SDL pad, read as OnIdle reads the
// pads (PollPads, then RunTick), on the real World, shell and menus.

#include "actors/Ped.h"
#include "base/GameClock.h"
#include "base/Settings.h"
#include "city/MapObject.h"
#include "game/Commands.h"
#include "game/GameMenus.h"
#include "game/GameTick.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "input/VirtualPad.h"
#include "shell/Listeners.h"
#include "shell/Pads.h"
#include "shell/Session.h"
#include "shell/ShellTestSupport.h"
#include "shell/Tick.h"
#include "shell/Windows.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

// The game as start-up leaves it, in an 800 x 800 window, with SDL running
// and no pad yet.
class GamepadTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        EnsureWorldReady();
        if (mainMenu.GetItemCount() == 0) {
            BuildMenus();
        }
        world.GetMission().LoadLevels(WriteTempFile("pad_levels.config", "1 5 10 3 120\n").c_str());
        saved = settings;
        FreshGame();
        OpenPads(Gamepad::Devices::VirtualOnly);
        ASSERT_TRUE(PadsOpen());
    }
    void TearDown() override {
        pads.clear();
        ClosePads();
        settings = saved;
        mainMenu.Hide();
        configMenu.Hide();
        world.GetBird().Reset();
    }

    static void FreshGame() { StartUpGame(2024); }

    // Ticks as OnIdle runs them: the pads are read before every tick.
    static void Ticks(const int count) {
        for (int i = 0; i < count; ++i) {
            const unsigned int now = shell.nextTickTime + 1;
            PollPads(now);
            RunTick(now);
        }
    }

    // A pad plugged in is taken within a quarter second.
    VirtualPad& Plug(const bool withTriggers = true) {
        const int before = PadsAttached();
        pads.push_back(std::make_unique<VirtualPad>(withTriggers));
        for (int i = 0; i < 16 && PadsAttached() == before; ++i) {
            Ticks(1);
        }
        EXPECT_EQ(PadsAttached(), before + 1);
        return *pads.back();
    }

    // Presses and releases a button, a tick each.
    static void Tap(VirtualPad& pad, const SDL_GameControllerButton button) {
        pad.Press(button);
        Ticks(1);
        pad.Press(button, false);
        Ticks(2);
    }

    static void Play() {
        StartAction();
        Ticks(1);
    }

    Settings saved;
    std::vector<std::unique_ptr<VirtualPad>> pads;
};

struct FlightState {
    float polar;
    float azimuth;
    float eye[3];
    float speed;
};

FlightState Now() {
    const Bird& bird = world.GetBird();
    return {bird.GetPolarAngle(),
            bird.GetAzimuth(),
            {bird.GetEyeX(), bird.GetEyeY(), bird.GetEyeZ()},
            bird.GetSpeed()};
}

void ExpectSame(const FlightState& a, const FlightState& b) {
    EXPECT_EQ(a.polar, b.polar);
    EXPECT_EQ(a.azimuth, b.azimuth);
    EXPECT_EQ(a.speed, b.speed);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(a.eye[i], b.eye[i]);
    }
}

} // namespace

TEST_F(GamepadTest, AFullStickSteersAsThePointerAtTheWindowsEdge) {
    VirtualPad& pad = Plug();
    ASSERT_TRUE(pad.Attached());
    struct Case {
        int pointerX, pointerY;
        SDL_GameControllerAxis axis;
        float deflection;
    };
    for (const Case& c : {Case{800, 400, SDL_CONTROLLER_AXIS_LEFTX, 1.0f},
                          Case{0, 400, SDL_CONTROLLER_AXIS_LEFTX, -1.0f},
                          Case{400, 0, SDL_CONTROLLER_AXIS_LEFTY, -1.0f}}) {
        FreshGame();
        Play();
        ApplyCommand(Command::PointerAt(c.pointerX, c.pointerY));
        Ticks(20);
        const FlightState byPointer = Now();

        FreshGame();
        ApplyCommand(Command::PointerAt(400, 400));
        Play();
        pad.Axis(c.axis, c.deflection);
        Ticks(20);
        ExpectSame(Now(), byPointer);
        pad.Release();
        Ticks(1);
    }
    // Whichever moved last steers: a moved pointer takes over from a held stick.
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 1.0f);
    Ticks(1);
    EXPECT_EQ(shell.steerX, 1.0f);
    ApplyCommand(Command::PointerAt(200, 400));
    Ticks(3);
    EXPECT_EQ(shell.steerX, -0.5f);
    // In a menu the stick steers nothing.
    ShowMainMenu("MAIN MENU");
    Ticks(1);
    const float steerY = shell.steerY;
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 1.0f);
    Ticks(3);
    EXPECT_EQ(shell.steerY, steerY);
}

TEST_F(GamepadTest, AHeldTriggerChangesTheSpeedAsAHeldKey) {
    VirtualPad& pad = Plug();
    // The same flight with W held, repeating as the pad repeats: at once,
    // after 0.4 s, then every 40 ms.
    Play();
    const unsigned int pressed = shell.nextTickTime + 1;
    unsigned int nextKey = pressed;
    for (int i = 0; i < 60; ++i) {
        const unsigned int now = shell.nextTickTime + 1;
        if (now >= nextKey) {
            ApplyCommand(Command::KeyPressed('w'));
            nextKey = nextKey == pressed ? pressed + 400 : nextKey + 40;
        }
        RunTick(now);
    }
    const FlightState byKey = Now();

    FreshGame();
    Play();
    pad.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 1.0f);
    Ticks(60);
    ExpectSame(Now(), byKey);
    EXPECT_GT(Now().speed, 10.0f);
    pad.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0.0f);
    pad.Press(SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
    PollPads(shell.nextTickTime + 1);
    EXPECT_EQ(shell.speedChange, slowDownStep) << "the left shoulder slows down as S";
    pad.Release();
    Ticks(1);
}

// A press and its release while the game draws one slow frame: both reach
// SDL's queue before the pads are read again.
void QuickTap(VirtualPad& pad, const SDL_GameControllerButton button) {
    pad.Press(button);
    SDL_PumpEvents();
    pad.Press(button, false);
    SDL_PumpEvents();
}

TEST_F(GamepadTest, PressesBetweenTwoReadsEachCountInOrder) {
    VirtualPad& pad = Plug();
    Play();
    const int poop = world.GetBird().GetPoop();
    QuickTap(pad, SDL_CONTROLLER_BUTTON_A);
    Ticks(1);
    EXPECT_EQ(world.GetBird().GetPoop(), poop - 1) << "one tap, one drop";
    QuickTap(pad, SDL_CONTROLLER_BUTTON_A);
    QuickTap(pad, SDL_CONTROLLER_BUTTON_A);
    Ticks(1);
    EXPECT_EQ(world.GetBird().GetPoop(), poop - 3) << "two taps, two drops";

    // In the menus a quick A acts on the focused control: Start opens the
    // main menu with START focused, the d-pad moves to RESUME.
    QuickTap(pad, SDL_CONTROLLER_BUTTON_START);
    Ticks(1);
    ASSERT_TRUE(mainMenu.IsVisible());
    EXPECT_STREQ(mainMenu.GetTitle(), "MAIN MENU") << "Start pauses as Esc";
    QuickTap(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    Ticks(1);
    EXPECT_STREQ(mainMenu.GetToolTipLine(), "Resume the game");
    QuickTap(pad, SDL_CONTROLLER_BUTTON_A);
    Ticks(3);
    EXPECT_FALSE(mainMenu.IsVisible()) << "RESUME";
    EXPECT_EQ(world.GetBird().GetPoop(), poop - 3) << "A in a menu drops nothing";
}

// The menus by pad alone, from START to QUIT. After a death the main menu is
// shown at every tick, under the configuration menu once CONFIG opened it:
// the pad's way through must not reach the hidden main menu.
TEST_F(GamepadTest, TheWholeMenuPathByPadAloneAfterADeath) {
    const std::filesystem::path folder = TempPath("pad_menus");
    std::filesystem::create_directories(folder / "config");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    settings = Settings{};
    const int trees = settings.showTrees;

    VirtualPad& pad = Plug();
    Tap(pad, SDL_CONTROLLER_BUTTON_A); // START has the focus
    EXPECT_FALSE(mainMenu.IsVisible()) << "START";
    world.GetBird().Damage(Bird::maxHealth);
    Ticks(2);
    ASSERT_STREQ(mainMenu.GetTitle(), "Ohhh you died!");
    Tap(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    Tap(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_STREQ(mainMenu.GetToolTipLine(), "Configure The Game") << "the focus shows as a hover";
    Tap(pad, SDL_CONTROLLER_BUTTON_A);
    ASSERT_TRUE(configMenu.IsVisible()) << "CONFIG";
    // The stick walks down to the trees' box.
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 1.0f);
    Ticks(1);
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 0.0f);
    Ticks(1);
    EXPECT_STREQ(configMenu.GetToolTipLine(), "Select to show trees");
    Tap(pad, SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(settings.showTrees, trees == 0 ? 1 : 0);
    // The game speed's slider: right raises it, left lowers it.
    Tap(pad, SDL_CONTROLLER_BUTTON_DPAD_UP);
    Tap(pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    Tap(pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    Tap(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_EQ(settings.gameSpeed, Settings::defaultGameSpeed + 1);
    for (int i = 0; i < 4; ++i) {
        Tap(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    }
    Tap(pad, SDL_CONTROLLER_BUTTON_A); // Save
    EXPECT_EQ(ReadFile("config/gullmar.config"),
              "FAST_COMPUTER\n1\n\nPOOP_SHOW_CLOUDS\n1\n\nPOOP_SHOW_TREES\n" +
                  std::to_string(settings.showTrees) +
                  "\n\nPOOP_WINDOW_MODE\n0\n\nPOOP_LIGHTING\n1\n\nPOOP_TEXTURE_2D\n3553\n\n"
                  "POOP_SHADING_TYPE\n7425\n\nPOOP_GAME_SPEED\n61\n\n");
    Tap(pad, SDL_CONTROLLER_BUTTON_B);
    Ticks(3);
    EXPECT_FALSE(configMenu.IsVisible()) << "the hidden main menu kept no click to reopen it";
    ASSERT_TRUE(mainMenu.IsVisible()) << "B: the configuration menu's way back";
    Tap(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN); // from CONFIG, where the focus was left
    EXPECT_STREQ(mainMenu.GetToolTipLine(), "Quit the game");
    EXPECT_FALSE(EndRequested());
    Tap(pad, SDL_CONTROLLER_BUTTON_A);
    EXPECT_TRUE(EndRequested()) << "QUIT: the idle call ends the game";
    std::filesystem::current_path(before);
}

TEST_F(GamepadTest, PullingThePadOutInPlayPausesAndInAMenuChangesNothing) {
    VirtualPad& pad = Plug();
    Play();
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 1.0f);
    Ticks(3);
    EXPECT_EQ(shell.steerX, 1.0f);
    pad.Unplug();
    Ticks(1);
    EXPECT_TRUE(mainMenu.IsVisible()) << "as Esc";
    EXPECT_STREQ(mainMenu.GetTitle(), "MAIN MENU");
    EXPECT_EQ(shell.steerX, 0.0f) << "the pulled stick steers no more";

    // Another pad, pulled out in the configuration menu: it stays, and the mouse carries on.
    VirtualPad& second = Plug();
    ConfigAction();
    Ticks(1);
    second.Unplug();
    Ticks(3);
    EXPECT_TRUE(configMenu.IsVisible());
    MainMenuAction();
    ApplyCommand(Command::KeyPressed(13));
    ApplyCommand(Command::PointerAt(600, 400));
    Ticks(3);
    EXPECT_FALSE(mainMenu.IsVisible());
    EXPECT_EQ(shell.steerX, 0.5f);
}

TEST_F(GamepadTest, HitsDeathAndBuildingsRumbleUnlessRumbleIsOff) {
    VirtualPad& pad = Plug();
    Play();
    TickReport report;
    report.events.push_back(GameEvent::PedHitAt({}, false));
    HandOutTick(report);
    ASSERT_EQ(pad.rumbles.size(), 1u);
    EXPECT_GT(pad.rumbles[0].high, 0);
    EXPECT_LT(pad.rumbles[0].high, 0x8000) << "light";

    // The real tick: the bird inside the first building it finds buzzes.
    Bird& bird = world.GetBird();
    for (const auto& object : world.GetMapObjects()) {
        if (object->GetKind() == MapObject::KindBuilding && object->GetHeight() > 200.0f) {
            const float x = (object->GetMinX() + object->GetMaxX()) / 2.0f;
            const float y = (object->GetMinY() + object->GetMaxY()) / 2.0f;
            bird.SetEye(x, y, 60.0f);
            bird.SetCenter(x, y + 1000.0f, 60.0f);
            break;
        }
    }
    RunTick(shell.nextTickTime + 1);
    ASSERT_EQ(pad.rumbles.size(), 2u);
    EXPECT_GT(pad.rumbles[1].low, 0) << "inside a building";

    settings.rumble = 0;
    report.events.assign(1, GameEvent::Died({}));
    GameClock::SetTickTime(GameClock::TickTime() + 10000);
    HandOutTick(report);
    EXPECT_EQ(pad.rumbles.size(), 2u) << "--no-rumble";
}

TEST_F(GamepadTest, PadsWithoutTriggersDriftingSticksAndTwoAtOnceAllPlay) {
    VirtualPad& plain = Plug(false);
    VirtualPad& other = Plug();
    Play();
    plain.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 1.0f); // it has none
    plain.Press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    Ticks(2);
    EXPECT_GT(world.GetBird().GetSpeed(), 0.0f) << "the shoulder speeds up";
    plain.Press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, false);

    // A drifting stick on one pad does not steer over the other's or the pointer's.
    other.Axis(SDL_CONTROLLER_AXIS_LEFTX, 0.12f);
    other.Axis(SDL_CONTROLLER_AXIS_LEFTY, -0.1f);
    ApplyCommand(Command::PointerAt(500, 400));
    Ticks(5);
    EXPECT_EQ(shell.steerX, 0.25f);
    plain.Axis(SDL_CONTROLLER_AXIS_LEFTX, -1.0f);
    Ticks(1);
    EXPECT_LT(shell.steerX, -0.99f) << "either pad steers";
    Tap(other, SDL_CONTROLLER_BUTTON_START);
    EXPECT_TRUE(mainMenu.IsVisible());
    Tap(plain, SDL_CONTROLLER_BUTTON_B);
    EXPECT_FALSE(mainMenu.IsVisible()) << "B in the main menu is Enter";
}

TEST_F(GamepadTest, WithoutAPadOrWithNoGamepadTheSameInputsGiveTheSameGameTickByTick) {
    // One game: START by the pointer, then steering, speed keys and drops,
    // a frame drawn after every other tick (a panicking pedestrian turns as
    // it is drawn). Recorded per tick: the bird, the score, every pedestrian.
    const auto play = [] {
        FreshGame();
        std::vector<float> trace;
        const MenuItem* start = mainMenu.GetItem(0);
        const int x = static_cast<int>(start->GetX() + 5.0f);
        const int y = static_cast<int>(start->GetY() + 405.0f);
        ApplyCommand(Command::PointerAt(x, y));
        ApplyCommand(Command::Button(GLUT_LEFT_BUTTON, false, x, y));
        for (int i = 0; i < 240; ++i) {
            if (i == 5) {
                ApplyCommand(Command::PointerAt(430, 300));
            }
            if (i % 7 == 0) {
                ApplyCommand(Command::KeyPressed('w'));
            }
            if (i % 50 == 10) {
                ApplyCommand(Command::KeyPressed(' '));
            }
            Ticks(1);
            if (i % 2 == 0) {
                world.Draw();
            }
            const Bird& bird = world.GetBird();
            trace.insert(trace.end(), {bird.GetEyeX(), bird.GetEyeY(), bird.GetEyeZ(),
                                       static_cast<float>(bird.GetScore())});
            for (const auto& ped : world.GetPeds()) {
                const Point place = ped->GetBoundingBox().GetCenter();
                trace.insert(trace.end(), {place.GetX(), place.GetY()});
            }
        }
        trace.push_back(static_cast<float>(std::rand()));
        return trace;
    };

    ClosePads();
    const std::vector<float> withoutPads = play();
    OpenPads(Gamepad::Devices::VirtualOnly);
    ASSERT_TRUE(PadsOpen());
    EXPECT_EQ(play(), withoutPads) << "SDL running, no pad";
    ClosePads();
    ParseArguments({"--no-gamepad"});
    OpenPads(Gamepad::Devices::VirtualOnly);
    EXPECT_FALSE(PadsOpen()) << "--no-gamepad starts no SDL";
    EXPECT_EQ(play(), withoutPads);
}
