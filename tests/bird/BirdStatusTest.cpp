#include "base/GameClock.h"
#include "bird/Bird.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A bird hovering level at the given height in a 10000 x 10000 city.
void Hover(Bird& bird, const float height) {
    bird.SetWorldSize(10000.0f, 10000.0f);
    bird.SetEye(5000.0f, 5000.0f, height);
    bird.SetCenter(6000.0f, 5000.0f, height);
    bird.SetAngles(static_cast<float>(pi / 2.0), 0.0f);
}

float HeightOf(const Dropping* dropping) {
    return dropping->GetBoundingBox().GetCenter().GetZ();
}

} // namespace

TEST(BirdStatusTest, HealthAndPoopStayInTheirRanges) {
    Bird bird;
    bird.Damage(97.0f);
    bird.Damage(-5.0f); // the sign is ignored
    EXPECT_EQ(bird.GetHealth(), 0.0f);
    EXPECT_FALSE(bird.IsAlive());
    bird.Heal(-97.0f);
    bird.Heal(-5.0f);
    EXPECT_EQ(bird.GetHealth(), 100.0f);
    bird.Damage(99.999f);
    EXPECT_TRUE(bird.IsAlive());

    for (const auto& [added, expected] :
         {std::pair{20, 30}, std::pair{14, 29}, std::pair{15, 30}}) {
        Bird fed;
        fed.AddPoop(added);
        EXPECT_EQ(fed.GetPoop(), expected) << "adding " << added << " to 15";
    }
    Hover(bird, 1500.0f);
    for (int i = 0; i < 16; ++i) {
        bird.DropPoop(); // the sixteenth finds none left
    }
    EXPECT_EQ(bird.GetPoop(), 0);
    EXPECT_EQ(bird.GetPoopInAir(), 15);
    EXPECT_EQ(bird.GetDroppings().size(), 15u);
}

TEST(BirdStatusTest, ADroppingFallsFasterAndIsRemovedBelowTheGround) {
    Bird bird;
    Hover(bird, 1500.0f);
    bird.DropPoop();
    const Dropping* dropping = bird.FirstPoop();
    ASSERT_NE(dropping, nullptr);
    EXPECT_EQ(HeightOf(dropping), 1500.0f);
    for (int tick = 1; tick <= 39; ++tick) { // 2, 4, 6 ... units
        bird.Update();
        ASSERT_EQ(bird.GetPoopInAir(), 1) << "tick " << tick;
        EXPECT_FLOAT_EQ(HeightOf(dropping), 1500.0f - tick * (tick + 1.0f)) << "tick " << tick;
    }
    // Straight down from where it was let go, whatever the bird did since.
    EXPECT_EQ(dropping->GetBoundingBox().GetCenter().GetX(), 5000.0f);
    bird.Update();
    EXPECT_TRUE(bird.GetDroppings().empty());
    EXPECT_EQ(bird.FirstPoop(), nullptr);
}

TEST(BirdStatusTest, RemovingDuringAWalkSkipsNothing) {
    Bird bird;
    Hover(bird, 1500.0f);
    for (int i = 0; i < 4; ++i) {
        bird.DropPoop();
    }
    std::vector<Dropping*> all;
    for (const auto& owned : bird.GetDroppings()) {
        all.push_back(owned.get());
    }
    // The walk of the collision pass: the second and third hit something.
    std::vector<Dropping*> visited;
    for (Dropping* d = bird.FirstPoop(); d != nullptr;) {
        visited.push_back(d);
        if (d == all[1] || d == all[2]) {
            d = bird.RemovePoop(d);
            EXPECT_EQ(d, bird.CurrentPoop());
        } else {
            d = bird.NextPoop();
        }
    }
    EXPECT_EQ(visited, all);
    EXPECT_EQ(bird.GetPoopInAir(), 2);
    // Removing a dropping away from the cursor leaves the cursor where it was;
    // one the bird does not own changes nothing.
    EXPECT_EQ(bird.FirstPoop(), all[0]);
    EXPECT_EQ(bird.RemovePoop(all[3]), all[0]);
    EXPECT_EQ(bird.RemovePoop(all[3]), all[0]);
    EXPECT_EQ(bird.GetPoopInAir(), 1);
}

TEST(BirdStatusTest, TheWideViewLastsThirtySecondsAfterTheLatestMeal) {
    Bird bird;
    Hover(bird, 1000.0f);
    GameClock::SetTickTime(100000);
    bird.StartWideView();
    GameClock::SetTickTime(110000);
    bird.Update();
    bird.StartWideView();
    for (const unsigned int ms : {129999u, 135000u, 140999u, 141000u}) {
        GameClock::SetTickTime(ms);
        bird.Update();
        EXPECT_EQ(bird.GetFieldOfView(), ms < 141000 ? 170.0 : 70.0) << ms << " ms";
        EXPECT_EQ(bird.IsWideViewActive(), ms < 141000);
    }
    bird.EndWideView(); // when it is not on, the normal view stays
    EXPECT_EQ(bird.GetFieldOfView(), 70.0);
    GameClock::SetTickTime(0);
}

TEST(BirdStatusTest, ResetRestoresTheStartOfAGame) {
    Bird bird;
    Hover(bird, 900.0f);
    bird.Accelerate(40.0f);
    bird.Damage(60.0f);
    bird.DropPoop();
    bird.FirstPoop();
    bird.AddScore(75);
    GameClock::SetTickTime(5000);
    bird.StartWideView();

    bird.StartGame();
    EXPECT_EQ((std::vector<float>{bird.GetEyeX(), bird.GetEyeY(), bird.GetEyeZ(), bird.GetCenterX(),
                                  bird.GetCenterZ(), bird.GetSpeed(), bird.GetHealth()}),
              (std::vector<float>{5000, 5000, 1500, 0, 0, 0, 100}));
    EXPECT_EQ((std::vector<int>{bird.GetPoop(), bird.GetPoopInAir(), bird.GetScore()}),
              (std::vector<int>{15, 0, 0}));
    EXPECT_TRUE(bird.GetDroppings().empty());
    EXPECT_EQ(bird.CurrentPoop(), nullptr);
    EXPECT_EQ(bird.GetFieldOfView(), 70.0);
    EXPECT_FALSE(bird.IsWideViewActive());
    GameClock::SetTickTime(0);
}
