#include "bird/Bird.h"
#include "bird/Dropping.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float pi = 3.14159265358f;
constexpr float halfPi = pi / 2.0f;

// A bird in a 10000 x 10000 city at (5000, 5000, height), looking level
// along +x from 1000 units away, so that the first tick neither climbs nor dives.
void FlyLevel(Bird& bird, const float height) {
    bird.SetWorldSize(10000.0f, 10000.0f);
    bird.SetEye(5000.0f, 5000.0f, height);
    bird.SetCenter(6000.0f, 5000.0f, height);
    bird.SetAngles(halfPi, 0.0f);
}

void AccelerateTo(Bird& bird, const float speed) {
    while (bird.GetSpeed() < speed) {
        bird.Accelerate(2.0f);
    }
}

} // namespace

TEST(BirdFlightTest, SpeedChangesLeavingTheOpenIntervalAreRefused) {
    Bird bird;
    bird.Accelerate(-3.0f);
    EXPECT_EQ(bird.GetSpeed(), 0.0f);
    bird.Accelerate(2.0f);
    EXPECT_EQ(bird.GetSpeed(), 2.0f);
    bird.Accelerate(-3.0f);
    EXPECT_EQ(bird.GetSpeed(), 2.0f);
    AccelerateTo(bird, 98.0f);
    EXPECT_EQ(bird.GetSpeed(), 98.0f);
    bird.Accelerate(2.0f); // 100 is outside too
    EXPECT_EQ(bird.GetSpeed(), 98.0f);
    bird.Accelerate(-3.0f);
    bird.Accelerate(2.0f);
    bird.Accelerate(2.0f);
    EXPECT_EQ(bird.GetSpeed(), 99.0f);
    bird.Accelerate(2.0f);
    EXPECT_EQ(bird.GetSpeed(), 99.0f);
}

TEST(BirdFlightTest, TheNoseSinksTheMoreTheSlowerTheBird) {
    Bird bird;
    FlyLevel(bird, 1000.0f);
    // A centred pointer does not turn: only the sink changes the polar angle.
    bird.Steer(0.0f, 0.0f);
    bird.Update();
    EXPECT_NEAR(bird.GetSpeed(), 0.0f, 1e-6f);
    EXPECT_NEAR(bird.GetPolarAngle(), halfPi + pi / 40.0f, 1e-6f);
    EXPECT_EQ(bird.GetAzimuth(), 0.0f);

    Bird cruising;
    FlyLevel(cruising, 1000.0f);
    AccelerateTo(cruising, 50.0f);
    cruising.Steer(0.0f, 0.0f);
    cruising.Update();
    EXPECT_NEAR(cruising.GetSpeed(), 50.0f, 1e-5f);
    EXPECT_NEAR(cruising.GetPolarAngle(), halfPi + pi / 80.0f, 1e-6f);
    // The step is the new heading at the bird's speed.
    EXPECT_NEAR(cruising.GetStep().Length(), 50.0f, 1e-3f);
    EXPECT_LT(cruising.GetStep().GetZ(), 0.0f);
}

TEST(BirdFlightTest, DivingSpeedsUpAndClimbingSlowsDownByTheRawDirection) {
    Bird bird;
    bird.SetWorldSize(10000.0f, 10000.0f);
    bird.StartGame();
    const float distance = bird.GetDirection().Length(); // about 7228
    bird.SetAngles(Camera::polarMax, 0.0f);
    bird.Update(); // points the bird straight down
    const float before = bird.GetSpeed();
    bird.Update();
    const float perTick = -distance * std::cos(Camera::polarMax) / 3000.0f;
    EXPECT_NEAR(bird.GetSpeed() - before, perTick, 1e-3f);
    EXPECT_NEAR(perTick, 2.41f, 0.01f);

    const float diving = bird.GetSpeed();
    bird.SetAngles(0.0f, 0.0f);
    bird.Steer(0.0f, 0.0f); // nose straight up
    bird.Update();
    EXPECT_NEAR(diving - bird.GetSpeed(), distance / 3000.0f, 1e-3f);
}

TEST(BirdFlightTest, TheBoxOfAirCorrectsBeforeTheStepAndKeepsTheHeading) {
    Bird high;
    FlyLevel(high, 2300.0f);
    AccelerateTo(high, 10.0f);
    high.Update();
    EXPECT_FLOAT_EQ(high.GetEyeZ(), 2200.0f + high.GetStep().GetZ());
    // The centre moved with the eye: the direction is the one the angles give.
    const Vector heading = high.GetDirection();
    const float r = heading.Length();
    EXPECT_NEAR(r, 1000.0f, 0.01f);
    EXPECT_NEAR(heading.GetZ(), r * std::cos(high.GetPolarAngle()), 0.01f);
    EXPECT_NEAR(heading.GetX(), r * std::sin(high.GetPolarAngle()), 0.01f);

    Bird low;
    FlyLevel(low, 10.0f);
    low.Update();
    EXPECT_EQ(low.GetEyeZ(), 35.0f);

    // A steep dive: the step would end underground; the floor holds the bird
    // and the heading stays straight down.
    Bird diving;
    FlyLevel(diving, 60.0f);
    diving.SetAngles(Camera::polarMax, 0.0f);
    diving.Steer(0.0f, 0.0f);
    AccelerateTo(diving, 80.0f);
    diving.Update();
    EXPECT_LT(diving.GetStep().GetZ(), -79.0f);
    EXPECT_EQ(diving.GetEyeZ(), 35.0f);
    EXPECT_NEAR(diving.GetDirection().GetZ(), -1000.0f * std::cos(Camera::polarMin), 0.01f);

    // x is held by the width, y by the depth.
    Bird corner;
    FlyLevel(corner, 1000.0f);
    corner.SetWorldSize(5000.0f, 4000.0f);
    corner.SetEye(4900.0f, 3900.0f, 1000.0f);
    corner.SetCenter(5900.0f, 3900.0f, 1000.0f);
    corner.Update();
    EXPECT_EQ(corner.GetEyeX(), 4825.0f);
    EXPECT_EQ(corner.GetEyeY(), 3825.0f);
    EXPECT_NEAR(corner.GetCenterX() - corner.GetEyeX(), 1000.0f * std::sin(corner.GetPolarAngle()),
                0.01f);

    corner.SetEye(100.0f, 50.0f, 1000.0f);
    corner.SetCenter(1100.0f, 50.0f, 1000.0f);
    corner.Update();
    EXPECT_EQ(corner.GetEyeX(), 175.0f);
    EXPECT_EQ(corner.GetEyeY(), 175.0f);
}

TEST(BirdFlightTest, LightAndBodyCubeFollowTheEye) {
    Bird bird;
    FlyLevel(bird, 800.0f);
    AccelerateTo(bird, 30.0f);
    for (int tick = 0; tick < 3; ++tick) {
        bird.Steer(0.4f, -0.2f);
        bird.Update();
        const GLfloat* position = bird.GetLight().GetPosition();
        EXPECT_EQ(position[0], bird.GetEyeX());
        EXPECT_EQ(position[1], bird.GetEyeY());
        EXPECT_EQ(position[2], bird.GetEyeZ());
        EXPECT_EQ(position[3], 1.0f);
        const GLfloat* direction = bird.GetLight().GetDirection();
        EXPECT_EQ(direction[0], bird.GetCenterX());
        EXPECT_EQ(direction[1], bird.GetCenterY());
        EXPECT_EQ(direction[2], bird.GetCenterZ());

        const Matrix& cube = bird.GetBodyCube().GetModelMatrix();
        EXPECT_EQ(cube.Get(0, 3), bird.GetEyeX());
        EXPECT_EQ(cube.Get(1, 3), bird.GetEyeY());
        EXPECT_EQ(cube.Get(2, 3), bird.GetEyeZ() - 2.0f);
        EXPECT_EQ(cube.Get(0, 0), 1.0f);
        EXPECT_EQ(cube.Get(2, 2), 1.0f);
    }
}

TEST(BirdFlightTest, AZeroDirectionGivesNoNaN) {
    Bird bird;
    bird.SetWorldSize(10000.0f, 10000.0f);
    bird.SetEye(3000.0f, 3000.0f, 500.0f);
    bird.SetCenter(3000.0f, 3000.0f, 500.0f);
    AccelerateTo(bird, 20.0f);
    for (int tick = 0; tick < 5; ++tick) {
        bird.Steer(0.5f, 0.5f);
        bird.Update();
    }
    EXPECT_EQ(bird.GetEyeX(), 3000.0f);
    EXPECT_EQ(bird.GetEyeY(), 3000.0f);
    EXPECT_EQ(bird.GetEyeZ(), 500.0f);
    EXPECT_EQ(bird.GetStep().Length(), 0.0f);
    EXPECT_TRUE(std::isfinite(bird.GetCenterZ()));

    // A dropping let go on the ground has nowhere to aim: it falls by gravity alone.
    Dropping dropping;
    dropping.Launch(Point(10.0f, 20.0f, 0.0f));
    dropping.Fall();
    EXPECT_EQ(dropping.GetBoundingBox().GetCenter().GetZ(), -1.0f);
    EXPECT_EQ(dropping.GetBoundingBox().GetCenter().GetX(), 10.0f);
}
