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
#include "game/GameMenus.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "legacygl/EsGl.h"
#include "legacygl/Gl.h"
#include "legacygl/NativeGl.h"
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
#include <string>
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

// Draws a whole frame of the game as OnDisplay does and reads it back: the
// world, and with `overlay` the menus and the intro text over it, or the
// second view. Every call goes through the game's table, to the driver or to
// the layer.
enum class Overlay { None, MenusAndIntro, SecondView };
std::vector<Rgb> DrawFrame(World& game, Renderer& renderer, const Overlay overlay = Overlay::None) {
    renderer.SceneryCompiled(game);
    const int width = glutGet(GLUT_WINDOW_WIDTH);
    const int height = glutGet(GLUT_WINDOW_HEIGHT);
    gl::Viewport(0, 0, width, height);
    game.SetViewSize(static_cast<float>(width), static_cast<float>(height));
    // The HUD takes its places from the view size; the hit flash, white over
    // everything until the first tick, goes as a tick would hide it.
    game.UpdateHUD();
    game.GetHitFlash().Hide();
    gl::Enable(GL_DEPTH_TEST);
    gl::Enable(GL_NORMALIZE);
    gl::Enable(GL_LIGHTING);
    gl::Enable(GL_LIGHT0);
    constexpr const char* intro = "Welcome to the city!\nW / S: faster, slower  gjpqy|@#";
    // Two frames: the first places the bird's light for the second.
    for (int frame = 0; frame < 2; ++frame) {
        gl::MatrixMode(GL_MODELVIEW);
        gl::LoadIdentity();
        gl::Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        if (overlay == Overlay::SecondView) {
            renderer.DrawSecondView(game);
            continue;
        }
        renderer.DrawWorld(game);
        if (overlay == Overlay::MenusAndIntro) {
            renderer.PrepareText(introX, introY, intro, width, height);
            game.Begin2D();
            mainMenu.Draw();
            configMenu.Draw();
            renderer.DrawText(introX, introY, intro);
            game.End2D();
        }
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

using Place = void (*)(World&);
constexpr Place places[] = {[](World&) {}, LookAtAPark,      LookAtACar,
                            LookAtAPed,    LookAtTheHorizon, LookThroughManyClouds};
constexpr const char* names[] = {
    "from the start position", "over a park",         "beside a car",
    "beside a pedestrian",     "towards the horizon", "through 300 clouds"};

TEST_F(RendererTest, BothRenderersDrawTheSamePicture) {
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

// The layer on OpenGL ES 2 draws what the driver's fixed function draws: the
// views above, a frame with the HUD, the radar, both menus and the intro
// text, and the second view, with each renderer.
TEST_F(RendererTest, TheLayerOnOpenGlEs2DrawsWhatTheDriverDraws) {
    if (mainMenu.GetItemCount() == 0) {
        BuildMenus();
    }
    mainMenu.SetX(40);
    mainMenu.SetY(40);
    configMenu.SetX(40);
    configMenu.SetY(40);
    struct Frame {
        std::string name;
        Place place;
        Overlay overlay;
        bool classic;
        bool flat = false;
    };
    // From below the city's floor the sky's walls under the ground would show
    // but for the clip plane (batched renderer).
    const Place underTheGround = [](World& game) {
        game.GetBird().SetEye(300.0f, 400.0f, -40.0f);
        game.GetBird().SetCenter(5000.0f, 5400.0f, -300.0f);
    };
    std::vector<Frame> frames;
    for (const bool classic : {true, false}) {
        for (int view = 0; view < 6; ++view) {
            frames.push_back({names[view], places[view], Overlay::None, classic});
        }
        frames.push_back({"over a park, flat shaded", LookAtAPark, Overlay::None, classic, true});
        frames.push_back({"beside a car, flat shaded", LookAtACar, Overlay::None, classic, true});
        frames.push_back({"under the ground", underTheGround, Overlay::None, classic});
        frames.push_back(
            {"HUD, radar, menus and intro text", places[0], Overlay::MenusAndIntro, classic});
        frames.push_back({"the second view", LookAtAPark, Overlay::SecondView, classic});
    }
    const auto draw = [](const Frame& frame) {
        settings.shadingModel = frame.flat ? Settings::flatShading : Settings::smoothShading;
        const auto game = SeededGame("--seed=77");
        frame.place(*game);
        ClassicRenderer classic;
        BatchedRenderer batched;
        Renderer& renderer = frame.classic ? static_cast<Renderer&>(classic) : batched;
        return DrawFrame(*game, renderer, frame.overlay);
    };
    std::vector<std::vector<Rgb>> native;
    for (const Frame& frame : frames) {
        native.push_back(draw(frame));
    }
    UseEsGl();
    for (size_t i = 0; i < frames.size(); ++i) {
        const std::vector<Rgb> layer = draw(frames[i]);
        EXPECT_LE(DifferingShare(native[i], layer), differingShare)
            << frames[i].name << (frames[i].classic ? ", classic" : ", batched");
        const std::set<Rgb> colours(layer.begin(), layer.end());
        EXPECT_GT(colours.size(), 30u) << frames[i].name;
    }
    UseNativeGl();
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
