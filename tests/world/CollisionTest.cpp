#include "actors/Car.h"
#include "actors/Fries.h"
#include "actors/HandMadeMap.h"
#include "actors/Ped.h"
#include "city/Building.h"
#include "city/Park.h"
#include "support/GlContext.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace {

// Map objects go through GLUT when they are destroyed, so these tests have a
// context like the game has.
class CollisionTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        std::srand(12);
        world = std::make_unique<World>();
        world->GetCityMap().Init(30, 30, 100.0f);
        FillCellFlags(world->GetCityMap(), CityMap::Sidewalk | CityMap::Road);
        const std::string levels = std::string(::testing::TempDir()) + "collision_levels.config";
        std::ofstream(levels) << "1 5 10 3 120\n";
        ASSERT_TRUE(world->GetMission().LoadLevels(levels.c_str()));
        world->GetMission().SetupLevel(1);
    }

    template <typename T, typename List>
    T* Add(List& list, const float x, const float y, const float z = 1.0f) {
        auto actor = std::make_unique<T>();
        actor->Translate(x, y, z);
        actor->SetPosition(Point(x, y, z));
        T* raw = actor.get();
        list.push_back(std::move(actor));
        return raw;
    }

    void DropAt(const float x, const float y, const float z) {
        world->GetBird().SetEye(x, y, z);
        world->GetBird().DropPoop();
    }

    // An object of the given kind and height over cell (x, y).
    template <typename T>
    void Raise(const int x, const int y, const float height) {
        auto object = std::make_unique<T>();
        object->SetHeight(height);
        CityMap& map = world->GetCityMap();
        map.Cells()[map.CellIndex(x, y)].object = object.get();
        world->GetMapObjects().push_back(std::move(object));
    }

    size_t DroppingsInAir() { return world->GetBird().GetDroppings().size(); }

    std::unique_ptr<World> world;
};

void ExpectFlash(const Gauge& flash, const float r, const float g) {
    EXPECT_TRUE(flash.IsVisible());
    EXPECT_EQ(flash.GetStartColor().r, r);
    EXPECT_EQ(flash.GetStartColor().g, g);
    EXPECT_EQ(flash.GetStartColor().b, 0.0f);
    EXPECT_EQ(flash.GetStartColor().a, 0.5f);
}

} // namespace

TEST_F(CollisionTest, PoopHitsOneActorOnlyAndOnlyFirstHitsScore) {
    Bird& bird = world->GetBird();
    Mission& mission = world->GetMission();
    Ped* first = Add<Ped>(world->GetPeds(), 500.0f, 500.0f);
    Ped* second = Add<Ped>(world->GetPeds(), 500.0f, 500.0f);
    Ped* third = Add<Ped>(world->GetPeds(), 800.0f, 800.0f);
    DropAt(500.0f, 500.0f, 20.0f);
    DropAt(800.0f, 800.0f, 20.0f);
    DropAt(2500.0f, 2500.0f, 500.0f); // over nothing
    world->CheckCollisions();
    EXPECT_EQ(first->GetHitCount(), 1);
    EXPECT_EQ(second->GetHitCount(), 0) << "the poop is gone after the first ped";
    EXPECT_EQ(third->GetHitCount(), 1) << "the walk goes on after a removal";
    EXPECT_EQ(DroppingsInAir(), 1u);
    EXPECT_EQ(bird.GetScore(), 20);
    EXPECT_EQ(mission.GetPedsLeft(), 8);

    // Two poops on an already scared ped: both hit, neither scores nor counts.
    DropAt(500.0f, 500.0f, 20.0f);
    DropAt(500.0f, 500.0f, 30.0f);
    world->CheckCollisions();
    EXPECT_EQ(first->GetHitCount(), 3);
    EXPECT_EQ(second->GetHitCount(), 0);
    EXPECT_EQ(bird.GetScore(), 20);
    EXPECT_EQ(mission.GetPedsLeft(), 8);
    EXPECT_EQ(DroppingsInAir(), 1u);

    // Peds come before cars: a poop over both hits the ped; then a car alone.
    Car* car = Add<Car>(world->GetCars(), 1500.0f, 1500.0f);
    Ped* onTheRoad = Add<Ped>(world->GetPeds(), 1500.0f, 1500.0f);
    DropAt(1500.0f, 1500.0f, 20.0f);
    world->CheckCollisions();
    EXPECT_EQ(onTheRoad->GetHitCount(), 1);
    EXPECT_EQ(car->GetHitCount(), 0);
    EXPECT_EQ(bird.GetScore(), 30);
    onTheRoad->Translate(0.0f, 300.0f, 0.0f);
    DropAt(1500.0f, 1500.0f, 20.0f);
    world->CheckCollisions();
    DropAt(1500.0f, 1500.0f, 20.0f);
    world->CheckCollisions();
    EXPECT_EQ(car->GetHitCount(), 2);
    EXPECT_EQ(bird.GetScore(), 50);
    EXPECT_EQ(mission.GetCarsLeft(), 2);
    EXPECT_EQ(mission.GetPedsLeft(), 7);
}

TEST_F(CollisionTest, OverlappingCarsTurnOnlyTheEarlierAndOnlyOnAFastComputer) {
    const Vector diagonal(0.5f, 0.5f, 0.0f); // no turn ever gives this
    Car* earlier = Add<Car>(world->GetCars(), 500.0f, 500.0f);
    Car* later = Add<Car>(world->GetCars(), 520.0f, 500.0f);
    Car* apart = Add<Car>(world->GetCars(), 2500.0f, 500.0f);
    for (Car* car : {earlier, later, apart}) {
        car->SetDirection(diagonal);
    }
    {
        FastComputerGuard slow(0);
        world->CheckCollisions();
        EXPECT_EQ(earlier->GetDirection().GetX(), 0.5f);
        EXPECT_EQ(later->GetDirection().GetX(), 0.5f);
    }
    FastComputerGuard fast(1);
    world->CheckCollisions();
    EXPECT_NE(earlier->GetDirection().GetX(), 0.5f);
    EXPECT_EQ(later->GetDirection().GetX(), 0.5f);
    EXPECT_EQ(apart->GetDirection().GetX(), 0.5f);
}

TEST_F(CollisionTest, BuildingsHurtAndParksHealWithAFlash) {
    Bird& bird = world->GetBird();
    const Gauge& flash = world->GetHitFlash();
    Raise<Building>(2, 2, 300.0f);
    Raise<Park>(5, 5, 100.0f);

    bird.SetEye(250.0f, 250.0f, 300.0f); // exactly at the roof
    world->CheckCollisions();
    EXPECT_EQ(bird.GetHealth(), 100.0f);
    EXPECT_FALSE(flash.IsVisible());

    // The cell is looked up one unit beyond the eye: 199.5 reads cell 2.
    bird.SetEye(199.5f, 250.0f, 299.0f);
    world->CheckCollisions();
    EXPECT_EQ(bird.GetHealth(), 98.0f);
    ExpectFlash(flash, 0.7f, 0.0f);
    for (int tick = 1; tick < 50; ++tick) {
        world->CheckCollisions();
    }
    EXPECT_EQ(bird.GetHealth(), 0.0f);
    EXPECT_FALSE(bird.IsAlive());

    bird.Heal(90.0f);
    bird.SetEye(550.0f, 550.0f, 60.0f);
    for (int tick = 0; tick < 15; ++tick) {
        world->CheckCollisions();
    }
    EXPECT_EQ(bird.GetHealth(), 100.0f);
    ExpectFlash(flash, 0.0f, 0.7f);

    bird.SetEye(950.0f, 950.0f, 60.0f); // over open ground
    world->CheckCollisions();
    EXPECT_FALSE(flash.IsVisible());
}

TEST_F(CollisionTest, OneMealPerTickWithEachKindsEffect) {
    Bird& bird = world->GetBird();
    Mission& mission = world->GetMission();
    Fries* poopFries = Add<Fries>(world->GetFries(), 500.0f, 500.0f, 300.0f);
    Fries* wideFries = Add<Fries>(world->GetFries(), 500.0f, 500.0f, 300.0f);
    Fries* normalFries = Add<Fries>(world->GetFries(), 500.0f, 500.0f, 310.0f);
    Fries* farAway = Add<Fries>(world->GetFries(), 900.0f, 500.0f, 300.0f);
    poopFries->SetKind(0);
    poopFries->SetValue(7.0f);
    wideFries->SetKind(1);
    wideFries->SetValue(3.0f);
    normalFries->SetKind(2);
    bird.AddPoop(13);
    ASSERT_EQ(bird.GetPoop(), 28);
    const double normalView = bird.GetFieldOfView();
    bird.SetEye(500.0f, 500.0f, 300.0f);

    world->CheckCollisions();
    EXPECT_EQ(bird.GetPoop(), 30) << "the supply stops at 30";
    ASSERT_EQ(world->GetFries().size(), 3u);
    EXPECT_EQ(world->GetFries().front().get(), wideFries);
    EXPECT_EQ(mission.GetFriesLeft(), 4);

    world->CheckCollisions();
    EXPECT_TRUE(bird.IsWideViewActive());
    EXPECT_EQ(bird.GetFieldOfView(), 170.0);
    EXPECT_EQ(world->GetFries().size(), 2u);

    world->CheckCollisions();
    EXPECT_FALSE(bird.IsWideViewActive());
    EXPECT_EQ(bird.GetFieldOfView(), normalView);
    ASSERT_EQ(world->GetFries().size(), 1u);
    EXPECT_EQ(world->GetFries().front().get(), farAway);
    EXPECT_EQ(mission.GetFriesLeft(), 2);

    world->CheckCollisions();
    EXPECT_EQ(world->GetFries().size(), 1u);
}
