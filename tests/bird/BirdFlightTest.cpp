#include "bird/Bird.h"
#include "bird/Dropping.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr float halfPi = static_cast<float>(pi / 2.0);

// A bird in a 10000 x 10000 city at (5000, 5000, height), looking level
// along +x from 1000 units away, so that the first tick neither climbs nor dives.
void FlyLevel(Bird& bird, const float height, const float speed = 0.0f) {
    bird.SetWorldSize(10000.0f, 10000.0f);
    bird.SetEye(5000.0f, 5000.0f, height);
    bird.SetCenter(6000.0f, 5000.0f, height);
    bird.SetAngles(halfPi, 0.0f);
    while (bird.GetSpeed() < speed) {
        bird.Accelerate(2.0f);
    }
}

std::array<float, 3> Eye(const Bird& bird) {
    return {bird.GetEyeX(), bird.GetEyeY(), bird.GetEyeZ()};
}

} // namespace

TEST(BirdFlightTest, SpeedChangesLeavingTheOpenIntervalAreRefused) {
    Bird bird;
    std::vector<float> speeds;
    for (const float change : {-3.0f, 2.0f, -3.0f}) {
        bird.Accelerate(change);
        speeds.push_back(bird.GetSpeed());
    }
    FlyLevel(bird, 1000.0f, 98.0f);
    for (const float change : {2.0f, -3.0f, 2.0f, 2.0f, 2.0f}) {
        bird.Accelerate(change); // 100 is outside too
        speeds.push_back(bird.GetSpeed());
    }
    EXPECT_EQ(speeds, (std::vector<float>{0, 2, 2, 98, 95, 97, 99, 99}));
}

TEST(BirdFlightTest, TheNoseSinksTheMoreTheSlowerTheBird) {
    // A centred pointer does not turn: only the sink changes the polar angle.
    for (const auto& [speed, sink] : {std::pair{0.0f, static_cast<float>(pi / 40.0)},
                                      std::pair{50.0f, static_cast<float>(pi / 80.0)}}) {
        Bird bird;
        FlyLevel(bird, 1000.0f, speed);
        bird.Steer(0.0f, 0.0f);
        bird.Update();
        EXPECT_NEAR(bird.GetPolarAngle(), halfPi + sink, 1e-6f);
        EXPECT_EQ(bird.GetAzimuth(), 0.0f);
        // The step is the new heading at the bird's speed.
        EXPECT_NEAR(bird.GetStep().Length(), speed, 1e-3f);
    }
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
    EXPECT_NEAR(bird.GetSpeed() - before, 2.41f, 0.01f);

    const float diving = bird.GetSpeed();
    bird.SetAngles(0.0f, 0.0f);
    bird.Steer(0.0f, 0.0f); // nose straight up
    bird.Update();
    EXPECT_NEAR(diving - bird.GetSpeed(), distance / 3000.0f, 1e-3f);
}

TEST(BirdFlightTest, TheBoxOfAirCorrectsBeforeTheStepAndKeepsTheHeading) {
    Bird high;
    FlyLevel(high, 2300.0f, 10.0f);
    high.Update();
    EXPECT_FLOAT_EQ(high.GetEyeZ(), 2200.0f + high.GetStep().GetZ());
    // The centre moved with the eye: the direction is the one the angles give.
    EXPECT_NEAR(high.GetDirection().GetZ(), 1000.0f * std::cos(high.GetPolarAngle()), 0.01f);
    EXPECT_NEAR(high.GetDirection().GetX(), 1000.0f * std::sin(high.GetPolarAngle()), 0.01f);

    // A steep dive from 60: the step would end underground; the floor of 35
    // holds the bird and the heading stays straight down.
    Bird diving;
    FlyLevel(diving, 60.0f, 80.0f);
    diving.SetAngles(Camera::polarMax, 0.0f);
    diving.Update();
    EXPECT_LT(diving.GetStep().GetZ(), -79.0f);
    EXPECT_EQ(diving.GetEyeZ(), 35.0f);
    EXPECT_NEAR(diving.GetDirection().GetZ(), -1000.0f * std::cos(Camera::polarMin), 0.01f);

    // x is held by the width, y by the depth, 175 from every side.
    Bird corner;
    FlyLevel(corner, 1000.0f);
    corner.SetWorldSize(5000.0f, 4000.0f);
    corner.SetEye(4900.0f, 3900.0f, 10.0f);
    corner.SetCenter(5900.0f, 3900.0f, 10.0f);
    corner.Update();
    EXPECT_EQ(Eye(corner), (std::array<float, 3>{4825.0f, 3825.0f, 35.0f}));
    EXPECT_NEAR(corner.GetCenterX() - corner.GetEyeX(), 1000.0f * std::sin(corner.GetPolarAngle()),
                0.01f);
    corner.SetEye(100.0f, 50.0f, 1000.0f);
    corner.SetCenter(1100.0f, 50.0f, 1000.0f);
    corner.Update();
    EXPECT_EQ(Eye(corner), (std::array<float, 3>{175.0f, 175.0f, 1000.0f}));
}

TEST(BirdFlightTest, LightAndBodyCubeFollowTheEye) {
    Bird bird;
    FlyLevel(bird, 800.0f, 30.0f);
    for (int tick = 0; tick < 3; ++tick) {
        bird.Steer(0.4f, -0.2f);
        bird.Update();
        const GLfloat* light = bird.GetLight().GetPosition();
        const GLfloat* aim = bird.GetLight().GetDirection();
        const Matrix& cube = bird.GetBodyCube().GetModelMatrix();
        // The light at the eye aiming at the centre; the unit cube 2 below the eye.
        EXPECT_EQ((std::vector<float>{light[0], light[1], light[2], light[3], aim[0], aim[1],
                                      aim[2], cube.Get(0, 3), cube.Get(1, 3), cube.Get(2, 3) + 2,
                                      cube.Get(0, 0) * cube.Get(2, 2)}),
                  (std::vector<float>{bird.GetEyeX(), bird.GetEyeY(), bird.GetEyeZ(), 1,
                                      bird.GetCenterX(), bird.GetCenterY(), bird.GetCenterZ(),
                                      bird.GetEyeX(), bird.GetEyeY(), bird.GetEyeZ(), 1}));
    }
}

TEST(BirdFlightTest, AZeroDirectionGivesNoNaN) {
    Bird bird;
    bird.SetWorldSize(10000.0f, 10000.0f);
    bird.SetEye(3000.0f, 3000.0f, 500.0f);
    bird.SetCenter(3000.0f, 3000.0f, 500.0f);
    bird.Accelerate(20.0f);
    for (int tick = 0; tick < 5; ++tick) {
        bird.Steer(0.5f, 0.5f);
        bird.Update();
    }
    EXPECT_EQ(Eye(bird), (std::array<float, 3>{3000.0f, 3000.0f, 500.0f}));
    EXPECT_TRUE(std::isfinite(bird.GetCenterZ()));

    // A dropping let go on the ground has nowhere to aim: it falls by gravity alone.
    Dropping dropping;
    dropping.Launch(Point(10.0f, 20.0f, 0.0f));
    dropping.Fall();
    EXPECT_EQ(dropping.GetBoundingBox().GetCenter().GetZ(), -1.0f);
    EXPECT_EQ(dropping.GetBoundingBox().GetCenter().GetX(), 10.0f);
}
