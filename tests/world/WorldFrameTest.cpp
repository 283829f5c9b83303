#include "actors/Ped.h"
#include "base/GameClock.h"
#include "base/Settings.h"
#include "game/Globals.h"
#include "shell/ShellTestSupport.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdlib>
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
        GameClock::SetTickTime(0);
        world.GetMission().LoadLevels(
            WriteTempFile("levels.config", "1 5 10 3 120\n2 7 11 4 100\n").c_str());
        world.GetBird().Reset();
        world.SetupLevel(1);
    }
    void TearDown() override {
        world.freezeActors = 0;
        world.GetBird().Reset();
        settings = Settings{};
    }
};

std::vector<float> PedPlaces() {
    std::vector<float> places;
    for (const auto& ped : world.GetPeds()) {
        places.push_back(ped->GetBoundingBox().GetCenter().GetX());
        places.push_back(ped->GetBoundingBox().GetCenter().GetY());
    }
    return places;
}

TEST_F(WorldFrameTest, OverlayOriginIsTheLeftEdgeAtTheVerticalMiddle) {
    const int height = glutGet(GLUT_WINDOW_HEIGHT);
    glViewport(0, 0, glutGet(GLUT_WINDOW_WIDTH), height);
    world.SetViewSize(static_cast<float>(glutGet(GLUT_WINDOW_WIDTH)), static_cast<float>(height));
    const auto depthBefore = GlFloats<1>(GL_PROJECTION_STACK_DEPTH);
    const auto before = GlFloats(GL_PROJECTION_MATRIX);
    world.Begin2D();
    EXPECT_EQ(GlFloats<1>(GL_MATRIX_MODE)[0], GL_MODELVIEW);
    glRasterPos2f(0.0f, 0.0f);
    EXPECT_EQ(GlFloats<2>(GL_CURRENT_RASTER_POSITION), (std::array<GLfloat, 2>{0, height / 2.0f}));
    glRasterPos2f(10.0f, 20.0f); // y grows downwards
    EXPECT_EQ(GlFloats<2>(GL_CURRENT_RASTER_POSITION),
              (std::array<GLfloat, 2>{10, height / 2.0f - 20}));
    world.End2D();
    EXPECT_EQ(GlFloats<1>(GL_PROJECTION_STACK_DEPTH), depthBefore);
    EXPECT_EQ(GlFloats(GL_PROJECTION_MATRIX), before);

    world.SetViewSize(0.0f, 0.0f); // a window shrunk to nothing
    world.Begin2D();
    world.End2D();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(WorldFrameTest, DrawClosesEveryProfilerSection) {
    world.Draw();
    for (int slot = TimeStats::Atmosphere; slot <= TimeStats::Osd; ++slot) {
        EXPECT_LT(timeStats.Total(slot), 1u << 30) << "slot " << slot << " left open";
    }
    world.DrawSecondView();
}

TEST_F(WorldFrameTest, NextLevelKeepsTheBirdAndItsClouds) {
    world.GetBird().AddScore(40);
    world.GetBird().Damage(10.0f);
    const size_t clouds = world.GetClouds().size();
    EXPECT_EQ(world.NextLevel(), 2);
    EXPECT_EQ(world.GetClouds().size(), clouds + 10) << "clouds stay and ten more come";
    EXPECT_EQ(world.GetBird().GetScore(), 40);
    EXPECT_EQ(world.GetBird().GetHealth(), 90.0f);
    settings.showClouds = 0;
    world.SetupLevel(1);
    EXPECT_EQ(world.GetClouds().size(), clouds + 10);
}

// Restart after restart the sky fills up to the clouds of 30 set-ups and no
// further; a full sky still makes the draws of the clouds it turns away, so
// the rest of the random sequence stays as it was.
TEST_F(WorldFrameTest, TheSkyHoldsAtMostThreeHundredClouds) {
    while (world.GetClouds().size() < World::maxClouds) {
        world.SetupLevel(1);
    }
    EXPECT_EQ(world.GetClouds().size(), World::maxClouds);
    world.SetupLevel(1);
    world.NextLevel();
    EXPECT_EQ(world.GetClouds().size(), World::maxClouds);
    std::srand(11);
    world.SpawnCloud();
    const int afterRefusedCloud = std::rand();
    std::srand(11);
    for (int draw = 0; draw < 6; ++draw) {
        std::rand();
    }
    EXPECT_EQ(afterRefusedCloud, std::rand()) << "three radii and three coordinates drawn";
    world.ClearClouds();
}

TEST_F(WorldFrameTest, FrozenActorsStayPutWhileTheBirdFlies) {
    world.GetBird().SetEye(5000.0f, 5000.0f, 1500.0f);
    world.GetBird().SetCenter(0.0f, 0.0f, 0.0f);
    world.GetBird().Accelerate(10.0f);
    const std::vector<float> before = PedPlaces();
    const float eyeX = world.GetBird().GetEyeX();
    world.freezeActors = 1;
    for (int i = 0; i < 5; ++i) {
        world.Update();
    }
    EXPECT_EQ(PedPlaces(), before);
    EXPECT_NE(world.GetBird().GetEyeX(), eyeX) << "the bird still flies";
    world.freezeActors = 0;
    for (int i = 0; i < 5; ++i) {
        world.Update();
    }
    EXPECT_NE(PedPlaces(), before);
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
