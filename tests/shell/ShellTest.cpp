#include "base/DrawText.h"
#include "base/GameClock.h"
#include "base/Settings.h"
#include "game/Commands.h"
#include "game/GameTick.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "shell/Input.h"
#include "shell/ShellTestSupport.h"
#include "shell/Windows.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

// The shell driven as GLUT would drive it, with a set clock: every test starts
// with level 1 set up (5 fries, 10 peds, 3 cars, 120 s), a fresh bird high
// above the city (where nothing below changes its health), no menu and no tick
// run yet.
class ShellTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        EnsureWorldReady();
        shell = ShellState{};
        settings = Settings{};
        mainMenu.Hide();
        configMenu.Hide();
        world.freezeActors = 0;
        UseLevels("1 5 10 3 120\n2 7 11 4 100\n");
        GameClock::SetTickTime(0);
        world.GetBird().SetEye(5000.0f, 5000.0f, 1500.0f);
        world.GetBird().SetCenter(0.0f, 0.0f, 0.0f);
        world.GetBird().Reset();
        world.SetupLevel(1);
    }
    void TearDown() override {
        mainMenu.Hide();
        world.GetBird().Reset();
        settings = Settings{};
        GameClock::SetTickTime(0);
    }
    static void UseLevels(const std::string& table) {
        world.GetMission().LoadLevels(WriteTempFile("levels.config", table).c_str());
    }
};

TEST_F(ShellTest, TicksRunOnlyAfterTheirDeadlineAtLeastOneASecond) {
    mainMenu.Show(); // paused: only the timing matters here
    std::string ran;
    for (unsigned int now = 0; now <= 1000; ++now) {
        if (RunTick(now).ran) {
            ran += std::to_string(now) + " ";
        }
        ASSERT_EQ(GameClock::TickTime(), now);
    }
    // At speed 60 a tick is due 16 ms after the last one ran: 59 in the first second.
    std::string expected;
    for (int i = 0; i < 59; ++i) {
        expected += std::to_string(1 + 17 * i) + " ";
    }
    EXPECT_EQ(ran, expected);
    // A late idle call: the next deadline counts from when the tick ran.
    struct Call {
        unsigned int now;
        bool runs;
        int speed; // set before the call; -1 leaves it
    };
    // A speed of 0 (the slider can get there) ticks once a second.
    for (const Call c : {Call{5000, true, -1}, Call{5016, false, -1}, Call{5017, true, -1},
                         Call{6000, true, 0}, Call{7000, false, -1}, Call{7001, true, -1},
                         Call{8002, true, 100}, Call{8012, false, -1}, Call{8013, true, -1}}) {
        if (c.speed >= 0) {
            settings.gameSpeed = static_cast<uint16_t>(c.speed);
        }
        EXPECT_EQ(RunTick(c.now).ran, c.runs) << c.now;
    }
    EXPECT_EQ(settings.gameSpeed, 100);
}

TEST_F(ShellTest, KeysActOnTheSpeedTheMenusTheBirdAndTheActors) {
    // The last speed key before a tick wins; two presses are not +4.
    for (const unsigned char key : {'w', 's', 'w', 'W'}) {
        OnKeyboard(key, 0, 0);
    }
    EXPECT_EQ(shell.speedChange, 2.0f);
    OnSpecialKey(GLUT_KEY_DOWN, 0, 0);
    OnSpecialKey(GLUT_KEY_LEFT, 0, 0);
    EXPECT_EQ(shell.speedChange, -3.0f);
    OnSpecialKey(GLUT_KEY_UP, 0, 0);
    ASSERT_TRUE(RunTick(1).ran);
    EXPECT_EQ(shell.speedChange, 0.0f) << "applied once, then cleared";
    EXPECT_GT(world.GetBird().GetSpeed(), 1.5f); // 2, and what the first dive adds

    const std::string toggles = "gGg";
    std::string frozen;
    for (const char key : toggles) {
        OnKeyboard(static_cast<unsigned char>(key), 0, 0);
        frozen += std::to_string(world.freezeActors);
    }
    EXPECT_EQ(frozen, "110") << "upper-case G does nothing";

    mainMenu.SetTitle("Mission Complete");
    OnKeyboard('M', 0, 0);
    EXPECT_TRUE(mainMenu.IsVisible());
    EXPECT_STREQ(mainMenu.GetTitle(), "Mission Complete") << "'m' keeps the title";
    OnKeyboard(13, 0, 0);
    EXPECT_FALSE(mainMenu.IsVisible());
    OnKeyboard(27, 0, 0);
    EXPECT_STREQ(mainMenu.GetTitle(), "MAIN MENU");
    mainMenu.Hide();
    configMenu.Show();
    OnKeyboard(13, 0, 0);
    EXPECT_TRUE(configMenu.IsVisible()) << "Enter resumes only from the main menu";

    // Space drops poop even behind a menu; a left release only in play.
    RunTick(0); // counts the open menus
    const int poop = world.GetBird().GetPoop();
    OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, 10, 10);
    OnKeyboard(' ', 0, 0);
    EXPECT_EQ(world.GetBird().GetPoop(), poop - 1);
    configMenu.Hide();
    RunTick(0);
    OnMouse(GLUT_RIGHT_BUTTON, GLUT_UP, 10, 10);
    OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, 10, 10);
    EXPECT_EQ(world.GetBird().GetPoop(), poop - 2);
    ASSERT_TRUE(RunTick(100).ran);
    EXPECT_EQ(shell.mouseUp, 0) << "mouse flags last one tick";

    // Without a game window the second view opens for the game (its parks
    // plant their trees), but no window opens.
    OnKeyboard('2', 0, 0);
    EXPECT_EQ(world.GetBird().secondViewOpen, 1);
    EXPECT_EQ(shell.secondViewId, -1);
    OnKeyboard('1', 0, 0);
    EXPECT_EQ(world.GetBird().secondViewOpen, 0);
}

TEST_F(ShellTest, IntroHidesAtTheFirstTickFifteenSecondsAfterTheStart) {
    shell.startTime = 1000;
    mainMenu.Show();
    ASSERT_TRUE(RunTick(15999).ran);
    EXPECT_FALSE(RunTick(16000).ran) << "not due yet";
    EXPECT_EQ(shell.introHidden, 0);
    ASSERT_TRUE(RunTick(16016).ran);
    EXPECT_EQ(shell.introHidden, 1);
    shell = ShellState{};
    shell.nextTickTime = 14999;
    ASSERT_TRUE(RunTick(15000).ran); // exactly at 15000 ms
    EXPECT_EQ(shell.introHidden, 1);
}

TEST_F(ShellTest, DeathTimeOutAndACompletedMissionEachShowTheirTitle) {
    world.GetBird().Damage(Bird::maxHealth);
    ASSERT_TRUE(RunTick(10).ran);
    EXPECT_TRUE(mainMenu.IsVisible());
    EXPECT_STREQ(mainMenu.GetTitle(), "Ohhh you died!");
    OnKeyboard(13, 0, 0); // resume: the next tick shows the menu again
    ASSERT_TRUE(RunTick(100).ran);
    EXPECT_TRUE(mainMenu.IsVisible());

    world.GetBird().Reset();
    mainMenu.Hide();
    UseLevels("1 5 10 3 1\n");
    GameClock::SetTickTime(200);
    world.SetupLevel(1);
    ASSERT_TRUE(RunTick(1199).ran);
    EXPECT_FALSE(mainMenu.IsVisible());
    ASSERT_TRUE(RunTick(1216).ran); // the first tick after the deadline
    EXPECT_STREQ(mainMenu.GetTitle(), "Ohhh you took too long!");
    world.GetBird().Damage(Bird::maxHealth);
    ASSERT_TRUE(RunTick(1300).ran);
    EXPECT_STREQ(mainMenu.GetTitle(), "Ohhh you took too long!") << "the second title wins";

    world.GetBird().Reset();
    UseLevels("1 0 -1 0 100\n2 5 10 3 120\n");
    world.SetupLevel(1);
    ASSERT_TRUE(RunTick(1400).ran);
    EXPECT_EQ(world.GetLevel(), 1) << "no update while paused";
    mainMenu.Hide();
    ASSERT_TRUE(RunTick(1500).ran);
    EXPECT_EQ(currentLevel, 2);
    EXPECT_EQ(world.GetLevel(), 2);
    EXPECT_STREQ(mainMenu.GetTitle(), "Mission Complete");
    EXPECT_STREQ(mainMenu.GetMessage(), "New mission: Hit 10 Peds, 3 Cars and eat 5 fries");
    EXPECT_FLOAT_EQ(world.GetMission().GetTimeLeft(), 120.0f) << "the new deadline starts now";
}

TEST_F(ShellTest, MouseSteersFromTheWindowCentreWhateverTheWindowSize) {
    OnReshape(800, 600);
    EXPECT_EQ((std::vector<float>{world.GetViewWidth(), world.GetViewHeight(), mainMenu.GetX(),
                                  configMenu.GetY()}),
              (std::vector<float>{800, 600, 160, 150}));
    struct Move {
        int x, y;
        float steerX, steerY;
    };
    // A drag can leave the window: steering stays within -1..1.
    for (const Move m : {Move{400, 300, 0, 0}, Move{0, 600, -1, 1}, Move{600, 150, 0.5f, -0.5f},
                         Move{-400, 5000, -1, 1}}) {
        OnMouseMotion(m.x, m.y);
        EXPECT_EQ(shell.steerX, m.steerX) << m.x;
        EXPECT_EQ(shell.steerY, m.steerY) << m.y;
    }
    OnMouseMotion(0, 600);
    EXPECT_EQ(world.mousePosition.GetY(), 300.0f) << "overlay y: from the middle, downwards";

    OnReshape(0, 0);
    OnMouseMotion(10, 10);
    EXPECT_EQ(shell.steerX + shell.steerY, 0.0f);
    EXPECT_TRUE(std::isfinite(world.mousePosition.GetY()));
    ASSERT_TRUE(RunTick(1).ran);
    EXPECT_TRUE(std::isfinite(world.GetBird().GetCenterX()));
    OnReshape(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
}

TEST_F(ShellTest, DrawTextIsWhiteAndStartsANewLineAtEachNewline) {
    const int width = glutGet(GLUT_WINDOW_WIDTH);
    const int middle = glutGet(GLUT_WINDOW_HEIGHT) / 2;
    OnReshape(width, 2 * middle);
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
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_DEPTH_TEST)) << "state is restored";
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    // The third line's baseline is 60 - 26 = 34 pixels above the middle: white
    // text on black there, and nothing at all on the first two lines.
    const auto colours = [](const std::vector<Rgb>& pixels) {
        return std::set<Rgb>(pixels.begin(), pixels.end());
    };
    EXPECT_EQ(colours(ReadPixels(20, middle + 31, 16, 16)),
              (std::set<Rgb>{{0, 0, 0}, {255, 255, 255}}));
    EXPECT_EQ(colours(ReadPixels(0, middle + 47, width, 60)), (std::set<Rgb>{{0, 0, 0}}));
}

} // namespace
