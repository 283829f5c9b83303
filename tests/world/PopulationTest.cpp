#include "actors/Car.h"
#include "actors/Cloud.h"
#include "actors/Fries.h"
#include "actors/HandMadeMap.h"
#include "actors/Ped.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

namespace {

bool IsAxis(const Vector& d) {
    return std::abs(d.GetX()) + std::abs(d.GetY()) == 1.0f && d.GetX() * d.GetY() == 0.0f;
}

int FlagsUnder(World& world, const Actor& actor) {
    return world.GetCityMap().FlagsAtPosition(static_cast<int>(actor.GetPosition().GetX()),
                                              static_cast<int>(actor.GetPosition().GetY()));
}

// An actor at (x, y) heading along +x one cell per tick.
template <typename T, typename List> T* Runner(List& list, const float x, const float y) {
    T* actor = AddActor<T>(list, x, y);
    actor->SetDirection(Vector(1.0f, 0.0f, 0.0f));
    actor->SetSpeed(100.0f);
    return actor;
}

} // namespace

TEST(PopulationTest, PedStepsOntoAnyBitOfItsMaskAndTurnsOtherwise) {
    std::srand(1);
    auto world = WorldOnMap(10, 10, CityMap::Lot);
    CityMap& map = world->GetCityMap();
    for (int x = 2; x <= 4; ++x) {
        SetCellFlags(map, x, 5, CityMap::Sidewalk);
    }
    SetCellFlags(map, 5, 5, 4); // the other bit of a ped's mask
    SetCellFlags(map, 6, 5, CityMap::Road);
    Ped* ped = Runner<Ped>(world->GetPeds(), 250.0f, 550.0f);
    for (const float expectedX : {350.0f, 450.0f, 550.0f}) {
        world->UpdatePeds();
        EXPECT_EQ(ped->GetPosition().GetX(), expectedX);
        EXPECT_FLOAT_EQ(ped->GetBoundingBox().GetCenter().GetX(), expectedX);
    }
    // The road ahead: the ped turns on the spot, and however often it turns it
    // never steps off the cells of its mask.
    world->UpdatePeds();
    EXPECT_EQ(ped->GetPosition().GetX(), 550.0f);
    EXPECT_TRUE(IsAxis(ped->GetDirection()));
    for (int tick = 0; tick < 20; ++tick) {
        world->UpdatePeds();
        EXPECT_NE(FlagsUnder(*world, *ped) & 5, 0) << "tick " << tick;
    }
}

TEST(PopulationTest, CarNeedsTheRoadBitStopsAtSeedsAndTurnsAtTheEdge) {
    std::srand(2);
    auto world = WorldOnMap(10, 10, CityMap::Lot);
    CityMap& map = world->GetCityMap();
    for (const int x : {1, 2, 3, 6, 8, 9}) {
        SetCellFlags(map, x, 2, CityMap::Road | CityMap::RoadAlongX);
    }
    SetCellFlags(map, 4, 2, CityMap::Crossing);                 // a seed: no road bit
    SetCellFlags(map, 7, 2, CityMap::Road | CityMap::Crossing); // a junction
    Car* car = Runner<Car>(world->GetCars(), 150.0f, 250.0f);
    Car* throughJunction = Runner<Car>(world->GetCars(), 650.0f, 250.0f);
    Car* atEdge = Runner<Car>(world->GetCars(), 950.0f, 250.0f);

    world->UpdateCars();
    EXPECT_EQ(atEdge->GetPosition().GetX(), 950.0f) << "outside the map reads flags 0";
    EXPECT_TRUE(IsAxis(atEdge->GetDirection()));
    world->UpdateCars();
    EXPECT_EQ(car->GetPosition().GetX(), 350.0f);
    EXPECT_EQ(throughJunction->GetPosition().GetX(), 850.0f) << "junctions carry the road bit";
    car->SetDirection(Vector(1.0f, 0.0f, 0.0f));
    world->UpdateCars();
    EXPECT_EQ(car->GetPosition().GetX(), 350.0f) << "seed cells stop cars";
    EXPECT_TRUE(IsAxis(car->GetDirection()));
}

TEST(PopulationTest, SpawnsPlaceEachKindWhereItBelongs) {
    std::srand(4);
    auto world = WorldOnMap(10, 10, CityMap::Lot);
    for (int x = 0; x < 10; ++x) {
        SetCellFlags(world->GetCityMap(), x, 3, CityMap::Sidewalk);
        SetCellFlags(world->GetCityMap(), x, 4, CityMap::Road | CityMap::RoadAlongX);
    }
    for (int i = 0; i < 30; ++i) {
        world->SpawnPed();
        world->SpawnCar();
        world->SpawnFries();
        world->SpawnCloud();
    }
    ASSERT_EQ(world->GetPeds().size() + world->GetCars().size(), 60u);
    ASSERT_EQ(world->GetFries().size() + world->GetClouds().size(), 60u);
    // Peds on the sidewalk with their model where they are, cars on the road
    // along an axis, fries over the road at 50..849 with every kind.
    for (const auto& ped : world->GetPeds()) {
        EXPECT_EQ(FlagsUnder(*world, *ped), CityMap::Sidewalk);
        EXPECT_FLOAT_EQ(ped->GetBoundingBox().GetCenter().GetX(), ped->GetPosition().GetX());
    }
    for (const auto& car : world->GetCars()) {
        EXPECT_TRUE((FlagsUnder(*world, *car) & CityMap::Road) && IsAxis(car->GetDirection()));
    }
    std::set<int> kinds;
    for (const auto& fries : world->GetFries()) {
        EXPECT_NE(FlagsUnder(*world, *fries) & CityMap::Road, 0);
        EXPECT_TRUE(fries->GetPosition().GetZ() >= 50.0f && fries->GetPosition().GetZ() <= 849.0f);
        kinds.insert(fries->GetKind());
    }
    EXPECT_EQ(kinds, (std::set<int>{0, 1, 2}));
    world->ClearPeds();
    world->ClearFries();
    EXPECT_TRUE(world->GetPeds().empty() && world->GetFries().empty());
    EXPECT_EQ(world->GetCars().size(), 30u);
}

TEST(PopulationTest, SpotSearchNeverHangsAndFindsRareCells) {
    std::srand(6);
    auto world = WorldOnMap(100, 100, CityMap::Lot);
    // No road anywhere: no car and no fries can be placed, and none is.
    world->SpawnCar();
    world->SpawnFries();
    EXPECT_TRUE(world->GetCars().empty() && world->GetFries().empty());
    // One sidewalk cell among ten thousand: every ped ends up on it.
    SetCellFlags(world->GetCityMap(), 73, 12, CityMap::Sidewalk);
    for (int i = 0; i < 5; ++i) {
        world->SpawnPed();
    }
    ASSERT_EQ(world->GetPeds().size(), 5u);
    for (const auto& ped : world->GetPeds()) {
        EXPECT_EQ(static_cast<int>(ped->GetPosition().GetX()) / 100, 73);
        EXPECT_EQ(static_cast<int>(ped->GetPosition().GetY()) / 100, 12);
    }
    // A World whose city was never laid out places nothing.
    World empty;
    empty.SpawnPed();
    empty.SpawnCloud();
    EXPECT_TRUE(empty.GetPeds().empty() && empty.GetClouds().empty());
}

TEST(PopulationTest, CloudsStayAndFriesSpinOnlyOnAFastComputer) {
    std::srand(8);
    auto world = WorldOnMap(10, 10, CityMap::Road);
    world->SpawnCloud();
    world->SpawnFries();
    const Cloud& cloud = *world->GetClouds().front();
    const Fries& fries = *world->GetFries().front();
    const Point cloudAt = cloud.GetPosition();
    const Matrix friesAt = fries.GetModelMatrix();
    for (const int16_t fast : {int16_t{0}, int16_t{1}}) {
        FastComputerGuard guard(fast);
        for (int tick = 0; tick < 30; ++tick) {
            world->UpdateFries();
            world->UpdateClouds();
        }
        if (fast == 0) {
            EXPECT_EQ(fries.GetModelMatrix().Get(0, 0), friesAt.Get(0, 0));
        }
    }
    // 30 ticks of 3 degrees, on the fast computer only: a quarter turn about z, in place.
    EXPECT_NEAR(fries.GetModelMatrix().Get(0, 0), 0.0f, 1e-4f);
    EXPECT_NEAR(fries.GetModelMatrix().Get(1, 0), friesAt.Get(0, 0), 1e-4f);
    EXPECT_EQ(fries.GetModelMatrix().Get(0, 3), friesAt.Get(0, 3));
    EXPECT_EQ(fries.GetModelMatrix().Get(2, 3), friesAt.Get(2, 3));
    EXPECT_EQ(cloud.GetPosition().GetX(), cloudAt.GetX());
    EXPECT_EQ(cloud.GetPosition().GetY(), cloudAt.GetY());
    EXPECT_EQ(cloud.GetPosition().GetZ(), cloudAt.GetZ());
    EXPECT_EQ(cloud.GetBoundingBox().GetCenter().GetX(), cloudAt.GetX());
}
