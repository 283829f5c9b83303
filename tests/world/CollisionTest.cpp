#include "actors/Car.h"
#include "actors/Fries.h"
#include "actors/HandMadeMap.h"
#include "actors/Ped.h"
#include "city/Building.h"
#include "city/Park.h"
#include "hud/HitFlash.h"
#include "shell/ShellTestSupport.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <initializer_list>

namespace {

// A 30 x 30 map of road and sidewalk with level 1 (10 peds, 3 cars, 5 fries)
// set up. Map objects go through GLUT when they are destroyed, so these tests
// have a context like the game has.
class CollisionTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        std::srand(12);
        world = WorldOnMap(30, 30, CityMap::Sidewalk | CityMap::Road);
        ASSERT_TRUE(world->GetMission().LoadLevels(
            WriteTempFile("collision_levels.config", "1 5 10 3 120\n").c_str()));
        world->GetMission().SetupLevel(1);
    }

    // Poop let go at each point, then one collision pass.
    void PoopAt(const std::initializer_list<Point> points) {
        for (const Point& p : points) {
            world->GetBird().SetEye(p.GetX(), p.GetY(), p.GetZ());
            world->GetBird().DropPoop();
        }
        world->CheckCollisions();
    }

    // An object of the given kind and height over cell (x, y).
    template <typename T> void Raise(const int x, const int y, const float height) {
        auto object = std::make_unique<T>();
        object->SetHeight(height);
        CityMap& map = world->GetCityMap();
        map.Cells()[map.CellIndex(x, y)].object = object.get();
        world->GetMapObjects().push_back(std::move(object));
    }

    void ExpectFlash(const float r, const float g) {
        const Gauge& flash = world->GetHitFlash();
        EXPECT_TRUE(flash.IsVisible());
        const Color c = flash.GetStartColor();
        EXPECT_EQ((std::array<float, 4>{c.r, c.g, c.b, c.a}),
                  (std::array<float, 4>{r, g, 0, 0.5f}));
    }

    std::unique_ptr<World> world;
};

} // namespace

TEST_F(CollisionTest, PoopHitsOneActorOnlyAndOnlyFirstHitsScore) {
    Bird& bird = world->GetBird();
    Mission& mission = world->GetMission();
    Ped* first = AddActor<Ped>(world->GetPeds(), 500.0f, 500.0f);
    Ped* second = AddActor<Ped>(world->GetPeds(), 500.0f, 500.0f);
    Ped* third = AddActor<Ped>(world->GetPeds(), 800.0f, 800.0f);
    PoopAt({Point(500, 500, 20), Point(800, 800, 20),
            Point(2500, 2500, 500)}); // the last over nothing
    EXPECT_EQ(first->GetHitCount(), 1);
    EXPECT_EQ(second->GetHitCount(), 0) << "the poop is gone after the first ped";
    EXPECT_EQ(third->GetHitCount(), 1) << "the walk goes on after a removal";
    EXPECT_EQ(bird.GetDroppings().size(), 1u);
    EXPECT_EQ(bird.GetScore(), 20);
    EXPECT_EQ(mission.GetPedsLeft(), 8);

    // Two poops on an already scared ped: both hit, neither scores nor counts.
    PoopAt({Point(500, 500, 20), Point(500, 500, 30)});
    EXPECT_EQ(first->GetHitCount(), 3);
    EXPECT_EQ(second->GetHitCount(), 0);
    EXPECT_EQ(bird.GetScore(), 20);
    EXPECT_EQ(mission.GetPedsLeft(), 8);

    // Peds come before cars: a poop over both hits the ped; then a car alone.
    Car* car = AddActor<Car>(world->GetCars(), 1500.0f, 1500.0f);
    Ped* onTheRoad = AddActor<Ped>(world->GetPeds(), 1500.0f, 1500.0f);
    PoopAt({Point(1500, 1500, 20)});
    EXPECT_EQ(onTheRoad->GetHitCount(), 1);
    EXPECT_EQ(car->GetHitCount(), 0);
    onTheRoad->Translate(0.0f, 300.0f, 0.0f);
    PoopAt({Point(1500, 1500, 20), Point(1500, 1500, 30)});
    EXPECT_EQ(car->GetHitCount(), 2);
    EXPECT_EQ(bird.GetScore(), 50);
    EXPECT_EQ(mission.GetCarsLeft(), 2);
    EXPECT_EQ(mission.GetPedsLeft(), 7);
}

TEST_F(CollisionTest, OverlappingCarsTurnOnlyTheEarlierAndOnlyOnAFastComputer) {
    Car* earlier = AddActor<Car>(world->GetCars(), 500.0f, 500.0f);
    Car* later = AddActor<Car>(world->GetCars(), 520.0f, 500.0f);
    Car* apart = AddActor<Car>(world->GetCars(), 2500.0f, 500.0f);
    for (const int16_t fast : {int16_t{0}, int16_t{1}}) {
        for (Car* car : {earlier, later, apart}) {
            car->SetDirection(Vector(0.5f, 0.5f, 0.0f)); // no turn ever gives this
        }
        FastComputerGuard guard(fast);
        world->CheckCollisions();
        EXPECT_EQ(earlier->GetDirection().GetX() != 0.5f, fast == 1);
        EXPECT_EQ(later->GetDirection().GetX(), 0.5f);
        EXPECT_EQ(apart->GetDirection().GetX(), 0.5f);
    }
}

TEST_F(CollisionTest, BuildingsHurtAndParksHealWithAFlash) {
    Bird& bird = world->GetBird();
    // A collision pass, then the flash set from its events as the shell does.
    const auto pass = [this] {
        world->CheckCollisions();
        GameEvents events;
        world->TakeEvents(events);
        ShowHitFlash(world->GetHitFlash(), events);
    };
    Raise<Building>(2, 2, 300.0f);
    Raise<Park>(5, 5, 100.0f);
    bird.SetEye(250.0f, 250.0f, 300.0f); // exactly at the roof
    pass();
    EXPECT_EQ(bird.GetHealth(), 100.0f);
    EXPECT_FALSE(world->GetHitFlash().IsVisible());

    // The cell is looked up one unit beyond the eye: 199.5 reads cell 2.
    bird.SetEye(199.5f, 250.0f, 299.0f);
    pass();
    EXPECT_EQ(bird.GetHealth(), 98.0f);
    ExpectFlash(0.7f, 0.0f);
    for (int tick = 1; tick < 50; ++tick) {
        pass();
    }
    EXPECT_FALSE(bird.IsAlive());

    bird.Heal(90.0f);
    bird.SetEye(550.0f, 550.0f, 60.0f);
    for (int tick = 0; tick < 15; ++tick) {
        pass();
    }
    EXPECT_EQ(bird.GetHealth(), 100.0f);
    ExpectFlash(0.0f, 0.7f);
    bird.SetEye(950.0f, 950.0f, 60.0f); // over open ground
    pass();
    EXPECT_FALSE(world->GetHitFlash().IsVisible());
}

TEST_F(CollisionTest, OneMealPerTickWithEachKindsEffect) {
    Bird& bird = world->GetBird();
    auto& fries = world->GetFries();
    Fries* poopFries = AddActor<Fries>(fries, 500.0f, 500.0f, 300.0f);
    Fries* wideFries = AddActor<Fries>(fries, 500.0f, 500.0f, 300.0f);
    AddActor<Fries>(fries, 500.0f, 500.0f, 310.0f)->SetKind(2);
    Fries* farAway = AddActor<Fries>(fries, 900.0f, 500.0f, 300.0f);
    poopFries->SetKind(0);
    poopFries->SetValue(7.0f);
    wideFries->SetKind(1);
    bird.AddPoop(13);
    ASSERT_EQ(bird.GetPoop(), 28);
    bird.SetEye(500.0f, 500.0f, 300.0f);

    world->CheckCollisions();
    EXPECT_EQ(bird.GetPoop(), 30) << "the supply stops at 30";
    ASSERT_EQ(fries.size(), 3u);
    EXPECT_EQ(fries.front().get(), wideFries);
    EXPECT_EQ(world->GetMission().GetFriesLeft(), 4);
    world->CheckCollisions();
    EXPECT_EQ(bird.GetFieldOfView(), 170.0);
    world->CheckCollisions(); // kind 2 ends the wide view
    EXPECT_EQ(bird.GetFieldOfView(), 70.0);
    ASSERT_EQ(fries.size(), 1u);
    EXPECT_EQ(fries.front().get(), farAway);
    EXPECT_EQ(world->GetMission().GetFriesLeft(), 2);
    world->CheckCollisions();
    EXPECT_EQ(fries.size(), 1u);
}

TEST_F(CollisionTest, ATickReportsItsHitsTheObjectAroundTheBirdAndItsMealInOrder) {
    Bird& bird = world->GetBird();
    Ped* ped = AddActor<Ped>(world->GetPeds(), 1500.0f, 1500.0f);
    const Point pedAt = ped->GetPosition();
    bird.SetEye(1500.0f, 1500.0f, 20.0f);
    ASSERT_TRUE(bird.DropPoop());
    Raise<Building>(5, 5, 100.0f);
    AddActor<Fries>(world->GetFries(), 550.0f, 550.0f, 60.0f)->SetKind(Fries::KindWideView);
    bird.SetEye(550.0f, 550.0f, 60.0f);
    bird.SetCenter(650.0f, 550.0f, 60.0f);

    const auto tick = [this] {
        world->Update();
        GameEvents events;
        world->TakeEvents(events);
        return events;
    };
    const GameEvents first = tick();
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[0].kind, GameEvent::Kind::PedHit);
    EXPECT_EQ(first[0].place.GetX(), pedAt.GetX());
    EXPECT_EQ(first[0].place.GetY(), pedAt.GetY());
    EXPECT_EQ(first[1].kind, GameEvent::Kind::Inside);
    EXPECT_EQ(first[1].objectKind, MapObject::KindBuilding);
    EXPECT_EQ(first[2].kind, GameEvent::Kind::FriesEaten);
    EXPECT_EQ(first[2].friesKind, Fries::KindWideView);

    // The building's last bite is reported as the bird's death, once.
    bird.SetEye(550.0f, 550.0f, 60.0f);
    bird.Damage(bird.GetHealth() - 1.0f);
    world->CheckCollisions();
    GameEvents dying;
    world->TakeEvents(dying);
    ASSERT_EQ(dying.size(), 2u);
    EXPECT_EQ(dying[1].kind, GameEvent::Kind::BirdDied);
    world->CheckCollisions();
    GameEvents after;
    world->TakeEvents(after);
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0].kind, GameEvent::Kind::Inside);
}
