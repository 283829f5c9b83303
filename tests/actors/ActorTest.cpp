#include "actors/Car.h"
#include "actors/Cloud.h"
#include "actors/Fries.h"
#include "actors/Ped.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <set>
#include <string>

namespace {

std::array<float, 3> Colour(const SceneObject& object) {
    return {object.GetColour()[0], object.GetColour()[1], object.GetColour()[2]};
}

constexpr std::array<float, 3> hitGreen{0.0f, 0.7f, 0.0f};

} // namespace

TEST(ActorTest, TurnGivesExactAxisDirectionsAndFacing) {
    // For each of the four turns: the direction and the facing it must give.
    const float expectedX[4] = {0.0f, -1.0f, 0.0f, 1.0f};
    const float expectedY[4] = {1.0f, 0.0f, -1.0f, 0.0f};
    const int expectedFacing[4] = {90, 180, -90, 0};
    std::set<int> seen;
    for (unsigned int seed = 1; seen.size() < 4 && seed < 200; ++seed) {
        std::srand(seed);
        const int r = std::rand() & 3;
        std::srand(seed);
        Fries actor;
        actor.SetDirection(Vector(0.5f, 0.5f, 7.0f));
        actor.Turn();
        EXPECT_EQ(actor.GetDirection().GetX(), expectedX[r]) << "turn " << r;
        EXPECT_EQ(actor.GetDirection().GetY(), expectedY[r]) << "turn " << r;
        EXPECT_EQ(actor.GetDirection().GetZ(), 7.0f) << "z is left alone";
        EXPECT_EQ(actor.GetFacing(), expectedFacing[r]);
        seen.insert(r);
    }
    EXPECT_EQ(seen.size(), 4u);
}

TEST(ActorTest, RandomSpeedsSizesAndWhatHitsDo) {
    std::srand(11);
    std::set<float> pedSpeeds;
    std::set<float> carSpeeds;
    for (int i = 0; i < 200; ++i) {
        pedSpeeds.insert(Ped().GetSpeed());
        const Car car;
        carSpeeds.insert(car.GetSpeed());
        const Cloud cloud;
        EXPECT_TRUE(std::min(cloud.GetRadiusX(), cloud.GetRadiusY()) >= 1200.0f &&
                    std::max(cloud.GetRadiusX(), cloud.GetRadiusY()) <= 3599.0f);
    }
    EXPECT_EQ(pedSpeeds, (std::set<float>{2.0f, 3.0f, 4.0f}));
    EXPECT_EQ(carSpeeds, (std::set<float>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));

    // A hit turns an actor green, and each hit divides its worth (car 20,
    // ped 10) by the number of hits so far.
    Car car;
    car.OnHit();
    EXPECT_EQ(Colour(car), hitGreen);
    EXPECT_EQ(car.GetPoints(), 20.0f);
    car.OnHit();
    EXPECT_EQ(car.GetPoints(), 10.0f);
    Ped ped;
    for (int hit = 0; hit < 3; ++hit) {
        ped.OnHit();
    }
    EXPECT_EQ(Colour(ped), hitGreen);
    EXPECT_FLOAT_EQ(ped.GetPoints(), 10.0f / 2.0f / 3.0f);
}

using ActorGlTest = GlTest;

TEST_F(ActorGlTest, PedSwingRunsToAndFroAndPanicTurnsEveryThirtyFrames) {
    std::srand(9);
    Ped ped;
    const float calmSpeed = ped.GetSpeed();
    std::string swings;
    for (int frame = 0; frame < 9; ++frame) {
        ped.Draw();
        swings += std::to_string(ped.GetSwing()) + " ";
    }
    EXPECT_EQ(swings, "10 20 -30 -20 -10 0 10 20 -30 ");
    EXPECT_EQ(ped.GetSpeed(), calmSpeed);

    // Panic from the next frame: faster, wider swings, and a random turn on
    // every frame whose count before the frame is a multiple of 30.
    Ped scared;
    scared.OnHit();
    for (const int swing : {20, 40, -60, -40, -20, 0, 20}) {
        scared.SetDirection(Vector(0.5f, 0.5f, 0.0f));
        scared.Draw();
        EXPECT_EQ(scared.GetSwing(), swing);
        const bool turned = scared.GetDirection().GetX() != 0.5f;
        EXPECT_EQ(turned, scared.GetFrameCounter() == 1) << "frame " << scared.GetFrameCounter();
    }
    EXPECT_EQ(scared.GetSpeed(), Ped::panicSpeed);
    while (scared.GetFrameCounter() < 30) {
        scared.SetDirection(Vector(0.5f, 0.5f, 0.0f));
        scared.Draw();
        EXPECT_EQ(scared.GetDirection().GetX(), 0.5f);
    }
    scared.Draw();
    EXPECT_NE(scared.GetDirection().GetX(), 0.5f);
}
