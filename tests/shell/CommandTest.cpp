#include "input/Command.h"
#include "base/GameClock.h"
#include "base/Settings.h"
#include "game/Commands.h"
#include "game/GameMenus.h"
#include "game/GameTick.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "shell/Input.h"
#include "shell/ShellTestSupport.h"
#include "shell/Windows.h"
#include "sound/GameSound.h"
#include "sound/RecordingOutput.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// What a short game leaves behind, to compare two runs of it.
struct Outcome {
    int score = 0;
    int poop = 0;
    float speed = 0.0f;
    float eye[3] = {};
    int missionLeft[3] = {};
    int frozen = 0;
    bool menuShown = false;
    int nextRandom = 0;

    bool operator==(const Outcome& other) const {
        return score == other.score && poop == other.poop && speed == other.speed &&
               eye[0] == other.eye[0] && eye[1] == other.eye[1] && eye[2] == other.eye[2] &&
               missionLeft[0] == other.missionLeft[0] && missionLeft[1] == other.missionLeft[1] &&
               missionLeft[2] == other.missionLeft[2] && frozen == other.frozen &&
               menuShown == other.menuShown && nextRandom == other.nextRandom;
    }
};

// The game as start-up leaves it (level 1, the bird at its start, paused
// behind the main menu) in an 800 x 800 window, the same every time.
class CommandTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        EnsureWorldReady();
        if (mainMenu.GetItemCount() == 0) {
            BuildMenus();
        }
        OnReshape(800, 800);
        world.GetMission().LoadLevels(
            WriteTempFile("command_levels.config", "1 5 10 3 120\n").c_str());
    }
    void TearDown() override {
        mainMenu.Hide();
        configMenu.Hide();
        world.freezeActors = 0;
        world.GetBird().Reset();
        gameSound.Close();
    }

    static void FreshGame() { StartUpGame(2024); }

    static void Ticks(const int count) {
        for (int i = 0; i < count; ++i) {
            RunTick(shell.nextTickTime + 1);
        }
    }

    static Outcome Result() {
        const Bird& bird = world.GetBird();
        const Mission& mission = world.GetMission();
        return {bird.GetScore(),
                bird.GetPoop(),
                bird.GetSpeed(),
                {bird.GetEye().GetX(), bird.GetEye().GetY(), bird.GetEye().GetZ()},
                {mission.GetPedsLeft(), mission.GetCarsLeft(), mission.GetFriesLeft()},
                world.freezeActors,
                mainMenu.IsVisible() != 0,
                std::rand()};
    }
};

} // namespace

TEST_F(CommandTest, AGameDrivenByCommandsEndsAsTheSameGameDrivenByTheCallbacks) {
    // The window pixel 5 pixels into the START button.
    const MenuItem* start = mainMenu.GetItem(0);
    const int startX = static_cast<int>(start->GetX() + 5.0f);
    const int startY = static_cast<int>(start->GetY() + 5.0f + 400.0f);
    // Each step is one input, given either way, and the ticks after it.
    struct Step {
        Command command;
        std::function<void()> callback;
        int ticks;
    };
    const std::vector<Step> script = {
        {Command::PointerAt(startX, startY), [=] { OnMouseMotion(startX, startY); }, 0},
        {Command::Button(GLUT_LEFT_BUTTON, true, startX, startY),
         [=] { OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, startX, startY); }, 0},
        {Command::Button(GLUT_LEFT_BUTTON, false, startX, startY),
         [=] { OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, startX, startY); }, 2},
        {Command::PointerAt(600, 300), [] { OnMouseMotion(600, 300); }, 10},
        {Command::KeyPressed('w'), [] { OnKeyboard('w', 0, 0); }, 5},
        {Command::SpecialKeyPressed(GLUT_KEY_UP), [] { OnSpecialKey(GLUT_KEY_UP, 0, 0); }, 3},
        {Command::KeyPressed(' '), [] { OnKeyboard(' ', 0, 0); }, 3},
        {Command::Button(GLUT_LEFT_BUTTON, false, 600, 300),
         [] { OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, 600, 300); }, 4},
        {Command::KeyPressed('g'), [] { OnKeyboard('g', 0, 0); }, 5},
        {Command::KeyPressed(27), [] { OnKeyboard(27, 0, 0); }, 6},
        {Command::KeyPressed(13), [] { OnKeyboard(13, 0, 0); }, 5},
        {Command::SpecialKeyPressed(GLUT_KEY_DOWN), [] { OnSpecialKey(GLUT_KEY_DOWN, 0, 0); }, 2},
    };

    Outcome through[2];
    for (const bool byCommands : {false, true}) {
        FreshGame();
        float eyeBeforeEsc = 0.0f;
        for (const Step& step : script) {
            if (step.command.kind == Command::Kind::Key && step.command.code == 27) {
                eyeBeforeEsc = world.GetBird().GetEye().GetX();
            }
            if (byCommands) {
                ApplyCommand(step.command);
            } else {
                step.callback();
            }
            Ticks(step.ticks);
            if (step.command.kind == Command::Kind::Key && step.command.code == 27) {
                EXPECT_EQ(world.GetBird().GetEye().GetX(), eyeBeforeEsc) << "paused behind Esc";
                EXPECT_STREQ(mainMenu.GetTitle(), "MAIN MENU");
            }
        }
        through[byCommands ? 1 : 0] = Result();
    }

    const Outcome& game = through[1];
    EXPECT_TRUE(through[0] == game);
    EXPECT_FALSE(game.menuShown) << "START, then Esc and Enter";
    EXPECT_EQ(game.poop, Bird::startPoop - 2) << "Space and a left release each dropped";
    EXPECT_EQ(game.frozen, 1);
    EXPECT_EQ(game.missionLeft[0], 10) << "START set up level 1 afresh";
    EXPECT_GT(game.speed, 0.0f);
    EXPECT_NE(game.eye[0], Bird::startEyeX) << "the bird flew, steered right of centre";
}

TEST_F(CommandTest, ADropIsReportedWhenItIsMadeAndTheTicksEventsAfterTheUpdate) {
    FreshGame();
    mainMenu.Hide();
    auto output = std::make_unique<RecordingOutput>();
    RecordingOutput* out = output.get();
    gameSound.Attach(std::move(output));

    ApplyCommand(Command::DropPoop());
    EXPECT_EQ(out->onBird, std::vector<SoundId>{SoundId::Drop}) << "heard before any tick";
    world.GetBird().AddPoop(-Bird::maxPoop);
    ApplyCommand(Command::KeyPressed(' '));
    EXPECT_EQ(out->onBird.size(), 1u) << "no poop left: nothing dropped, nothing heard";

    // A completed mission is reported by the tick that completes it.
    world.GetMission().LoadLevels(
        WriteTempFile("command_done.config", "1 0 0 0 120\n2 1 1 1 120\n").c_str());
    world.SetupLevel(1);
    const TickReport report = RunTick(shell.nextTickTime + 1);
    ASSERT_TRUE(report.ran && report.updated);
    ASSERT_FALSE(report.events.empty());
    EXPECT_EQ(report.events.back().kind, GameEvent::Kind::MissionComplete);
    EXPECT_EQ(out->interface, std::vector<SoundId>{SoundId::MissionComplete});
    const TickReport paused = RunTick(shell.nextTickTime + 1);
    EXPECT_TRUE(paused.ran && !paused.updated) << "the mission's menu pauses the game";
}

TEST_F(CommandTest, TheMenusPointerShowsAControlsTooltipAndSteersNothing) {
    FreshGame();
    const MenuItem* config = mainMenu.GetItem(2);
    ApplyCommand(Command::PointInMenus(config->GetX() - mainMenu.GetX() + 5.0f,
                                       config->GetY() - mainMenu.GetY() + 5.0f));
    Ticks(1);
    EXPECT_STREQ(mainMenu.GetToolTipLine(), "Configure The Game");
    EXPECT_EQ(config->GetState(), MenuItem::highlighted);
    EXPECT_EQ(shell.steerX, 0.0f);
    EXPECT_EQ(shell.steerY, 0.0f);
    // A release acts on the control the menus' pointer is on.
    ApplyCommand(Command::Button(GLUT_LEFT_BUTTON, false, 0, 0));
    Ticks(2);
    EXPECT_TRUE(configMenu.IsVisible());
    EXPECT_FALSE(mainMenu.IsVisible());
}
