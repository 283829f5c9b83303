#include "sound/GameSound.h"

#include "actors/Car.h"
#include "actors/Fries.h"
#include "actors/HandMadeMap.h"
#include "actors/Ped.h"
#include "base/GameClock.h"
#include "city/Building.h"
#include "city/Park.h"
#include "game/Commands.h"
#include "game/GameTick.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "shell/Input.h"
#include "shell/ShellTestSupport.h"
#include "sound/RecordingOutput.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

bool Same(const Point& a, const Point& b) {
    return a.GetX() == b.GetX() && a.GetY() == b.GetY() && a.GetZ() == b.GetZ();
}

// A 30 x 30 map of road and sidewalk with level 1 set up and the game's
// sound going to a recorder; the bird low over the middle, looking along +x,
// and one tick's update already run, so the world is playing.
class GameSoundTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        GameClock::SetTickTime(0);
        world = WorldOnMap(30, 30, CityMap::Sidewalk | CityMap::Road);
        ASSERT_TRUE(world->GetMission().LoadLevels(
            WriteTempFile("sound_levels.config", "1 5 10 3 120\n").c_str()));
        world->GetMission().SetupLevel(1);
        Bird& bird = world->GetBird();
        bird.SetEye(1500.0f, 1500.0f, 50.0f);
        bird.SetCenter(2500.0f, 1500.0f, 50.0f);
        auto output = std::make_unique<RecordingOutput>();
        out = output.get();
        gameSound.Attach(std::move(output));
        gameSound.Update(*world, false);
    }
    void TearDown() override {
        gameSound.Close();
        GameClock::SetTickTime(0);
    }

    // An object of the given kind, 100 high, over the cell below the bird.
    template <typename T> void RaiseUnderBird() {
        auto object = std::make_unique<T>();
        object->SetHeight(100.0f);
        CityMap& map = world->GetCityMap();
        map.Cells()[map.CellIndex(15, 15)].object = object.get();
        world->GetMapObjects().push_back(std::move(object));
    }

    // What the shell does with a tick's events: each goes to the sound.
    void HearWorld() {
        GameEvents events;
        world->TakeEvents(events);
        for (const GameEvent& event : events) {
            gameSound.Play(event);
        }
    }
    static void Hear(const GameEvent& event) { gameSound.Play(event); }
    // A drop as the shell makes it: the bird lets go, and the sound hears it.
    void Drop() {
        if (world->GetBird().DropPoop()) {
            Hear(GameEvent::Dropped(world->GetBird().GetEye()));
        }
    }

    std::vector<Point> EnginePlaces() const {
        std::vector<Point> places;
        for (int v = 0; v < GameSound::engineVoices; ++v) {
            const auto loop = out->loops.find(GameSound::firstEngineVoice + v);
            if (loop != out->loops.end()) {
                EXPECT_EQ(loop->second.sound, SoundId::Engine);
                EXPECT_FALSE(loop->second.onBird);
                places.push_back(loop->second.position);
            }
        }
        return places;
    }

    std::unique_ptr<World> world;
    RecordingOutput* out = nullptr;
};

} // namespace

TEST_F(GameSoundTest, EachEventPlaysItsSoundWhereItHappensAndDrawsNoRandomNumbers) {
    Bird& bird = world->GetBird();
    Ped* ped = AddActor<Ped>(world->GetPeds(), 500.0f, 600.0f);
    Car* car = AddActor<Car>(world->GetCars(), 900.0f, 800.0f);
    for (const Point& p : {Point(500, 600, 20), Point(900, 800, 20), Point(500, 600, 30)}) {
        bird.SetEye(p.GetX(), p.GetY(), p.GetZ());
        Drop();
    }
    EXPECT_EQ(out->onBird, std::vector<SoundId>(3, SoundId::Drop));
    world->CheckCollisions();
    HearWorld();
    // The second poop on the ped scores nothing, but it still lands with a splat.
    ASSERT_EQ(out->placed.size(), 3u);
    EXPECT_EQ(out->placed[0].first, SoundId::PedHit);
    EXPECT_TRUE(Same(out->placed[0].second, ped->GetPosition()));
    EXPECT_EQ(out->placed[1].first, SoundId::PedHit);
    EXPECT_EQ(out->placed[2].first, SoundId::CarHit);
    EXPECT_TRUE(Same(out->placed[2].second, car->GetPosition()));

    out->onBird.clear();
    for (const int kind : {Fries::KindPoop, Fries::KindWideView, Fries::KindNormalView}) {
        Fries* fries = AddActor<Fries>(world->GetFries(), 100.0f, 100.0f, 100.0f);
        fries->SetKind(kind);
        world->OnFriesEaten(fries);
    }
    HearWorld();
    EXPECT_EQ(out->onBird, (std::vector<SoundId>{SoundId::FriesPoop, SoundId::FriesWideView,
                                                 SoundId::FriesNormalView}));
    Hear(GameEvent::Acted(GameEvent::MainMenu, 0, {}));
    EXPECT_EQ(out->interface, std::vector<SoundId>{SoundId::Click});

    // Actors draw random numbers when they are made, the sound never.
    std::srand(77);
    const int expectedRandom = std::rand();
    std::srand(77);
    for (int tick = 0; tick < 30; ++tick) {
        Hear(GameEvent::PedHitAt(ped->GetPosition(), false));
        Hear(GameEvent::Eaten(tick % 3, {}));
        Hear(GameEvent::InsideOf(MapObject::KindPark, {}));
        gameSound.Update(*world, tick % 2 == 0);
    }
    EXPECT_EQ(std::rand(), expectedRandom) << "sound leaves the game's random sequence alone";
}

TEST_F(GameSoundTest, AMenuPausesTheWorldOnceAndSilencesItsEventsButNotTheInterface) {
    EXPECT_TRUE(out->pauses.empty()) << "the world was playing";
    gameSound.Update(*world, true);
    gameSound.Update(*world, true);
    EXPECT_EQ(out->pauses, std::vector<bool>{true});
    const int listenerUpdates = out->listenerUpdates;
    const auto loops = out->loops.size();

    Drop(); // Space works behind the menu
    Hear(GameEvent::PedHitAt(Point(1, 2, 3), false));
    Hear(GameEvent::CarHitAt(Point(1, 2, 3), false));
    Hear(GameEvent::Eaten(Fries::KindPoop, {}));
    Hear(GameEvent::Acted(GameEvent::MainMenu, 0, {}));
    Hear(GameEvent::Completed(2));
    Hear(GameEvent::InsideOf(MapObject::KindBuilding, {}));
    gameSound.Update(*world, true);
    EXPECT_TRUE(out->placed.empty());
    EXPECT_TRUE(out->onBird.empty());
    EXPECT_EQ(out->interface, (std::vector<SoundId>{SoundId::Click, SoundId::MissionComplete}));
    EXPECT_EQ(out->listenerUpdates, listenerUpdates) << "paused loops are left as they were";
    EXPECT_EQ(out->loops.size(), loops);

    gameSound.Update(*world, false);
    EXPECT_EQ(out->pauses, (std::vector<bool>{true, false}));
    EXPECT_EQ(out->loops.count(GameSound::crunchVoice), 0u)
        << "being inside a building while paused left no crunch behind";
}

TEST_F(GameSoundTest, TheListenerIsTheBirdAndTheWindFollowsItsSpeed) {
    Bird& bird = world->GetBird();
    // Looking up and to the right: the ears face along the heading, level.
    bird.SetCenter(1500.0f + 300.0f, 1500.0f + 400.0f, 1000.0f);
    gameSound.Update(*world, false);
    EXPECT_TRUE(Same(out->listener, bird.GetEye()));
    EXPECT_FLOAT_EQ(out->listenerHeading.GetX(), 0.6f);
    EXPECT_FLOAT_EQ(out->listenerHeading.GetY(), 0.8f);
    EXPECT_EQ(out->listenerHeading.GetZ(), 0.0f);
    // Straight down keeps the last heading.
    bird.SetCenter(1500.0f, 1500.0f, 0.0f);
    gameSound.Update(*world, false);
    EXPECT_FLOAT_EQ(out->listenerHeading.GetY(), 0.8f);

    const auto settle = [&] {
        for (int tick = 0; tick < 120; ++tick) {
            gameSound.Update(*world, false);
        }
        return out->loops.at(GameSound::windVoice);
    };
    const AudioOutput::Loop slow = settle();
    bird.Accelerate(95.0f);
    const AudioOutput::Loop fast = settle();
    EXPECT_TRUE(slow.onBird);
    EXPECT_EQ(fast.sound, SoundId::Wind);
    EXPECT_GT(fast.gain, 5.0f * slow.gain);
    EXPECT_GT(fast.pitch, slow.pitch);
    EXPECT_LE(fast.gain, 1.0f);
}

TEST_F(GameSoundTest, CrunchInsideABuildingAndChirpOverAParkLastWhileTheBirdIsThere) {
    // Through the collision pass, as in the game: the bird below the roof.
    RaiseUnderBird<Building>();
    for (int tick = 0; tick < 10; ++tick) {
        world->CheckCollisions();
        HearWorld();
        gameSound.Update(*world, false);
    }
    ASSERT_EQ(out->loops.count(GameSound::crunchVoice), 1u);
    EXPECT_EQ(out->loops.at(GameSound::crunchVoice).sound, SoundId::Crunch);
    EXPECT_GT(out->loops.at(GameSound::crunchVoice).gain, 0.5f);
    EXPECT_EQ(out->loops.count(GameSound::chirpVoice), 0u);

    // Out through the roof: the crunch fades within a few ticks, then stops once.
    world->GetBird().SetEye(1500.0f, 1500.0f, 150.0f);
    float last = out->loops.at(GameSound::crunchVoice).gain;
    for (int tick = 0; tick < 30; ++tick) {
        world->CheckCollisions();
        HearWorld();
        gameSound.Update(*world, false);
        if (out->loops.count(GameSound::crunchVoice) != 0) {
            EXPECT_LT(out->loops.at(GameSound::crunchVoice).gain, last);
            last = out->loops.at(GameSound::crunchVoice).gain;
        }
    }
    EXPECT_EQ(out->loops.count(GameSound::crunchVoice), 0u);
    EXPECT_EQ(std::count(out->stopped.begin(), out->stopped.end(), GameSound::crunchVoice), 1);

    RaiseUnderBird<Park>();
    world->GetBird().SetEye(1500.0f, 1500.0f, 50.0f);
    world->CheckCollisions();
    HearWorld();
    gameSound.Update(*world, false);
    ASSERT_EQ(out->loops.count(GameSound::chirpVoice), 1u);
    EXPECT_EQ(out->loops.at(GameSound::chirpVoice).sound, SoundId::Chirp);
}

TEST_F(GameSoundTest, TheNearestCarsHumAndEachHumFollowsItsCar) {
    // Six cars along the street east of the bird, one across the city.
    std::vector<Car*> cars;
    for (int i = 0; i < 6; ++i) {
        cars.push_back(AddActor<Car>(world->GetCars(), 1600.0f + 100.0f * i, 1500.0f));
    }
    AddActor<Car>(world->GetCars(), 2900.0f, 2900.0f);
    gameSound.Update(*world, false);
    std::vector<Point> places = EnginePlaces();
    ASSERT_EQ(places.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(std::any_of(places.begin(), places.end(),
                                [&](const Point& p) {
                                    return Same(p,
                                                cars[static_cast<std::size_t>(i)]->GetPosition());
                                }))
            << "car " << i;
    }

    // The nearest car drives on: its voice goes with it, the others stay put.
    const auto before = out->loops;
    cars[0]->SetPosition(Point(1550.0f, 1520.0f, 1.0f));
    gameSound.Update(*world, false);
    int moved = 0;
    for (const auto& [voice, loop] : out->loops) {
        if (voice >= GameSound::firstEngineVoice &&
            !Same(loop.position, before.at(voice).position)) {
            ++moved;
            EXPECT_TRUE(Same(loop.position, cars[0]->GetPosition()));
        }
    }
    EXPECT_EQ(moved, 1);

    // Every car beyond an engine's reach: the hums stop.
    for (Car* car : cars) {
        car->SetPosition(Point(100.0f, 2900.0f, 1.0f));
    }
    gameSound.Update(*world, false);
    EXPECT_TRUE(EnginePlaces().empty());
    EXPECT_EQ(out->stopped.size(), 4u);
}

TEST_F(GameSoundTest, EachEndOfTheGamePlaysItsJingleOnce) {
    Bird& bird = world->GetBird();
    const auto jingles = [&] {
        std::vector<SoundId> heard = out->interface;
        out->interface.clear();
        return heard;
    };
    // The end of each tick as the shell runs it: the end of the game it
    // notices, then the sound's update.
    GameOverWatch watch;
    const auto endTick = [&](const bool menuShown) {
        GameEvent ended;
        if (watch.Check(*world, ended)) {
            gameSound.Play(ended);
        }
        gameSound.Update(*world, menuShown);
    };
    // Dead: the menu shows at every tick from then on, the jingle once.
    bird.Damage(Bird::maxHealth);
    for (int tick = 0; tick < 60; ++tick) {
        endTick(tick > 0);
    }
    EXPECT_EQ(jingles(), std::vector<SoundId>{SoundId::Died});

    // The time runs out while the bird lies dead: that title takes over, and its jingle plays.
    GameClock::SetTickTime(200000);
    endTick(true);
    endTick(true);
    EXPECT_EQ(jingles(), std::vector<SoundId>{SoundId::TimeUp});

    // A new game, then both at once: only the title shown, time up, is heard.
    bird.Reset();
    world->GetMission().SetupLevel(1);
    endTick(false);
    EXPECT_TRUE(jingles().empty());
    bird.Damage(Bird::maxHealth);
    GameClock::SetTickTime(400000);
    endTick(false);
    endTick(true);
    EXPECT_EQ(jingles(), std::vector<SoundId>{SoundId::TimeUp});
}

TEST_F(GameSoundTest, AMenuControlClicksWhenItActsNotWhenHovered) {
    Menu menu;
    menu.AddButton(" RESUME  ", nullptr);
    menu.AddCheckBox("Show trees", &settings.showTrees);
    menu.SetX(160);
    menu.SetY(150);
    menu.Show();
    for (int item = 0; item < 2; ++item) {
        for (const int up : {0, 1}) {
            menu.SetMousePosition(menu.GetItem(item)->GetX() + 5.0f,
                                  menu.GetItem(item)->GetY() + 5.0f);
            menu.SetMouseFlags(0, 0, up);
            if (menu.HandleMouse() != Menu::noItem) {
                Hear(GameEvent::Acted(GameEvent::MainMenu, item, {}));
            }
        }
    }
    settings.showTrees = 1;
    EXPECT_EQ(out->interface, (std::vector<SoundId>{SoundId::Click, SoundId::Click}));
}

TEST_F(GameSoundTest, TheShellPlaysTheMissionJingleAndTheMuteKeyTogglesTheLevel) {
    EnsureWorldReady();
    mainMenu.Hide();
    configMenu.Hide();
    shell = ShellState{};
    shell.menuOpen = 0;
    world->GetBird().Reset();
    ::world.GetBird().Reset();
    ::world.GetBird().SetEye(5000.0f, 5000.0f, 1500.0f);
    ::world.GetMission().LoadLevels(
        WriteTempFile("sound_done.config", "1 0 0 0 120\n2 5 5 5 120\n").c_str());
    ::world.SetupLevel(1);
    ASSERT_TRUE(RunTick(1000).ran);
    EXPECT_EQ(out->interface, std::vector<SoundId>{SoundId::MissionComplete});
    EXPECT_TRUE(mainMenu.IsVisible());
    EXPECT_EQ(out->pauses.back(), true) << "the mission menu pauses the world";
    mainMenu.Hide();

    gameSound.SetVolume(40);
    OnKeyboard('n', 0, 0);
    EXPECT_TRUE(gameSound.IsMuted());
    OnKeyboard('N', 0, 0);
    EXPECT_FALSE(gameSound.IsMuted());
    gameSound.SetVolume(250);
    EXPECT_EQ(out->gains, (std::vector<float>{1.0f, 0.4f, 0.0f, 0.4f, 1.0f}));
}
