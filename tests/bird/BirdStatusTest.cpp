#include "bird/Bird.h"
#include "shell/GameClock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A bird hovering level at the given height in a 10000 x 10000 city.
void Hover(Bird& bird, const float height) {
    bird.SetWorldSize(10000.0f, 10000.0f);
    bird.SetEye(5000.0f, 5000.0f, height);
    bird.SetCenter(6000.0f, 5000.0f, height);
    bird.SetAngles(1.5707964f, 0.0f);
}

float HeightOf(const Dropping* dropping) {
    return dropping->GetBoundingBox().GetCenter().GetZ();
}

} // namespace

TEST(BirdStatusTest, DamageAndHealIgnoreTheSignAndClamp) {
    Bird bird;
    bird.Damage(97.0f);
    bird.Damage(-5.0f);
    EXPECT_EQ(bird.GetHealth(), 0.0f);
    EXPECT_FALSE(bird.IsAlive());
    bird.Heal(-97.0f);
    bird.Heal(-5.0f);
    EXPECT_EQ(bird.GetHealth(), 100.0f);
    bird.Damage(99.999f);
    EXPECT_GT(bird.GetHealth(), 0.0f);
    EXPECT_TRUE(bird.IsAlive());
}

TEST(BirdStatusTest, ThePoopSupplyStaysWithinZeroAndThirty) {
    const int added[] = {20, 14, 15};
    const int expected[] = {30, 29, 30};
    for (int i = 0; i < 3; ++i) {
        Bird bird;
        bird.AddPoop(added[i]);
        EXPECT_EQ(bird.GetPoop(), expected[i]) << "adding " << added[i] << " to 15";
    }

    Bird bird;
    Hover(bird, 1500.0f);
    for (int i = 0; i < 15; ++i) {
        bird.DropPoop();
    }
    EXPECT_EQ(bird.GetPoop(), 0);
    EXPECT_EQ(bird.GetPoopInAir(), 15);
    bird.DropPoop();
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
    EXPECT_EQ(dropping->GetTarget().GetZ(), 0.0f);
    const BoundingBox& box = dropping->GetBoundingBox();
    EXPECT_FLOAT_EQ(box.GetWidth(), 60.0f);
    EXPECT_FLOAT_EQ(box.GetHeight(), 100.0f);

    for (int tick = 1; tick <= 39; ++tick) {
        bird.Update();
        ASSERT_EQ(bird.GetPoopInAir(), 1) << "tick " << tick;
        EXPECT_FLOAT_EQ(HeightOf(dropping), 1500.0f - tick * (tick + 1.0f)) << "tick " << tick;
    }
    // Straight down from where it was let go, whatever the bird did since.
    EXPECT_EQ(dropping->GetBoundingBox().GetCenter().GetX(), 5000.0f);
    bird.Update();
    EXPECT_EQ(bird.GetPoopInAir(), 0);
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
    EXPECT_EQ(bird.FirstPoop(), all[0]);
    EXPECT_EQ(bird.NextPoop(), all[3]);

    // Removing a dropping away from the cursor leaves the cursor where it was;
    // one the bird does not own changes nothing.
    EXPECT_EQ(bird.FirstPoop(), all[0]);
    EXPECT_EQ(bird.RemovePoop(all[3]), all[0]);
    EXPECT_EQ(bird.RemovePoop(all[3]), all[0]);
    EXPECT_EQ(bird.GetPoopInAir(), 1);
    EXPECT_EQ(bird.RemovePoop(all[0]), nullptr);
    EXPECT_EQ(bird.GetPoopInAir(), 0);
}

TEST(BirdStatusTest, ADroppingLandingUnderTheCursorMovesItOn) {
    Bird bird;
    Hover(bird, 35.0f);
    bird.DropPoop();
    bird.SetEye(5000.0f, 5000.0f, 1500.0f);
    bird.DropPoop();
    Dropping* const low = bird.FirstPoop();
    Dropping* const high = bird.NextPoop();
    EXPECT_EQ(bird.FirstPoop(), low);

    // From 35 the centre is below the ground after 6 ticks (42 units).
    for (int tick = 1; tick <= 6; ++tick) {
        bird.Update();
    }
    EXPECT_EQ(bird.GetPoopInAir(), 2);
    EXPECT_LT(HeightOf(low), 0.0f);
    bird.Update();
    EXPECT_EQ(bird.GetPoopInAir(), 1);
    EXPECT_EQ(bird.CurrentPoop(), high);
    EXPECT_EQ(bird.NextPoop(), nullptr);
}

TEST(BirdStatusTest, TheWideViewLastsThirtySecondsAfterTheLatestMeal) {
    Bird bird;
    Hover(bird, 1000.0f);
    GameClock::SetTickTime(100000);
    bird.StartWideView();
    EXPECT_EQ(bird.GetFieldOfView(), 170.0);
    GameClock::SetTickTime(110000);
    bird.Update();
    bird.StartWideView();
    const unsigned int stillWide[] = {129999, 135000, 140999};
    for (const unsigned int ms : stillWide) {
        GameClock::SetTickTime(ms);
        bird.Update();
        EXPECT_EQ(bird.GetFieldOfView(), 170.0) << ms << " ms";
        EXPECT_TRUE(bird.IsWideViewActive());
    }
    GameClock::SetTickTime(141000);
    bird.Update();
    EXPECT_EQ(bird.GetFieldOfView(), 70.0);
    EXPECT_FALSE(bird.IsWideViewActive());

    // Ending it when it is not on keeps the normal view.
    bird.EndWideView();
    EXPECT_EQ(bird.GetFieldOfView(), 70.0);
    GameClock::SetTickTime(0);
}

TEST(BirdStatusTest, ResetRestoresTheStartOfAGame) {
    Bird bird;
    Hover(bird, 900.0f);
    bird.Accelerate(40.0f);
    bird.Damage(60.0f);
    bird.AddPoop(10);
    bird.DropPoop();
    bird.DropPoop();
    bird.FirstPoop();
    bird.AddScore(70);
    bird.AddScore(5);
    EXPECT_EQ(bird.GetScore(), 75);
    GameClock::SetTickTime(5000);
    bird.StartWideView();

    bird.StartGame();
    EXPECT_EQ(bird.GetEyeX(), 5000.0f);
    EXPECT_EQ(bird.GetEyeY(), 5000.0f);
    EXPECT_EQ(bird.GetEyeZ(), 1500.0f);
    EXPECT_EQ(bird.GetCenterX(), 0.0f);
    EXPECT_EQ(bird.GetCenterZ(), 0.0f);
    EXPECT_EQ(bird.GetSpeed(), 0.0f);
    EXPECT_EQ(bird.GetHealth(), 100.0f);
    EXPECT_EQ(bird.GetPoop(), 15);
    EXPECT_EQ(bird.GetPoopInAir(), 0);
    EXPECT_TRUE(bird.GetDroppings().empty());
    EXPECT_EQ(bird.CurrentPoop(), nullptr);
    EXPECT_EQ(bird.GetScore(), 0);
    EXPECT_EQ(bird.GetFieldOfView(), 70.0);
    EXPECT_FALSE(bird.IsWideViewActive());
    bird.SetScore(12);
    EXPECT_EQ(bird.GetScore(), 12);
    GameClock::SetTickTime(0);
}
