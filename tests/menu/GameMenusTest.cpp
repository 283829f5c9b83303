#include "game/GameMenus.h"
#include "base/Settings.h"
#include "game/Commands.h"
#include "game/GameTick.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "shell/Input.h"
#include "shell/Session.h"
#include "shell/ShellTestSupport.h"
#include "shell/Windows.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

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
        world.GetBird().Reset();
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

// The configuration menu lies over the main menu, whose controls it hides:
// after a death (the main menu is shown again at every tick) or through the
// keys, a click on a control of the configuration menu acts on that control
// alone, once, and never on the main menu under it.
TEST_F(GameMenusTest, TheConfigurationMenuAloneTakesItsClicksOncePerRelease) {
    const std::filesystem::path folder = TempPath("menus_save");
    std::filesystem::create_directories(folder / "config");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    for (const bool afterDeath : {true, false}) {
        SCOPED_TRACE(afterDeath ? "after a death" : "both shown by the keys");
        settings = saved;
        world.GetBird().Reset();
        if (afterDeath) {
            world.GetBird().Damage(Bird::maxHealth);
            Tick();
            ClickOn(mainMenu.GetItem(2), 3); // CONFIG; the next tick shows the main menu again
        } else {
            OnKeyboard(27, 0, 0);
            ClickOn(mainMenu.GetItem(2), 2);
            OnKeyboard('m', 0, 0);
        }
        ASSERT_TRUE(configMenu.IsVisible());
        ASSERT_TRUE(mainMenu.IsVisible());
        configMenu.Draw(); // sizes the slider from its full label
        const std::string titleBefore = mainMenu.GetTitle();

        // Each control, clicked: what it changed, after three ticks.
        const auto clicked = [&](const int item) {
            std::vector<int> acted;
            const MenuItem* control = configMenu.GetItem(item);
            OnMouseMotion(X(control), Y(control));
            OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, X(control), Y(control));
            OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, X(control), Y(control));
            for (int i = 0; i < 3; ++i) {
                for (const GameEvent& event : RunTick(shell.nextTickTime + 1).events) {
                    if (event.kind == GameEvent::Kind::MenuAction) {
                        acted.push_back(event.menu * 10 + event.control);
                    }
                }
            }
            return acted;
        };
        const Settings start = settings;
        EXPECT_EQ(clicked(0), std::vector<int>{10}); // the slider's '-' end
        EXPECT_EQ(settings.gameSpeed, start.gameSpeed - 1);
        EXPECT_EQ(clicked(1), std::vector<int>{11});
        EXPECT_NE(settings.showTrees, start.showTrees);
        EXPECT_EQ(clicked(2), std::vector<int>{12});
        EXPECT_NE(settings.textureTarget, start.textureTarget);
        EXPECT_EQ(clicked(3), std::vector<int>{13});
        EXPECT_NE(settings.showClouds, start.showClouds);
        EXPECT_EQ(clicked(4), std::vector<int>{14}); // Save
        EXPECT_NE(ReadFile("config/gullmar.config")
                      .find("POOP_GAME_SPEED\n" + std::to_string(settings.gameSpeed)),
                  std::string::npos);
        EXPECT_TRUE(mainMenu.IsVisible()) << "nothing resumed or started the game";
        EXPECT_EQ(std::string(mainMenu.GetTitle()), titleBefore);
        EXPECT_EQ(world.GetBird().IsAlive(), !afterDeath) << "no START";
        EXPECT_FALSE(EndRequested()) << "no QUIT";
        EXPECT_EQ(clicked(5), std::vector<int>{15}); // Main Menu
        EXPECT_FALSE(configMenu.IsVisible());
        EXPECT_TRUE(mainMenu.IsVisible()) << "and the main menu kept no click to act on";
        mainMenu.Hide();
        configMenu.Hide();
    }
    std::filesystem::current_path(before);
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
