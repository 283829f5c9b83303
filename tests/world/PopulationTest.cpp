#include "actors/Car.h"
#include "actors/Cloud.h"
#include "actors/Fries.h"
#include "actors/HandMadeMap.h"
#include "actors/Ped.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr float cell = 100.0f;

// A World on a 10 x 10 map of lots (1000 x 1000 units); tests lay their
// sidewalks and roads on it.
std::unique_ptr<World> MakeWorld() {
    auto world = std::make_unique<World>();
    world->GetCityMap().Init(10, 10, cell);
    FillCellFlags(world->GetCityMap(), CityMap::Lot);
    return world;
}


template <typename T, typename List>
T* Add(List& list, const float x, const float y, const Vector& direction, const float speed) {
    auto actor = std::make_unique<T>();
    actor->Translate(x, y, 1.0f);
    actor->SetPosition(Point(x, y, 1.0f));
    actor->SetDirection(direction);
    actor->SetSpeed(speed);
    T* raw = actor.get();
    list.push_back(std::move(actor));
    return raw;
}

bool IsAxis(const Vector& d) {
    const float x = d.GetX();
    const float y = d.GetY();
    return (x == 0.0f && (y == 1.0f || y == -1.0f)) || (y == 0.0f && (x == 1.0f || x == -1.0f));
}

int CellFlagsUnder(World& world, const Actor& actor) {
    return world.GetCityMap().FlagsAtPosition(static_cast<int>(actor.GetPosition().GetX()),
                                              static_cast<int>(actor.GetPosition().GetY()));
}

} // namespace

TEST(PopulationTest, PedStepsOntoAnyBitOfItsMaskAndTurnsOtherwise) {
    std::srand(1);
    auto world = MakeWorld();
    CityMap& map = world->GetCityMap();
    for (int x = 2; x <= 4; ++x) {
        SetCellFlags(map, x, 5, CityMap::Sidewalk);
    }
    SetCellFlags(map, 5, 5, 4); // the other bit of a ped's mask
    SetCellFlags(map, 6, 5, CityMap::Road);
    Ped* ped = Add<Ped>(world->GetPeds(), 250.0f, 550.0f, Vector(1.0f, 0.0f, 0.0f), 100.0f);

    for (const float expectedX : {350.0f, 450.0f, 550.0f}) {
        world->UpdatePeds();
        EXPECT_EQ(ped->GetPosition().GetX(), expectedX);
        EXPECT_FLOAT_EQ(ped->GetBoundingBox().GetCenter().GetX(), expectedX);
    }
    // The road ahead: the ped turns and stays; it keeps trying while blocked.
    for (int tick = 0; tick < 20; ++tick) {
        const Point before = ped->GetPosition();
        const Vector heading = ped->GetDirection();
        world->UpdatePeds();
        const int ahead = map.FlagsAtPosition(static_cast<int>(before.GetX() + heading.GetX() * 100.0f),
                                              static_cast<int>(before.GetY() + heading.GetY() * 100.0f));
        if ((ahead & 5) == 0) {
            EXPECT_EQ(ped->GetPosition().GetX(), before.GetX());
            EXPECT_EQ(ped->GetPosition().GetY(), before.GetY());
            EXPECT_TRUE(IsAxis(ped->GetDirection()));
        }
        EXPECT_NE(CellFlagsUnder(*world, *ped) & 5, 0) << "a ped never leaves its cells";
    }
}

TEST(PopulationTest, CarNeedsTheRoadBitStopsAtSeedsAndTurnsAtTheEdge) {
    std::srand(2);
    auto world = MakeWorld();
    CityMap& map = world->GetCityMap();
    for (int x = 1; x <= 3; ++x) {
        SetCellFlags(map, x, 2, CityMap::Road | CityMap::RoadAlongX);
    }
    SetCellFlags(map, 4, 2, CityMap::Crossing); // a seed: no road bit
    SetCellFlags(map, 7, 2, CityMap::Road | CityMap::Crossing); // a junction
    SetCellFlags(map, 8, 2, CityMap::Road | CityMap::RoadAlongX);
    SetCellFlags(map, 9, 2, CityMap::Road | CityMap::RoadAlongX);

    Car* car = Add<Car>(world->GetCars(), 150.0f, 250.0f, Vector(1.0f, 0.0f, 0.0f), 100.0f);
    Car* throughJunction = Add<Car>(world->GetCars(), 650.0f, 250.0f, Vector(1.0f, 0.0f, 0.0f), 100.0f);
    SetCellFlags(map, 6, 2, CityMap::Road);
    Car* atEdge = Add<Car>(world->GetCars(), 950.0f, 250.0f, Vector(1.0f, 0.0f, 0.0f), 100.0f);

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
    auto world = MakeWorld();
    CityMap& map = world->GetCityMap();
    for (int x = 0; x < 10; ++x) {
        SetCellFlags(map, x, 3, CityMap::Sidewalk);
        SetCellFlags(map, x, 4, CityMap::Road | CityMap::RoadAlongX);
    }
    for (int i = 0; i < 30; ++i) {
        world->SpawnPed();
        world->SpawnCar();
        world->SpawnFries();
        world->SpawnCloud();
    }
    ASSERT_EQ(world->GetPeds().size(), 30u);
    ASSERT_EQ(world->GetCars().size(), 30u);
    ASSERT_EQ(world->GetFries().size(), 30u);
    ASSERT_EQ(world->GetClouds().size(), 30u);
    int kindsSeen[3] = {};
    for (const auto& ped : world->GetPeds()) {
        EXPECT_EQ(CellFlagsUnder(*world, *ped), CityMap::Sidewalk);
        EXPECT_EQ(ped->GetPosition().GetZ(), 1.0f);
        EXPECT_EQ(ped->GetDirection().GetX(), 1.0f) << "diagonal until the first turn";
        EXPECT_EQ(ped->GetDirection().GetY(), 1.0f);
        EXPECT_FLOAT_EQ(ped->GetBoundingBox().GetCenter().GetX(), ped->GetPosition().GetX());
    }
    for (const auto& car : world->GetCars()) {
        EXPECT_NE(CellFlagsUnder(*world, *car) & CityMap::Road, 0);
        EXPECT_TRUE(IsAxis(car->GetDirection()));
        EXPECT_FLOAT_EQ(car->GetBoundingBox().GetCenter().GetY(), car->GetPosition().GetY());
    }
    for (const auto& fries : world->GetFries()) {
        EXPECT_NE(CellFlagsUnder(*world, *fries) & CityMap::Road, 0);
        EXPECT_GE(fries->GetPosition().GetZ(), 50.0f);
        EXPECT_LE(fries->GetPosition().GetZ(), 849.0f);
        EXPECT_GE(fries->GetValue(), 1.0f);
        EXPECT_LE(fries->GetValue(), 10.0f);
        ASSERT_GE(fries->GetKind(), 0);
        ASSERT_LE(fries->GetKind(), 2);
        ++kindsSeen[fries->GetKind()];
        EXPECT_FLOAT_EQ(fries->GetBoundingBox().GetCenter().GetZ(), fries->GetPosition().GetZ());
    }
    EXPECT_GT(kindsSeen[0] * kindsSeen[1] * kindsSeen[2], 0);
    for (const auto& cloud : world->GetClouds()) {
        EXPECT_LT(cloud->GetPosition().GetX(), 1000.0f);
        EXPECT_LT(cloud->GetPosition().GetY(), 1000.0f);
        EXPECT_GE(cloud->GetPosition().GetZ(), 500.0f);
        EXPECT_LE(cloud->GetPosition().GetZ(), 2499.0f);
    }

    world->ClearPeds();
    world->ClearFries();
    EXPECT_TRUE(world->GetPeds().empty());
    EXPECT_TRUE(world->GetFries().empty());
    EXPECT_EQ(world->GetCars().size(), 30u);
}

TEST(PopulationTest, SpotSearchNeverHangsAndFindsRareCells) {
    std::srand(6);
    auto world = std::make_unique<World>();
    CityMap& map = world->GetCityMap();
    map.Init(100, 100, cell);
    FillCellFlags(map, CityMap::Lot);
    // No road anywhere: no car and no fries can be placed, and none is.
    world->SpawnCar();
    world->SpawnFries();
    EXPECT_TRUE(world->GetCars().empty());
    EXPECT_TRUE(world->GetFries().empty());

    // One sidewalk cell among ten thousand: every ped ends up on it.
    SetCellFlags(map, 73, 12, CityMap::Sidewalk);
    for (int i = 0; i < 5; ++i) {
        world->SpawnPed();
    }
    ASSERT_EQ(world->GetPeds().size(), 5u);
    for (const auto& ped : world->GetPeds()) {
        EXPECT_EQ(static_cast<int>(ped->GetPosition().GetX()) / 100, 73);
        EXPECT_EQ(static_cast<int>(ped->GetPosition().GetY()) / 100, 12);
    }

    // A World whose city was never laid out places nothing.
    auto empty = std::make_unique<World>();
    empty->SpawnPed();
    empty->SpawnCloud();
    EXPECT_TRUE(empty->GetPeds().empty());
    EXPECT_TRUE(empty->GetClouds().empty());
}

TEST(PopulationTest, CloudsStayAndFriesSpinOnlyOnAFastComputer) {
    std::srand(8);
    auto world = MakeWorld();
    for (int x = 0; x < 10; ++x) {
        SetCellFlags(world->GetCityMap(), x, 1, CityMap::Road);
    }
    world->SpawnCloud();
    world->SpawnFries();
    const Cloud& cloud = *world->GetClouds().front();
    const Fries& fries = *world->GetFries().front();
    const Point cloudAt = cloud.GetPosition();
    const Matrix friesAt = fries.GetModelMatrix();

    {
        FastComputerGuard slow(0);
        for (int tick = 0; tick < 10; ++tick) {
            world->UpdateFries();
            world->UpdateClouds();
        }
        EXPECT_EQ(fries.GetModelMatrix().Get(0, 0), friesAt.Get(0, 0));
        EXPECT_EQ(fries.GetModelMatrix().Get(1, 0), friesAt.Get(1, 0));
    }
    {
        FastComputerGuard fast(1);
        for (int tick = 0; tick < 30; ++tick) {
            world->UpdateFries();
            world->UpdateClouds();
        }
        // 30 ticks of 3 degrees: a quarter turn about z, in place.
        EXPECT_NEAR(fries.GetModelMatrix().Get(0, 0), 0.0f, 1e-4f);
        EXPECT_NEAR(fries.GetModelMatrix().Get(1, 0), 5.0f, 1e-4f);
        EXPECT_EQ(fries.GetModelMatrix().Get(0, 3), friesAt.Get(0, 3));
        EXPECT_EQ(fries.GetModelMatrix().Get(2, 3), friesAt.Get(2, 3));
    }
    EXPECT_EQ(cloud.GetPosition().GetX(), cloudAt.GetX());
    EXPECT_EQ(cloud.GetPosition().GetY(), cloudAt.GetY());
    EXPECT_EQ(cloud.GetPosition().GetZ(), cloudAt.GetZ());
    EXPECT_EQ(cloud.GetBoundingBox().GetCenter().GetX(), cloudAt.GetX());
}
