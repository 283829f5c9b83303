#include "actors/Car.h"
#include "actors/Cloud.h"
#include "actors/Fries.h"
#include "actors/Ped.h"
#include "base/Settings.h"
#include "shell/ShellTestSupport.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <memory>

namespace {

constexpr int maxTicks = 500;

// One tick with a poop let go just above the actor: the collision pass that
// opens the tick sees it before anything moves.
template <typename T> void PoopOn(World& world, const T& actor) {
    Bird& bird = world.GetBird();
    bird.SetEye(actor.GetPosition().GetX(), actor.GetPosition().GetY(), 30.0f);
    bird.AddPoop(1);
    bird.DropPoop();
    world.Update();
}

// The first actor of the list not hit yet, or null.
template <typename List> auto FirstUnhit(List& list) -> decltype(list.front().get()) {
    for (auto& actor : list) {
        if (actor->GetHitCount() == 0) {
            return actor.get();
        }
    }
    return nullptr;
}

std::array<size_t, 4> Population(World& world) {
    return {world.GetPeds().size(), world.GetCars().size(), world.GetFries().size(),
            world.GetClouds().size()};
}

} // namespace

// A whole level without a window: a generated city, level 1 from a level
// table, hits and meals through the real collision pass, and the next level.
TEST(WholeLevelTest, CompletingTheTargetsLeadsToTheNextLevel) {
    const int32_t savedClouds = settings.showClouds;
    settings.showClouds = 1;
    std::srand(2024);
    auto world = std::make_unique<World>();
    CityMap& map = world->GetCityMap();
    map.Init(100, 100, 100.0f);
    map.Generate(77);
    map.MarkRoadDirections();
    world->GetBird().SetWorldSize(10000.0f, 10000.0f);
    ASSERT_TRUE(world->GetMission().LoadLevels(
        WriteTempFile("whole_level.config", "1 3 4 2 120\n2 5 6 7 90\n").c_str()));

    world->SetupLevel(1);
    Mission& mission = world->GetMission();
    ASSERT_EQ(Population(*world), (std::array<size_t, 4>{40, 40, 40, 10}));
    ASSERT_EQ(mission.GetPedsLeft(), 4);

    int ticks = 0;
    while (mission.GetPedsLeft() > 0 && ++ticks < maxTicks) {
        PoopOn(*world, *FirstUnhit(world->GetPeds()));
    }
    while (mission.GetCarsLeft() > 0 && ++ticks < maxTicks) {
        PoopOn(*world, *FirstUnhit(world->GetCars()));
    }
    EXPECT_EQ(mission.GetPedsLeft() + mission.GetCarsLeft(), 0);
    EXPECT_GE(world->GetBird().GetScore(), 4 * 10 + 2 * 20);
    EXPECT_FALSE(mission.IsComplete(Mission::maskAll)) << "the fries are still to eat";

    while (mission.GetFriesLeft() > 0 && ++ticks < maxTicks) {
        ASSERT_FALSE(world->GetFries().empty());
        const Point at = world->GetFries().front()->GetPosition();
        world->GetBird().SetEye(at.GetX(), at.GetY(), at.GetZ());
        world->Update();
    }
    EXPECT_EQ(world->GetFries().size(), 37u);
    ASSERT_TRUE(mission.IsComplete(Mission::maskAll));

    EXPECT_EQ(world->NextLevel(), 2);
    EXPECT_EQ(Population(*world), (std::array<size_t, 4>{40, 40, 40, 20}));
    EXPECT_EQ(FirstUnhit(world->GetPeds()), world->GetPeds().front().get()) << "fresh peds";
    EXPECT_EQ(
        (std::array<int, 3>{mission.GetPedsLeft(), mission.GetCarsLeft(), mission.GetFriesLeft()}),
        (std::array<int, 3>{6, 7, 5}));
    settings.showClouds = savedClouds;
}
