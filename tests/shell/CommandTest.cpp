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

#include <vector>

namespace {

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
};

} // namespace

TEST_F(CommandTest, ADropIsHeardWhenItIsMade) {
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
