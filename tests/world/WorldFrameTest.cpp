#include "actors/Ped.h"
#include "shell/GameClock.h"
#include "shell/Globals.h"
#include "shell/Settings.h"
#include "shell/ShellTestSupport.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

// Last: X11 defines macros such as None and Bool.
#include <GL/glx.h>

namespace {

// The global World, initialised once with the game's city.
class WorldFrameTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        EnsureWorldReady();
        settings = Settings{};
        world.freezeActors = 0;
        GameClock::SetTickTime(0);
        world.GetMission().LoadLevels(
            WriteTempFile("levels.config", "1 5 10 3 120\n2 7 11 4 100\n").c_str());
    }
    void TearDown() override {
        world.freezeActors = 0;
        settings = Settings{};
    }
};

std::array<GLfloat, 16> Projection() {
    std::array<GLfloat, 16> m{};
    glGetFloatv(GL_PROJECTION_MATRIX, m.data());
    return m;
}

TEST_F(WorldFrameTest, OverlayOriginIsTheLeftEdgeAtTheVerticalMiddle) {
    const GLint viewport[4] = {0, 0, glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT)};
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    world.SetViewSize(static_cast<float>(viewport[2]), static_cast<float>(viewport[3]));
    GLint depthBefore = 0;
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depthBefore);
    const auto before = Projection();

    world.Begin2D();
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    GLfloat raster[4];
    glRasterPos2f(0.0f, 0.0f);
    glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
    EXPECT_FLOAT_EQ(raster[0], 0.0f);
    EXPECT_FLOAT_EQ(raster[1], static_cast<float>(viewport[3]) / 2.0f);
    glRasterPos2f(10.0f, 20.0f); // y grows downwards
    glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
    EXPECT_FLOAT_EQ(raster[0], 10.0f);
    EXPECT_FLOAT_EQ(raster[1], static_cast<float>(viewport[3]) / 2.0f - 20.0f);
    world.End2D();

    GLint depthAfter = 0;
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depthAfter);
    EXPECT_EQ(depthAfter, depthBefore);
    EXPECT_EQ(Projection(), before);

    world.SetViewSize(0.0f, 0.0f); // a window shrunk to nothing
    world.Begin2D();
    world.End2D();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(WorldFrameTest, DrawClosesEveryProfilerSection) {
    world.SetupLevel(1);
    world.Draw();
    for (int slot = TimeStats::Atmosphere; slot <= TimeStats::Osd; ++slot) {
        EXPECT_LT(timeStats.Total(slot), 1u << 30) << "slot " << slot << " left open";
    }
    world.DrawSecondView();
}

TEST_F(WorldFrameTest, LevelsReplaceTheActorsAndKeepTheBird) {
    world.GetBird().Reset();
    world.SetupLevel(1);
    EXPECT_EQ(world.GetLevel(), 1);
    world.GetBird().AddScore(40);
    world.GetBird().Damage(10.0f);
    const float health = world.GetBird().GetHealth();
    const size_t clouds = world.GetClouds().size();

    EXPECT_EQ(world.NextLevel(), 2);
    EXPECT_EQ(world.GetLevel(), 2);
    EXPECT_EQ(world.GetMission().GetPedsLeft(), 11);
    EXPECT_EQ(world.GetPeds().size(), 40u);
    EXPECT_EQ(world.GetCars().size(), 40u);
    EXPECT_EQ(world.GetFries().size(), 40u);
    EXPECT_EQ(world.GetClouds().size(), clouds + 10) << "clouds stay and ten more come";
    EXPECT_EQ(world.GetBird().GetScore(), 40);
    EXPECT_EQ(world.GetBird().GetHealth(), health);

    settings.showClouds = 0;
    world.SetupLevel(1);
    EXPECT_EQ(world.GetClouds().size(), clouds + 10);
    world.GetBird().Reset();
}

TEST_F(WorldFrameTest, FrozenActorsStayPutWhileTheBirdFlies) {
    world.SetupLevel(1);
    world.GetBird().Reset();
    world.GetBird().SetEye(5000.0f, 5000.0f, 1500.0f);
    world.GetBird().SetCenter(0.0f, 0.0f, 0.0f);
    world.GetBird().Accelerate(10.0f);
    const auto pedPositions = [] {
        std::vector<Point> positions;
        for (const auto& ped : world.GetPeds()) {
            positions.push_back(ped->GetBoundingBox().GetCenter());
        }
        return positions;
    };
    const std::vector<Point> before = pedPositions();
    const Point eye = world.GetBird().GetEye();
    world.freezeActors = 1;
    for (int i = 0; i < 5; ++i) {
        world.Update();
    }
    const std::vector<Point> after = pedPositions();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].GetX(), before[i].GetX());
        EXPECT_EQ(after[i].GetY(), before[i].GetY());
    }
    EXPECT_NE(world.GetBird().GetEye().GetX() + world.GetBird().GetEye().GetY() +
                  world.GetBird().GetEye().GetZ(),
              eye.GetX() + eye.GetY() + eye.GetZ())
        << "the bird still flies";

    world.freezeActors = 0;
    for (int i = 0; i < 5; ++i) {
        world.Update();
    }
    int moved = 0;
    const std::vector<Point> later = pedPositions();
    for (size_t i = 0; i < later.size(); ++i) {
        moved += later[i].GetX() != after[i].GetX() || later[i].GetY() != after[i].GetY();
    }
    EXPECT_GT(moved, 0);
    world.GetBird().Reset();
}

TEST_F(WorldFrameTest, GlobalsBuiltBeforeAnyContextExistsAreHarmless) {
    // The process-wide objects are constructed before main, with no window.
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    const GLXContext context = glXGetCurrentContext();
    ASSERT_TRUE(glXMakeCurrent(display, None, nullptr));
    {
        const auto fresh = std::make_unique<World>();
        DisplayListTable table;
        table.GenerateLists();
        EXPECT_EQ(table.NextListIndex(), 1u);
        EXPECT_EQ(table.ListFor(1), 0u) << "no names without a context";
    }
    ASSERT_TRUE(glXMakeCurrent(display, drawable, context));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
