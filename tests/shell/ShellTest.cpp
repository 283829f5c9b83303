#include "shell/Shell.h"
#include "shell/GameClock.h"
#include "shell/GameMenus.h"
#include "shell/Globals.h"
#include "shell/Settings.h"
#include "shell/ShellTestSupport.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

// The shell driven as GLUT would drive it, with a set clock: every test starts
// with level 1 set up (5 fries, 10 peds, 3 cars, 120 s), a fresh bird, no menu
// and no tick run yet.
class ShellTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        EnsureWorldReady();
        glGetIntegerv(GL_VIEWPORT, viewport.data());
        // Other tests may leave any viewport; this one covers the test window.
        window = {glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT)};
        glViewport(0, 0, window[0], window[1]);
        viewSize = {world.GetViewWidth(), world.GetViewHeight()};
        shell = ShellState{};
        settings = Settings{};
        currentLevel = 1;
        mainMenu.Hide();
        configMenu.Hide();
        world.freezeActors = 0;
        UseLevels("1 5 10 3 120\n2 7 11 4 100\n");
        GameClock::SetTickTime(0);
        // As Start places it: high above the city, where no building or
        // park below changes its health.
        world.GetBird().SetEye(5000.0f, 5000.0f, 1500.0f);
        world.GetBird().SetCenter(0.0f, 0.0f, 0.0f);
        world.GetBird().Reset();
        world.SetupLevel(1);
    }

    void TearDown() override {
        glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
        world.SetViewSize(viewSize[0], viewSize[1]);
        mainMenu.Hide();
        configMenu.Hide();
        world.freezeActors = 0;
        world.GetBird().Reset();
        settings = Settings{};
        GameClock::SetTickTime(0);
    }

    static void UseLevels(const std::string& table) {
        world.GetMission().LoadLevels(WriteTempFile("levels.config", table).c_str());
    }

    std::array<GLint, 4> viewport{};
    std::array<int, 2> window{};
    std::array<float, 2> viewSize{};
};

TEST_F(ShellTest, TicksRunOnlyAfterTheirDeadline) {
    mainMenu.Show(); // paused: only the timing matters here
    std::vector<unsigned int> ticks;
    for (unsigned int now = 0; now <= 1000; ++now) {
        if (RunTick(now)) {
            ticks.push_back(now);
        }
        EXPECT_EQ(GameClock::TickTime(), now);
    }
    ASSERT_EQ(ticks.size(), 59u);
    for (size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_EQ(ticks[i], 1 + 17 * i) << "at speed 60 a tick is due 16 ms after the last one ran";
    }

    // A late idle call: the next deadline counts from when the tick ran.
    EXPECT_TRUE(RunTick(5000));
    EXPECT_FALSE(RunTick(5016));
    EXPECT_TRUE(RunTick(5017));

    settings.gameSpeed = 0; // the configuration menu's slider can get here
    EXPECT_TRUE(RunTick(6000));
    EXPECT_EQ(settings.gameSpeed, 1);
    EXPECT_FALSE(RunTick(7000));
    EXPECT_TRUE(RunTick(7001));
    settings.gameSpeed = 100;
    EXPECT_TRUE(RunTick(8002));
    EXPECT_FALSE(RunTick(8012));
    EXPECT_TRUE(RunTick(8013));
}

TEST_F(ShellTest, TheLastSpeedKeyBeforeATickWins) {
    OnKeyboard('w', 0, 0);
    OnKeyboard('s', 0, 0);
    EXPECT_EQ(shell.speedChange, -3.0f);
    OnKeyboard('w', 0, 0);
    OnKeyboard('W', 0, 0);
    EXPECT_EQ(shell.speedChange, 2.0f) << "two presses are not +4";
    OnSpecialKey(GLUT_KEY_DOWN, 0, 0);
    EXPECT_EQ(shell.speedChange, -3.0f);
    OnKeyboard('S', 0, 0);
    OnSpecialKey(GLUT_KEY_UP, 0, 0);
    EXPECT_EQ(shell.speedChange, 2.0f);
    OnSpecialKey(GLUT_KEY_LEFT, 0, 0);
    EXPECT_EQ(shell.speedChange, 2.0f);

    const float speedBefore = world.GetBird().GetSpeed();
    ASSERT_TRUE(RunTick(1));
    EXPECT_EQ(shell.speedChange, 0.0f) << "applied once, then cleared";
    EXPECT_GT(world.GetBird().GetSpeed(), speedBefore);

    mainMenu.Show();
    OnKeyboard('w', 0, 0);
    ASSERT_TRUE(RunTick(100));
    EXPECT_EQ(shell.speedChange, 2.0f) << "kept while the game is paused";
}

TEST_F(ShellTest, KeysActOnTheMenusTheBirdAndTheActors) {
    OnKeyboard('g', 0, 0);
    EXPECT_EQ(world.freezeActors, 1);
    OnKeyboard('G', 0, 0);
    EXPECT_EQ(world.freezeActors, 1) << "upper-case G does nothing";
    OnKeyboard('g', 0, 0);
    EXPECT_EQ(world.freezeActors, 0);

    mainMenu.SetTitle("Mission Complete");
    OnKeyboard('M', 0, 0);
    EXPECT_TRUE(mainMenu.IsVisible());
    EXPECT_STREQ(mainMenu.GetTitle(), "Mission Complete") << "'m' keeps the title";
    OnKeyboard(13, 0, 0);
    EXPECT_FALSE(mainMenu.IsVisible());
    OnKeyboard(27, 0, 0);
    EXPECT_TRUE(mainMenu.IsVisible());
    EXPECT_STREQ(mainMenu.GetTitle(), "MAIN MENU");

    mainMenu.Hide();
    configMenu.Show();
    OnKeyboard(13, 0, 0);
    EXPECT_TRUE(configMenu.IsVisible()) << "Enter resumes only from the main menu";

    // Space drops poop even behind a menu; a left release only in play.
    RunTick(0); // counts the open menus
    const int poop = world.GetBird().GetPoop();
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
    OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, 10, 10);
    EXPECT_EQ(world.GetBird().GetPoop(), poop);
    OnKeyboard(' ', 0, 0);
    EXPECT_EQ(world.GetBird().GetPoop(), poop - 1);
    configMenu.Hide();
    RunTick(0);
    OnMouse(GLUT_RIGHT_BUTTON, GLUT_UP, 10, 10);
    EXPECT_EQ(world.GetBird().GetPoop(), poop - 1);
    OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, 10, 10);
    EXPECT_EQ(world.GetBird().GetPoop(), poop - 2);
    EXPECT_EQ(shell.mouseUp, 1);
    ASSERT_TRUE(RunTick(1));
    EXPECT_EQ(shell.mouseUp, 0) << "mouse flags last one tick";
    EXPECT_EQ(shell.mouseDown, 0);

    // Without a window, the second-view keys do nothing.
    OnKeyboard('2', 0, 0);
    EXPECT_EQ(shell.secondViewId, -1);
    EXPECT_EQ(world.GetBird().secondViewOpen, 0);
}

TEST_F(ShellTest, IntroHidesAtTheFirstTickFifteenSecondsAfterTheStart) {
    shell.startTime = 1000;
    mainMenu.Show();
    ASSERT_TRUE(RunTick(15999));
    EXPECT_EQ(shell.introHidden, 0);
    EXPECT_FALSE(RunTick(16000)) << "not due yet";
    EXPECT_EQ(shell.introHidden, 0);
    ASSERT_TRUE(RunTick(16016));
    EXPECT_EQ(shell.introHidden, 1);

    shell = ShellState{};
    shell.nextTickTime = 14999;
    ASSERT_TRUE(RunTick(15000));
    EXPECT_EQ(shell.introHidden, 1);
}

TEST_F(ShellTest, DeathAndTimeOutBringBackTheMainMenu) {
    world.GetBird().Damage(Bird::maxHealth);
    ASSERT_FALSE(world.GetBird().IsAlive());
    OnKeyboard('w', 0, 0);
    ASSERT_TRUE(RunTick(10));
    EXPECT_TRUE(mainMenu.IsVisible());
    EXPECT_STREQ(mainMenu.GetTitle(), "Ohhh you died!");
    EXPECT_EQ(shell.speedChange, 0.0f) << "the tick that shows the menu still updates the game";
    OnKeyboard(13, 0, 0); // resume: hides the menu until the next tick
    ASSERT_TRUE(RunTick(100));
    EXPECT_TRUE(mainMenu.IsVisible());

    world.GetBird().Reset();
    ASSERT_TRUE(world.GetBird().IsAlive());
    mainMenu.Hide();
    UseLevels("1 5 10 3 1\n");
    GameClock::SetTickTime(200);
    world.SetupLevel(1);
    ASSERT_TRUE(RunTick(1199));
    EXPECT_FALSE(mainMenu.IsVisible());
    ASSERT_TRUE(RunTick(1216)); // the first tick after the deadline
    EXPECT_TRUE(mainMenu.IsVisible());
    EXPECT_STREQ(mainMenu.GetTitle(), "Ohhh you took too long!");

    world.GetBird().Damage(Bird::maxHealth);
    mainMenu.SetTitle("MAIN MENU");
    ASSERT_TRUE(RunTick(1300));
    EXPECT_STREQ(mainMenu.GetTitle(), "Ohhh you took too long!") << "the second title wins";
}

TEST_F(ShellTest, ACompletedMissionSetsUpTheNextLevelInTheSameTick) {
    UseLevels("1 0 -1 0 100\n2 5 10 3 120\n");
    world.SetupLevel(1);
    mainMenu.Show();
    ASSERT_TRUE(RunTick(5));
    EXPECT_EQ(world.GetLevel(), 1) << "no update while paused";

    mainMenu.Hide();
    ASSERT_TRUE(RunTick(500));
    EXPECT_EQ(currentLevel, 2);
    EXPECT_EQ(world.GetLevel(), 2);
    EXPECT_TRUE(mainMenu.IsVisible());
    EXPECT_STREQ(mainMenu.GetTitle(), "Mission Complete");
    EXPECT_STREQ(mainMenu.GetMessage(), "New mission: Hit 10 Peds, 3 Cars and eat 5 fries");
    EXPECT_EQ(world.GetMission().GetPedsLeft(), 10);
    EXPECT_FLOAT_EQ(world.GetMission().GetTimeLeft(), 120.0f) << "the new deadline starts now";
}

TEST_F(ShellTest, MouseSteersFromTheWindowCentreWhateverTheWindowSize) {
    OnReshape(800, 600);
    EXPECT_EQ(world.GetViewWidth(), 800.0f);
    EXPECT_EQ(world.GetViewHeight(), 600.0f);
    EXPECT_EQ(mainMenu.GetX(), 160.0f);
    EXPECT_EQ(configMenu.GetY(), 150.0f);

    OnMouseMotion(400, 300);
    EXPECT_EQ(shell.steerX, 0.0f);
    EXPECT_EQ(shell.steerY, 0.0f);
    OnMouseMotion(0, 600);
    EXPECT_EQ(shell.steerX, -1.0f);
    EXPECT_EQ(shell.steerY, 1.0f);
    EXPECT_EQ(world.mousePosition.GetX(), 0.0f);
    EXPECT_EQ(world.mousePosition.GetY(), 300.0f) << "overlay y: from the middle, downwards";
    OnMouseMotion(600, 150);
    EXPECT_EQ(shell.steerX, 0.5f);
    EXPECT_EQ(shell.steerY, -0.5f);
    OnMouseMotion(-400, 5000); // a drag can leave the window
    EXPECT_EQ(shell.steerX, -1.0f);
    EXPECT_EQ(shell.steerY, 1.0f);

    OnReshape(0, 0);
    OnMouseMotion(10, 10);
    EXPECT_EQ(shell.steerX, 0.0f);
    EXPECT_EQ(shell.steerY, 0.0f);
    EXPECT_TRUE(std::isfinite(world.mousePosition.GetY()));
    ASSERT_TRUE(RunTick(1));
    EXPECT_TRUE(std::isfinite(world.GetBird().GetCenterX()));
}

// Presses and releases the left button over the middle of a menu item.
void ClickOn(const MenuItem& item) {
    const int x = static_cast<int>(item.GetX() + item.GetWidth() / 2.0f);
    const int y =
        static_cast<int>(item.GetY() + item.GetHeight() / 2.0f + shell.windowHeight / 2.0f);
    OnMouseMotion(x, y);
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
    OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
}

TEST_F(ShellTest, TheMainMenuActsOnAClickOneTickLaterTheConfigurationMenuAtOnce) {
    if (mainMenu.GetItemCount() == 0) {
        BuildMenus();
    }
    OnReshape(800, 800);
    mainMenu.Show();
    ASSERT_TRUE(RunTick(1));
    ClickOn(*mainMenu.GetItem(1)); // " RESUME  "
    ASSERT_TRUE(RunTick(100));
    EXPECT_TRUE(mainMenu.IsVisible()) << "it handled the flags of the tick before";
    ASSERT_TRUE(RunTick(200));
    EXPECT_FALSE(mainMenu.IsVisible());

    configMenu.Show();
    ASSERT_TRUE(RunTick(300));
    ClickOn(*configMenu.GetItem(5)); // " Main Menu "
    ASSERT_TRUE(RunTick(400));
    EXPECT_FALSE(configMenu.IsVisible());
    EXPECT_TRUE(mainMenu.IsVisible());
}

TEST_F(ShellTest, DrawTextIsWhiteAndStartsANewLineAtEachNewline) {
    world.SetViewSize(static_cast<float>(window[0]), static_cast<float>(window[1]));
    glClearColor(0, 0, 0, 1);
    glClearDepth(0.0); // as if the scene were right in front of the eye
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING); // neither lighting nor the colour before may tint it
    glColor3f(1.0f, 0.0f, 0.0f);
    world.Begin2D();
    DrawText(20.0f, -60.0f, "\n\nII");
    world.End2D();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING)) << "state is restored";
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);

    // The third line's baseline is 60 - 26 = 34 pixels above the middle.
    const int middle = window[1] / 2;
    const auto countWhite = [](const int x, const int y, const int w, const int h) {
        std::vector<GLubyte> pixels(static_cast<size_t>(w * h * 3));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, y, w, h, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        int white = 0;
        int other = 0;
        for (size_t i = 0; i < pixels.size(); i += 3) {
            if (pixels[i] == 255 && pixels[i + 1] == 255 && pixels[i + 2] == 255) {
                ++white;
            } else if (pixels[i] != 0 || pixels[i + 1] != 0 || pixels[i + 2] != 0) {
                ++other;
            }
        }
        return std::array<int, 2>{white, other};
    };
    const auto thirdLine = countWhite(20, middle + 34 - 3, 16, 16);
    EXPECT_GT(thirdLine[0], 10);
    EXPECT_EQ(thirdLine[1], 0) << "every lit pixel is white";
    const auto firstLines = countWhite(0, middle + 34 + 13, window[0], 60);
    EXPECT_EQ(firstLines[0] + firstLines[1], 0) << "the first two lines are empty";
}

} // namespace
