#include "game/GameMenus.h"
#include "base/Settings.h"
#include "game/Commands.h"
#include "game/GameTick.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "shell/Input.h"
#include "shell/Windows.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

namespace {

// The game's menus, built once per test process, in an 800 x 600 window,
// driven through the shell as GLUT drives it.
class GameMenusTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (mainMenu.GetItemCount() == 0) {
            BuildMenus();
        }
        OnReshape(800, 600);
        mainMenu.Hide();
        configMenu.Hide();
    }
    void TearDown() override {
        settings = saved;
        mainMenu.Hide();
        configMenu.Hide();
    }

    // One due tick of the shell.
    static void Tick() { RunTick(shell.nextTickTime + 1); }

    // The window pixel 5 pixels into an item.
    static int X(const MenuItem* item) { return static_cast<int>(item->GetX() + 5.0f); }
    static int Y(const MenuItem* item) { return static_cast<int>(item->GetY() + 305.0f); }

    // A click as the player makes it: move there, press, release, then ticks.
    static void ClickOn(const MenuItem* item, const int ticks) {
        OnMouseMotion(X(item), Y(item));
        OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, X(item), Y(item));
        OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, X(item), Y(item));
        for (int i = 0; i < ticks; ++i) {
            Tick();
        }
    }

    Settings saved = settings;
};

TEST_F(GameMenusTest, MenusHoldTheGamesItemsInOrder) {
    EXPECT_STREQ(mainMenu.GetTitle(), "MAIN MENU");
    const char* items[][2] = {{"  START  ", "Start the game"},
                              {" RESUME  ", "Resume the game"},
                              {" CONFIG  ", "Configure The Game"},
                              {"  QUIT   ", "Quit the game"}};
    ASSERT_EQ(mainMenu.GetItemCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_STREQ(mainMenu.GetItem(i)->GetLabel(), items[i][0]);
        EXPECT_STREQ(mainMenu.GetItem(i)->GetToolTip(), items[i][1]);
    }
    EXPECT_EQ(mainMenu.GetItem(0)->GetCursor(), GLUT_CURSOR_CROSSHAIR);
    EXPECT_EQ(mainMenu.GetItem(3)->GetCursor(), GLUT_CURSOR_DESTROY);
    EXPECT_STREQ(configMenu.GetTitle(), "Configuration Options");
    ASSERT_EQ(configMenu.GetItemCount(), 6);
    EXPECT_STREQ(configMenu.GetItem(0)->GetToolTip(), "Game speed should be around 50~60");
    EXPECT_STREQ(configMenu.GetItem(3)->GetToolTip(), "Selected to show clouds.");
    EXPECT_STREQ(configMenu.GetItem(4)->GetLabel(), "   Save    ");
    EXPECT_STREQ(configMenu.GetItem(5)->GetLabel(), " Main Menu ");
}

TEST_F(GameMenusTest, TheConfigurationMenuActsAtOnceAndOncePerRelease) {
    configMenu.Show();
    configMenu.Draw(); // sizes the slider from its full label
    // Several ticks after one release: the check box flips once, not back again.
    settings.showTrees = 1;
    ClickOn(configMenu.GetItem(1), 4);
    EXPECT_EQ(settings.showTrees, 0);
    settings.textureTarget = 0;
    ClickOn(configMenu.GetItem(2), 4);
    EXPECT_EQ(settings.textureTarget, 3553);
    // The game speed slider acts in the same tick, and stops at 1.
    settings.gameSpeed = 2;
    ClickOn(configMenu.GetItem(0), 1);
    EXPECT_EQ(settings.gameSpeed, 1);
    ClickOn(configMenu.GetItem(0), 1);
    EXPECT_EQ(settings.gameSpeed, 1);
    ClickOn(configMenu.GetItem(5), 1); // " Main Menu "
    EXPECT_FALSE(configMenu.IsVisible());
    EXPECT_TRUE(mainMenu.IsVisible());
}

TEST_F(GameMenusTest, TheMainMenuActsOnTheClickAtTheFollowingTickAndOnlyOnce) {
    mainMenu.Show();
    // A double click on RESUME: the first release hides the menu one tick
    // later, and that tick also stores the second release.
    const MenuItem* resume = mainMenu.GetItem(1);
    ClickOn(resume, 1);
    EXPECT_TRUE(mainMenu.IsVisible()) << "it handled the flags of the tick before";
    OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, X(resume), Y(resume));
    Tick();
    EXPECT_FALSE(mainMenu.IsVisible());
    // Later the menu opens again with the mouse over CONFIG; nothing is clicked.
    OnMouseMotion(X(mainMenu.GetItem(2)), Y(mainMenu.GetItem(2)));
    mainMenu.Show(); // as Escape does
    Tick();
    Tick();
    EXPECT_TRUE(mainMenu.IsVisible());
    EXPECT_FALSE(configMenu.IsVisible());
}

} // namespace
