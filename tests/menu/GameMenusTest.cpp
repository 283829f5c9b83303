#include "shell/GameMenus.h"
#include "shell/Globals.h"
#include "shell/Settings.h"
#include "shell/Shell.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

namespace {

// The game's menus, built once per test process, in an 800 x 600 window.
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
        saved = settings;
    }
    void TearDown() override {
        settings = saved;
        mainMenu.Hide();
        configMenu.Hide();
    }

    // One due tick of the shell.
    static void Tick() { RunTick(shell.nextTickTime + 1); }

    // A click as the player makes it: move there, press, release, then ticks.
    static void ClickOn(const MenuItem* item, const int ticks) {
        const int x = static_cast<int>(item->GetX() + 5.0f);
        const int y = static_cast<int>(item->GetY() + 5.0f + 300.0f); // window pixels
        OnMouseMotion(x, y);
        OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
        OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
        for (int i = 0; i < ticks; ++i) {
            Tick();
        }
    }

    Settings saved;
};

TEST_F(GameMenusTest, MenusHoldTheGamesItemsInOrder) {
    EXPECT_STREQ(mainMenu.GetTitle(), "MAIN MENU");
    const char* labels[] = {"  START  ", " RESUME  ", " CONFIG  ", "  QUIT   "};
    const char* tips[] = {"Start the game", "Resume the game", "Configure The Game",
                          "Quit the game"};
    ASSERT_EQ(mainMenu.GetItemCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_STREQ(mainMenu.GetItem(i)->GetLabel(), labels[i]);
        EXPECT_STREQ(mainMenu.GetItem(i)->GetToolTip(), tips[i]);
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

TEST_F(GameMenusTest, OneReleaseGivesOneActivation) {
    configMenu.Show();
    settings.showTrees = 1;
    // Several ticks after one release: the check box flips once, not back again.
    ClickOn(configMenu.GetItem(1), 4);
    EXPECT_EQ(settings.showTrees, 0);

    settings.textureTarget = 0;
    ClickOn(configMenu.GetItem(2), 4);
    EXPECT_EQ(settings.textureTarget, 3553);
}

TEST_F(GameMenusTest, GameSpeedSliderStopsAtOne) {
    configMenu.Show();
    configMenu.Draw(); // sizes the slider from its full label
    settings.gameSpeed = 2;
    ClickOn(configMenu.GetItem(0), 1); // the configuration menu acts in the same tick
    EXPECT_EQ(settings.gameSpeed, 1);
    ClickOn(configMenu.GetItem(0), 1);
    EXPECT_EQ(settings.gameSpeed, 1);
}

TEST_F(GameMenusTest, MainMenuActsOnTheClickAtTheFollowingTick) {
    mainMenu.Show();
    ClickOn(mainMenu.GetItem(1), 1); // " RESUME  "
    EXPECT_TRUE(mainMenu.IsVisible());
    Tick();
    EXPECT_FALSE(mainMenu.IsVisible());
}

TEST_F(GameMenusTest, AReleaseBeforeTheMenuWasHiddenDoesNotClickWhenItReopens) {
    mainMenu.Show();
    // A double click on RESUME: the first release hides the menu at the next
    // tick, and that tick also stores the second release.
    ClickOn(mainMenu.GetItem(1), 1);
    const MenuItem* resume = mainMenu.GetItem(1);
    OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, static_cast<int>(resume->GetX() + 5.0f),
            static_cast<int>(resume->GetY() + 305.0f));
    Tick();
    EXPECT_FALSE(mainMenu.IsVisible());
    // Later the menu opens again with the mouse over CONFIG; nothing is clicked.
    const MenuItem* config = mainMenu.GetItem(2);
    OnMouseMotion(static_cast<int>(config->GetX() + 5.0f),
                  static_cast<int>(config->GetY() + 305.0f));
    mainMenu.Show(); // as Escape does
    Tick();
    Tick();
    EXPECT_TRUE(mainMenu.IsVisible());
    EXPECT_FALSE(configMenu.IsVisible());
}

} // namespace
