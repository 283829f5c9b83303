#include "hud/Gauge.h"
#include "support/Feedback.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <string>

namespace {

constexpr int viewHeight = 600;
constexpr float pi = std::numbers::pi_v<float>;

// Gauges drawn in the overlay of an 800 x 600 window.
class GaugeTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        SetOverlay(800, viewHeight);
    }
    static std::vector<FeedbackPrimitive> Drawn(Gauge& gauge) {
        return Record([&gauge] { gauge.Draw(); });
    }
    static std::vector<FeedbackPrimitive> Polygons(Gauge& gauge) {
        return Feedback::OfKind(Drawn(gauge), GL_POLYGON_TOKEN);
    }
    static std::string ValueText(const Gauge& gauge) {
        char text[Gauge::textSize];
        gauge.FormatValueText(text, sizeof text);
        return text;
    }
};

Gauge SpeedBar(const float value, const float maximum = 100.0f) {
    Gauge g;
    g.SetKind(GaugeKind::HorizontalBar);
    g.SetLabel("SpeedOMeter");
    g.SetStartColor(1.0f, 1.0f, 0.0f, 1.0f);
    g.SetEndColor(1.0f, 1.0f, 0.5f, 0.7f);
    g.SetMaximum(maximum);
    g.SetX(8);
    g.SetY(-258);
    g.SetValue(value);
    return g;
}

TEST_F(GaugeTest, HorizontalBarDrawsOneSlicePerStartedPercentAboveItsLabel) {
    struct Case {
        float value;
        float maximum;
        int slices;
    };
    for (const Case c : {Case{50, 100, 50}, Case{0.5f, 100, 1}, Case{0, 100, 0}, Case{-1, 100, 0},
                         Case{10, 0, 0}}) {
        Gauge bar = SpeedBar(c.value, c.maximum);
        EXPECT_EQ(bar.SliceCount(), c.slices) << c.value;
        const auto drawn = Drawn(bar);
        EXPECT_NEAR(Feedback::PolygonArea(drawn),
                    Gauge::sliceWidth * Gauge::sliceHeight * static_cast<float>(c.slices), 1.0f)
            << c.value;
        // The label is drawn whatever the value, at the gauge's position.
        const auto label = Feedback::OfKind(drawn, GL_BITMAP_TOKEN);
        ASSERT_EQ(label.size(), std::strlen("SpeedOMeter")) << c.value;
        EXPECT_FLOAT_EQ(label[0].vertices[0].x, 8.0f);
        EXPECT_FLOAT_EQ(OverlayY(label[0].vertices[0].y, viewHeight), -258.0f);
    }
    // Fifty slices run from x to x + 200, 10 to 30 pixels above the label.
    Gauge half = SpeedBar(50.0f);
    for (const auto& slice : Polygons(half)) {
        for (const auto& v : slice.vertices) {
            EXPECT_TRUE(v.x >= 7.99f && v.x <= 208.01f) << v.x;
            EXPECT_NEAR(std::fabs(OverlayY(v.y, viewHeight) + 278.0f), 10.0f, 0.01f);
        }
    }
}

TEST_F(GaugeTest, ScoreTextShowsValueAndSpaceRightOfTheLabel) {
    Gauge score;
    score.SetKind(GaugeKind::Text);
    score.SetLabel("SCORE");
    score.SetTextColor(1.0f, 0.0f, 0.0f, 1.0f);
    score.SetX(400);
    score.SetY(288);
    score.SetValue(120.0f);
    EXPECT_EQ(ValueText(score), "120 ");
    const auto characters = Feedback::OfKind(Drawn(score), GL_BITMAP_TOKEN);
    ASSERT_EQ(characters.size(), 9u); // "SCORE" and "120 "
    EXPECT_FLOAT_EQ(characters[5].vertices[0].x, 443.0f);
    EXPECT_FLOAT_EQ(OverlayY(characters[5].vertices[0].y, viewHeight), 288.0f);
    EXPECT_FLOAT_EQ(characters[0].vertices[0].r, 1.0f);
    EXPECT_FLOAT_EQ(characters[0].vertices[0].g, 0.0f);
    // A label-only gauge shows no value ("value / maximum" is in the frame-rate test).
    score.SetLabelOnly(1);
    EXPECT_EQ(ValueText(score), "");

    // Texts longer than their fields are cut, never overrun.
    const std::string longText(300, 'x');
    score.SetLabel(longText.c_str());
    score.SetUnitText(longText.c_str());
    score.SetLabelOnly(0);
    EXPECT_EQ(std::strlen(score.GetLabel()), 99u);
    EXPECT_EQ(std::strlen(score.GetUnitText()), 99u);
    EXPECT_EQ(ValueText(score).size(), 99u);
}

TEST_F(GaugeTest, BlinkingFlashShowsOnThreeFramesOfFive) {
    Gauge flash;
    flash.SetKind(GaugeKind::Flash);
    flash.SetBlinking();
    flash.SetStartColor(0.7f, 0.0f, 0.0f, 0.5f);
    flash.SetX(800);
    flash.SetY(viewHeight);
    std::string pattern;
    for (int frame = 1; frame <= 12; ++frame) {
        pattern += Polygons(flash).empty() ? '.' : '#';
    }
    EXPECT_EQ(pattern, "##..###..###");
    // A hidden gauge neither draws nor advances its blink.
    flash.Hide();
    EXPECT_TRUE(Drawn(flash).empty());
    flash.Show();
    EXPECT_TRUE(Polygons(flash).empty()); // frame 13
}

TEST_F(GaugeTest, ConePointsFromTheCentreTowardThePointer) {
    Gauge cone;
    cone.SetKind(GaugeKind::Cone);
    cone.SetPointB(400.0f, 0.0f);
    struct Case {
        float x, y, angle, length;
    };
    // Centred: radius 1, pointing up; then below, above and to the right.
    for (const Case c : {Case{400, 0, pi, 1}, Case{400, 100, 0, 100}, Case{400, -100, pi, 100},
                         Case{500, 0, pi / 2, 100}}) {
        cone.SetPointA(Vector(c.x, c.y, 0.0f));
        float angle = 0.0f;
        float length = 0.0f;
        cone.ConeSector(angle, length);
        EXPECT_NEAR(angle, c.angle, 1e-5) << c.x << "," << c.y;
        EXPECT_FLOAT_EQ(length, c.length) << c.x << "," << c.y;
    }
    // Straight below: every triangle of the sector lies below the centre, within 100 pixels.
    cone.SetPointA(Vector(400.0f, 100.0f, 0.0f));
    const auto triangles = Polygons(cone);
    ASSERT_FALSE(triangles.empty());
    for (const auto& t : triangles) {
        for (const auto& v : t.vertices) {
            const float y = OverlayY(v.y, viewHeight);
            EXPECT_GE(y, -0.01f);
            EXPECT_LE(std::hypot(v.x - 400.0f, y), 100.01f);
        }
    }
}

} // namespace
