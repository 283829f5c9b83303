#include "hud/Radar.h"
#include "actors/Car.h"
#include "actors/Fries.h"
#include "actors/HandMadeMap.h"
#include "actors/Ped.h"
#include "bird/Camera.h"
#include "support/Feedback.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The radar of an 800 x 600 window over the 10000 x 10000 city, as the HUD sets it up.
Radar CityRadar() {
    Radar radar;
    radar.SetZoomFactor(3.0f);
    radar.SetMapExtent(10000.0f, 10000.0f);
    radar.SetRadarSize(600.0f / 3.0f);
    radar.SetRadarX(static_cast<int>(800.0f * 8.0f / 9.0f));
    radar.SetRadarY(static_cast<int>(600.0f * 3.0f / 9.0f));
    return radar;
}

// A bird over (5000, 5000) looking along (hx, hy).
Camera BirdHeading(const float hx, const float hy) {
    Camera bird;
    bird.SetEye(5000.0f, 5000.0f, 1500.0f);
    bird.SetCenter(5000.0f + hx, 5000.0f + hy, 1400.0f);
    return bird;
}

TEST(RadarTest, BlipsAheadShowAboveTheCentreWithinTheDisc) {
    const Radar::PedList peds;
    const Radar::CarList cars;
    const Radar::FriesList fries;
    // Whatever the heading, 500 units ahead is 20 pixels up; 2000 is off the disc.
    for (const float degrees : {0.0f, 90.0f, 135.0f, 250.0f}) {
        const float hx = std::cos(degrees * static_cast<float>(degreesToRadians));
        const float hy = std::sin(degrees * static_cast<float>(degreesToRadians));
        Radar radar = CityRadar();
        radar.UpdateRadar(peds, cars, fries, BirdHeading(hx * 100.0f, hy * 100.0f));
        float sx = 0.0f;
        float sy = 0.0f;
        EXPECT_TRUE(
            radar.BlipPosition(Point(5000.0f + 500.0f * hx, 5000.0f + 500.0f * hy, 0.0f), sx, sy))
            << degrees;
        EXPECT_NEAR(sx, 711.0f, 0.01f) << degrees;
        EXPECT_NEAR(sy, 180.0f, 0.01f) << degrees;
        EXPECT_FALSE(
            radar.BlipPosition(Point(5000.0f + 2000.0f * hx, 5000.0f + 2000.0f * hy, 0.0f), sx, sy))
            << degrees;
    }
}

TEST(RadarTest, ZoomFactorStaysStrictlyBetweenOneAndFive) {
    Radar radar = CityRadar();
    for (int press = 0; press < 21; ++press) {
        radar.IncreaseZoomFactor(0.1f); // the 21st would reach 5
    }
    EXPECT_FLOAT_EQ(radar.GetZoomFactor(), 4.999998f);
    for (int press = 0; press < 100; ++press) {
        radar.DecreaseZoomFactor(0.1f);
    }
    EXPECT_FLOAT_EQ(radar.GetZoomFactor(), 1.0000007f);
    radar.SetZoomFactor(3.0f);
    radar.SetZoomFactor(5.0f);
    radar.SetZoomFactor(1.0f);
    EXPECT_FLOAT_EQ(radar.GetZoomFactor(), 3.0f);
    radar.SetRadarSize(0.1f);
    radar.DecreaseZoomDistance(0.1f);
    EXPECT_FLOAT_EQ(radar.GetZoomDistance(), 0.1f);
}

using RadarGlTest = GlTest;

TEST_F(RadarGlTest, RadarDrawsDiscActorsBirdAndNorthMarker) {
    SetOverlay(800, 600);
    Radar::PedList peds;
    Radar::CarList cars;
    Radar::FriesList fries;
    AddActor<Ped>(peds, 5500.0f, 5000.0f);          // 500 ahead: 20 px up
    AddActor<Ped>(peds, 7000.0f, 5000.0f);          // off the disc
    AddActor<Ped>(peds, 5000.0f, 4500.0f)->OnHit(); // 500 right: 20 px right
    AddActor<Fries>(fries, 5000.0f, 5500.0f);       // 500 left: 20 px left
    Radar radar = CityRadar();
    radar.UpdateRadar(peds, cars, fries, BirdHeading(100.0f, 0.0f));

    const auto drawn = Record([&radar] { radar.DrawRadar(); });

    // The disc: a fan of 33 triangles, none of it outside the circle.
    const auto disc = Feedback::OfKind(drawn, GL_POLYGON_TOKEN);
    EXPECT_EQ(disc.size(), 33u);
    for (const auto& t : disc) {
        for (const auto& v : t.vertices) {
            EXPECT_LE(std::hypot(v.x - 711.0f, OverlayY(v.y, 600) - 200.0f), 200.0f / 3.0f + 0.01f);
        }
    }
    // Points: the near ped, the scared one in grey, the fries, the bird in black
    // and the white marker toward world +y (left when flying along +x).
    const auto points = Feedback::OfKind(drawn, GL_POINT_TOKEN);
    ASSERT_EQ(points.size(), 5u);
    struct Expected {
        float x, y, r, g, b;
    };
    const Expected expected[] = {{711.0f, 180.0f, 0.7f, 1.0f, 0.7f},
                                 {731.0f, 200.0f, 0.5f, 0.5f, 0.5f},
                                 {691.0f, 200.0f, 1.0f, 0.2f, 0.2f},
                                 {711.0f, 200.0f, 0.0f, 0.0f, 0.0f},
                                 {711.0f - 938.0f * 400.0f / 10000.0f, 200.0f, 1.0f, 1.0f, 1.0f}};
    for (size_t i = 0; i < points.size(); ++i) {
        const FeedbackVertex& v = points[i].vertices[0];
        EXPECT_NEAR(v.x, expected[i].x, 0.01f) << i;
        EXPECT_NEAR(OverlayY(v.y, 600), expected[i].y, 0.01f) << i;
        EXPECT_NEAR(v.r, expected[i].r, 1e-3f) << i;
        EXPECT_NEAR(v.g, expected[i].g, 1e-3f) << i;
        EXPECT_NEAR(v.b, expected[i].b, 1e-3f) << i;
    }
}

} // namespace
