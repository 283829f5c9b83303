#include "actors/Car.h"
#include "actors/Cloud.h"
#include "actors/Fries.h"
#include "actors/Ped.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

void ExpectColour(const SceneObject& object, const float r, const float g, const float b) {
    EXPECT_FLOAT_EQ(object.GetColour()[0], r);
    EXPECT_FLOAT_EQ(object.GetColour()[1], g);
    EXPECT_FLOAT_EQ(object.GetColour()[2], b);
}

using PedDrawTest = GlTest;

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

TEST(ActorTest, MoveStepsAlongDirectionAndCarriesTheModel) {
    std::srand(3);
    Ped ped;
    ped.Translate(200.0f, 300.0f, 1.0f);
    ped.SetPosition(Point(200.0f, 300.0f, 1.0f));
    ped.SetDirection(Vector(0.0f, -1.0f, 0.0f));
    ped.SetSpeed(4.0f);
    ped.Move();
    ped.Move();
    EXPECT_EQ(ped.GetPosition().GetX(), 200.0f);
    EXPECT_EQ(ped.GetPosition().GetY(), 292.0f);
    const Point centre = ped.GetBoundingBox().GetCenter();
    EXPECT_FLOAT_EQ(centre.GetX(), 200.0f);
    EXPECT_FLOAT_EQ(centre.GetY(), 292.0f);
    EXPECT_FLOAT_EQ(centre.GetZ(), 1.0f);
}

TEST(ActorTest, PedAndCarConstructionAndHits) {
    std::srand(11);
    std::set<float> pedSpeeds;
    std::set<float> carSpeeds;
    for (int i = 0; i < 200; ++i) {
        const Ped ped;
        pedSpeeds.insert(ped.GetSpeed());
        const Car car;
        carSpeeds.insert(car.GetSpeed());
        for (int c = 0; c < 3; ++c) {
            EXPECT_GE(car.GetColour()[c], 0.51f);
            EXPECT_LE(car.GetColour()[c], 1.0f);
        }
    }
    EXPECT_EQ(pedSpeeds, (std::set<float>{2.0f, 3.0f, 4.0f}));
    EXPECT_EQ(carSpeeds.size(), 10u);
    EXPECT_EQ(*carSpeeds.begin(), 10.0f);
    EXPECT_EQ(*carSpeeds.rbegin(), 19.0f);

    // The car draws speed, then red, green and blue, in that order.
    std::srand(5);
    const int speedDraw = std::rand();
    const int red = std::rand();
    const int green = std::rand();
    const int blue = std::rand();
    std::srand(5);
    Car car;
    EXPECT_EQ(car.GetSpeed(), static_cast<float>(speedDraw % 10 + 10));
    ExpectColour(car, 1.0f - (red % 50) / 100.0f, 1.0f - (green % 50) / 100.0f,
                 1.0f - (blue % 50) / 100.0f);
    EXPECT_EQ(car.GetWalkMask(), 8);
    EXPECT_EQ(car.GetDirection().GetX(), 1.0f);
    EXPECT_FLOAT_EQ(car.GetBoundingBox().GetWidth(), 160.0f);

    EXPECT_EQ(car.GetPoints(), 20.0f);
    car.OnHit();
    ExpectColour(car, 0.0f, 0.7f, 0.0f);
    EXPECT_EQ(car.GetHitCount(), 1);
    EXPECT_EQ(car.GetPoints(), 20.0f);
    car.OnHit();
    EXPECT_EQ(car.GetHitCount(), 2);
    EXPECT_EQ(car.GetPoints(), 10.0f);

    Ped ped;
    EXPECT_EQ(ped.GetWalkMask(), 5);
    EXPECT_EQ(ped.GetPoints(), 10.0f);
    EXPECT_FLOAT_EQ(ped.GetBoundingBox().GetHeight(), 10.0f);
    ExpectColour(ped, 0.5f, 0.5f, 0.5f);
    ped.OnHit();
    ped.OnHit();
    ped.OnHit();
    ExpectColour(ped, 0.0f, 0.7f, 0.0f);
    EXPECT_EQ(ped.GetHitCount(), 3);
    EXPECT_FLOAT_EQ(ped.GetPoints(), 10.0f / 2.0f / 3.0f);
}

TEST(ActorTest, FriesKindsAndCloudSizes) {
    Fries fries;
    EXPECT_FLOAT_EQ(fries.GetBoundingBox().GetHeight(), 80.0f);
    EXPECT_FLOAT_EQ(fries.GetBoundingBox().GetWidth(), 10.0f);
    fries.SetKind(0);
    ExpectColour(fries, 0.7f, 0.7f, 0.0f);
    fries.SetKind(1);
    ExpectColour(fries, 0.9f, 0.9f, 0.5f);
    fries.SetKind(2);
    ExpectColour(fries, 1.0f, 1.0f, 1.0f);
    fries.SetKind(1);
    fries.SetKind(7); // unknown: the colour stays
    EXPECT_EQ(fries.GetKind(), 7);
    ExpectColour(fries, 0.9f, 0.9f, 0.5f);
    fries.SetValue(6.0f);
    EXPECT_EQ(fries.GetValue(), 6.0f);

    std::srand(21);
    for (int i = 0; i < 100; ++i) {
        Cloud cloud;
        EXPECT_GE(cloud.GetRadiusX(), 1200.0f);
        EXPECT_LE(cloud.GetRadiusX(), 3599.0f);
        EXPECT_GE(cloud.GetRadiusY(), 1200.0f);
        EXPECT_LE(cloud.GetRadiusY(), 3599.0f);
        EXPECT_GE(cloud.GetRadiusZ(), 300.0f);
        EXPECT_LE(cloud.GetRadiusZ(), 499.0f);
        // A cloud has speed but no direction: moving leaves it in place.
        cloud.Translate(10.0f, 20.0f, 30.0f);
        cloud.SetPosition(Point(10.0f, 20.0f, 30.0f));
        cloud.Move();
        EXPECT_EQ(cloud.GetSpeed(), 10.0f);
        EXPECT_EQ(cloud.GetPosition().GetX(), 10.0f);
        EXPECT_EQ(cloud.GetBoundingBox().GetCenter().GetZ(), 30.0f);
    }
}

TEST_F(PedDrawTest, SwingRunsToAndFroAndPanicTurnsEveryThirtyFrames) {
    std::srand(9);
    Ped ped;
    const float calmSpeed = ped.GetSpeed();
    const int calmSwings[] = {10, 20, -30, -20, -10, 0, 10, 20, -30};
    for (const int swing : calmSwings) {
        ped.Draw();
        EXPECT_EQ(ped.GetSwing(), swing);
    }
    EXPECT_EQ(ped.GetSpeed(), calmSpeed);
    EXPECT_EQ(ped.GetFrameCounter(), 9);

    // Panic from the next frame: faster, wider swings, and a random turn on
    // every frame whose count before the frame is a multiple of 30.
    Ped scared;
    scared.OnHit();
    const int panicSwings[] = {20, 40, -60, -40, -20, 0, 20};
    for (const int swing : panicSwings) {
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
