// The two renderers and the seed: the same --seed gives the same city and
// population, and the batched renderer draws the same picture as the
// straightforward one, object by object.

#include "actors/Car.h"
#include "actors/Ped.h"
#include "base/DrawText.h"
#include "base/GameClock.h"
#include "base/Settings.h"
#include "city/MapObject.h"
#include "game/Game.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "render/BatchedRenderer.h"
#include "render/ClassicRenderer.h"
#include "shell/ShellTestSupport.h"
#include "shell/Windows.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <vector>

namespace {

constexpr int channelTolerance = 8;
constexpr double differingShare = 0.005;

class RendererTest : public GlTest {
protected:
    // The game reads textures/ and config/ from its working directory.
    void SetUp() override {
        GlTest::SetUp();
        settings = Settings{};
        GameClock::SetTickTime(0);
        std::filesystem::current_path(GULLMAR_BUILD_DIR);
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        settings = Settings{};
        glDisable(GL_LIGHTING);
        glDisable(GL_LIGHT0);
        glDisable(GL_CULL_FACE);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_COLOR_MATERIAL);
        glDisable(GL_NORMALIZE);
    }

    std::filesystem::path previous = std::filesystem::current_path();
};

// A game as start-up builds it, seeded from the command line.
std::unique_ptr<World> SeededGame(const char* seedOption) {
    ParseArguments({seedOption});
    auto game = std::make_unique<World>();
    game->LoadTextures();
    BuildGame(*game);
    return game;
}

struct ObjectExtent {
    int kind;
    float minX, minY, maxX, maxY, height;
    bool operator==(const ObjectExtent&) const = default;
};

std::vector<ObjectExtent> Extents(World& game) {
    std::vector<ObjectExtent> extents;
    for (const auto& object : game.GetMapObjects()) {
        extents.push_back({object->GetKind(), object->GetMinX(), object->GetMinY(),
                           object->GetMaxX(), object->GetMaxY(), object->GetHeight()});
    }
    return extents;
}

std::vector<int> Flags(World& game) {
    std::vector<int> flags;
    const CityMap& map = game.GetCityMap();
    for (int x = 0; x < map.GetWidth(); ++x) {
        for (int y = 0; y < map.GetHeight(); ++y) {
            flags.push_back(map.FlagsAt(x, y));
        }
    }
    return flags;
}

std::vector<float> PedPlaces(World& game) {
    std::vector<float> places;
    for (const auto& ped : game.GetPeds()) {
        places.push_back(ped->GetBoundingBox().GetCenter().GetX());
        places.push_back(ped->GetBoundingBox().GetCenter().GetY());
    }
    return places;
}

TEST_F(RendererTest, TheSameSeedGivesTheSameCityTreesAndPopulation) {
    const auto first = SeededGame("--seed=4242");
    const auto second = SeededGame("--seed=4242");
    EXPECT_EQ(settings.seed, 4242);
    EXPECT_EQ(Flags(*first), Flags(*second));
    EXPECT_EQ(Extents(*first), Extents(*second));
    // The trees draw from the generator between the city and the
    // population, so equal populations also mean equal trees.
    EXPECT_EQ(PedPlaces(*first), PedPlaces(*second));
    EXPECT_GT(first->GetMapObjects().size(), 100u);

    const auto other = SeededGame("--seed=4243");
    EXPECT_NE(Flags(*first), Flags(*other)) << "another seed, another city";
}

// Draws a whole frame of the game as OnDisplay does and reads it back.
std::vector<Rgb> DrawFrame(World& game, Renderer& renderer) {
    renderer.SceneryCompiled(game);
    const int width = glutGet(GLUT_WINDOW_WIDTH);
    const int height = glutGet(GLUT_WINDOW_HEIGHT);
    glViewport(0, 0, width, height);
    game.SetViewSize(static_cast<float>(width), static_cast<float>(height));
    // The HUD takes its places from the view size; the hit flash, white over
    // everything until the first tick, goes as a tick would hide it.
    game.UpdateHUD();
    game.GetHitFlash().Hide();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_NORMALIZE);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    // Two frames: the first places the bird's light for the second.
    for (int frame = 0; frame < 2; ++frame) {
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        renderer.DrawWorld(game);
    }
    glFinish();
    return ReadPixels(0, 0, width, height);
}

double DifferingShare(const std::vector<Rgb>& a, const std::vector<Rgb>& b) {
    size_t differing = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        for (int channel = 0; channel < 3; ++channel) {
            if (std::abs(a[i][channel] - b[i][channel]) > channelTolerance) {
                ++differing;
                break;
            }
        }
    }
    return static_cast<double>(differing) / static_cast<double>(a.size());
}

// Puts the eye low over the first park, looking down at its middle, so that
// its trees fill the view.
void LookAtAPark(World& game) {
    for (const auto& object : game.GetMapObjects()) {
        if (object->GetKind() == MapObject::KindPark) {
            const float midX = (object->GetMinX() + object->GetMaxX()) / 2.0f;
            const float midY = (object->GetMinY() + object->GetMaxY()) / 2.0f;
            game.GetBird().SetEye(midX, midY - 120.0f, 260.0f);
            game.GetBird().SetCenter(midX, midY, 0.0f);
            return;
        }
    }
    FAIL() << "a city without parks";
}

// Puts the eye close to the first car, looking at it from above and behind.
void LookAtACar(World& game) {
    const Point car = game.GetCars().front()->GetBoundingBox().GetCenter();
    game.GetBird().SetEye(car.GetX() - 60.0f, car.GetY() - 70.0f, car.GetZ() + 60.0f);
    game.GetBird().SetCenter(car.GetX(), car.GetY(), car.GetZ());
}

// Puts the eye close to the first pedestrian.
void LookAtAPed(World& game) {
    const Point ped = game.GetPeds().front()->GetBoundingBox().GetCenter();
    game.GetBird().SetEye(ped.GetX() - 25.0f, ped.GetY() - 30.0f, ped.GetZ() + 40.0f);
    game.GetBird().SetCenter(ped.GetX(), ped.GetY(), ped.GetZ());
}

// Flies level over the city towards its far corner: the sky's walls and
// ceiling fill the top half of the view.
void LookAtTheHorizon(World& game) {
    game.GetBird().SetEye(1500.0f, 2000.0f, 1400.0f);
    game.GetBird().SetCenter(6000.0f, 7000.0f, 1300.0f);
}

// The sky of a late level, 300 clouds, seen from inside the cloud layer.
// Seeded here, so that both games get the same clouds.
void LookThroughManyClouds(World& game) {
    std::srand(30);
    while (game.GetClouds().size() < World::maxClouds) {
        game.SetupLevel(1);
    }
    game.GetBird().SetEye(2500.0f, 3000.0f, 1500.0f);
    game.GetBird().SetCenter(6000.0f, 6500.0f, 1200.0f);
}

TEST_F(RendererTest, BothRenderersDrawTheSamePicture) {
    using Place = void (*)(World&);
    const Place places[] = {[](World&) {}, LookAtAPark,      LookAtACar,
                            LookAtAPed,    LookAtTheHorizon, LookThroughManyClouds};
    const char* names[] = {"from the start position", "over a park",         "beside a car",
                           "beside a pedestrian",     "towards the horizon", "through 300 clouds"};
    for (int view = 0; view < 6; ++view) {
        // Two games from one seed: drawing moves the peds' limbs, so each
        // renderer gets a game of its own in the same state.
        const auto straightforward = SeededGame("--seed=77");
        const auto batched = SeededGame("--seed=77");
        places[view](*straightforward);
        places[view](*batched);
        ClassicRenderer classic;
        BatchedRenderer batchedRenderer;
        const std::vector<Rgb> expected = DrawFrame(*straightforward, classic);
        const std::vector<Rgb> actual = DrawFrame(*batched, batchedRenderer);
        EXPECT_LE(DifferingShare(expected, actual), differingShare) << names[view];
        // Not a blank picture that would match anything.
        const std::set<Rgb> colours(actual.begin(), actual.end());
        EXPECT_GT(colours.size(), 100u);
    }
}

} // namespace

namespace {

TEST_F(RendererTest, TheIntroTextFromItsTextureIsTheBitmapText) {
    const int width = glutGet(GLUT_WINDOW_WIDTH);
    const int height = glutGet(GLUT_WINDOW_HEIGHT);
    glViewport(0, 0, width, height);
    world.SetViewSize(static_cast<float>(width), static_cast<float>(height));
    const char* text = "Welcome!\n\nW / S: faster, slower\n  gjpqy|@#";
    const auto frame = [&](Renderer& renderer) {
        renderer.PrepareText(20.0f, -60.0f, text, width, height);
        glClearColor(0.2f, 0.3f, 0.4f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        world.Begin2D();
        renderer.DrawText(20.0f, -60.0f, text);
        world.End2D();
        glFinish();
        return ReadPixels(0, 0, width, height);
    };
    ClassicRenderer classic;
    BatchedRenderer batched;
    const std::vector<Rgb> bitmap = frame(classic);
    const std::vector<Rgb> cached = frame(batched);
    EXPECT_EQ(bitmap, cached);
    const std::set<Rgb> colours(cached.begin(), cached.end());
    EXPECT_EQ(colours.size(), 2u) << "the background and white text";
    // The second frame shows the texture made for the first.
    EXPECT_EQ(frame(batched), bitmap);
}

} // namespace
