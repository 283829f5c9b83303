#include "hud/Gauge.h"
#include "hud/Feedback.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <string>

namespace {

constexpr int viewWidth = 800;
constexpr int viewHeight = 600;
constexpr float pi = std::numbers::pi_v<float>;

class GaugeTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        SetOverlay(viewWidth, viewHeight);
    }

    std::vector<FeedbackPrimitive> Capture(Gauge& gauge) {
        Feedback feedback;
        feedback.Begin();
        gauge.Draw();
        return feedback.End();
    }
};

Gauge SpeedBar(const float value) {
    Gauge g;
    g.SetKind(GaugeKind::HorizontalBar);
    g.SetLabel("SpeedOMeter");
    g.SetStartColor(1.0f, 1.0f, 0.0f, 1.0f);
    g.SetEndColor(1.0f, 1.0f, 0.5f, 0.7f);
    g.SetMaximum(100.0f);
    g.SetX(8);
    g.SetY(-258);
    g.SetValue(value);
    return g;
}

TEST_F(GaugeTest, HorizontalBarDrawsOneSlicePerStartedPercentAboveItsLabel) {
    struct Case {
        float value;
        int slices;
    };
    for (const Case c : {Case{50.0f, 50}, Case{0.5f, 1}, Case{0.0f, 0}, Case{-1.0f, 0}}) {
        Gauge bar = SpeedBar(c.value);
        EXPECT_EQ(bar.SliceCount(), c.slices) << c.value;
        const auto drawn = Capture(bar);
        constexpr float sliceArea = Gauge::sliceWidth * Gauge::sliceHeight;
        EXPECT_NEAR(Feedback::PolygonArea(drawn), sliceArea * static_cast<float>(c.slices), 1.0f)
            << c.value;
        // The label is drawn whatever the value, at the gauge's position.
        const auto label = Feedback::OfKind(drawn, GL_BITMAP_TOKEN);
        ASSERT_EQ(label.size(), std::strlen("SpeedOMeter")) << c.value;
        EXPECT_FLOAT_EQ(label[0].vertices[0].x, 8.0f);
        EXPECT_FLOAT_EQ(OverlayY(label[0].vertices[0].y, viewHeight), -258.0f);
    }

    // Fifty slices run from x to x + 200, 10 to 30 pixels above the label.
    Gauge half = SpeedBar(50.0f);
    const auto slices = Feedback::OfKind(Capture(half), GL_POLYGON_TOKEN);
    float left = 1e9f;
    float right = -1e9f;
    for (const auto& slice : slices) {
        for (const auto& v : slice.vertices) {
            left = std::min(left, v.x);
            right = std::max(right, v.x);
            const float y = OverlayY(v.y, viewHeight);
            EXPECT_TRUE(std::fabs(y - -268.0f) < 0.01f || std::fabs(y - -288.0f) < 0.01f) << y;
        }
    }
    EXPECT_NEAR(left, 8.0f, 0.01f);
    EXPECT_NEAR(right, 208.0f, 0.01f);
    // The first slice has the start colour; later ones blend toward the end colour.
    EXPECT_FLOAT_EQ(slices.front().vertices[0].b, 0.0f);
    EXPECT_GT(slices.back().vertices[0].b, 0.2f);
    EXPECT_LT(slices.back().vertices[0].b, 0.25f);
}

TEST_F(GaugeTest, BarWithoutAPositiveMaximumDrawsNoSlices) {
    Gauge bar = SpeedBar(10.0f);
    bar.SetMaximum(0.0f);
    EXPECT_EQ(bar.SliceCount(), 0);
    EXPECT_TRUE(Feedback::OfKind(Capture(bar), GL_POLYGON_TOKEN).empty());
}

TEST_F(GaugeTest, ScoreTextShowsValueAndSpaceRightOfTheLabel) {
    Gauge score;
    score.SetKind(GaugeKind::Text);
    score.SetLabel("SCORE");
    score.SetTextColor(1.0f, 0.0f, 0.0f, 1.0f);
    score.SetX(400);
    score.SetY(288);
    score.SetValue(120.0f);
    char text[Gauge::textSize];
    score.FormatValueText(text, sizeof text);
    EXPECT_STREQ(text, "120 ");
    EXPECT_FLOAT_EQ(score.ValueTextX(), 443.0f);

    const auto characters = Feedback::OfKind(Capture(score), GL_BITMAP_TOKEN);
    ASSERT_EQ(characters.size(), 9u); // "SCORE" and "120 "
    EXPECT_FLOAT_EQ(characters[5].vertices[0].x, 443.0f);
    EXPECT_FLOAT_EQ(OverlayY(characters[5].vertices[0].y, viewHeight), 288.0f);
    EXPECT_FLOAT_EQ(characters[0].vertices[0].r, 1.0f);
    EXPECT_FLOAT_EQ(characters[0].vertices[0].g, 0.0f);

    // With a maximum the value text reads "value / maximum"; label only shows none.
    score.SetMaximum(61.0f);
    score.SetValue(20.0f);
    score.FormatValueText(text, sizeof text);
    EXPECT_STREQ(text, "20 / 61");
    score.SetLabelOnly(1);
    score.FormatValueText(text, sizeof text);
    EXPECT_STREQ(text, "");
}

TEST_F(GaugeTest, LongTextsAreCutToTheirField) {
    Gauge g;
    const std::string longText(300, 'x');
    g.SetLabel(longText.c_str());
    g.SetUnitText(longText.c_str());
    EXPECT_EQ(std::strlen(g.GetLabel()), 99u);
    EXPECT_EQ(std::strlen(g.GetUnitText()), 99u);
    char text[Gauge::textSize];
    g.SetKind(GaugeKind::Text);
    g.FormatValueText(text, sizeof text);
    EXPECT_EQ(std::strlen(text), 99u);
}

TEST_F(GaugeTest, BlinkingFlashShowsOnThreeFramesOfFive) {
    Gauge flash;
    flash.SetKind(GaugeKind::Flash);
    flash.SetBlinking();
    flash.SetStartColor(0.7f, 0.0f, 0.0f, 0.5f);
    flash.SetX(viewWidth);
    flash.SetY(viewHeight);
    std::string pattern;
    for (int frame = 1; frame <= 12; ++frame) {
        pattern += Feedback::OfKind(Capture(flash), GL_POLYGON_TOKEN).empty() ? '.' : '#';
    }
    EXPECT_EQ(pattern, "##..###..###");

    // A hidden gauge neither draws nor advances its blink.
    flash.Hide();
    EXPECT_TRUE(Capture(flash).empty());
    flash.Show();
    EXPECT_TRUE(Feedback::OfKind(Capture(flash), GL_POLYGON_TOKEN).empty()); // frame 13
}

TEST_F(GaugeTest, ConePointsFromTheCentreTowardThePointer) {
    Gauge cone;
    cone.SetKind(GaugeKind::Cone);
    cone.SetPointB(400.0f, 0.0f);
    float angle = 0.0f;
    float length = 0.0f;

    cone.SetPointA(Vector(400.0f, 0.0f, 0.0f)); // centred: radius 1, pointing up
    cone.ConeSector(angle, length);
    EXPECT_FLOAT_EQ(length, 1.0f);
    EXPECT_NEAR(angle, pi, 1e-5);

    cone.SetPointA(Vector(400.0f, 100.0f, 0.0f)); // straight below
    cone.ConeSector(angle, length);
    EXPECT_FLOAT_EQ(length, 100.0f);
    EXPECT_NEAR(angle, 0.0f, 1e-5);
    // Every triangle of the sector lies below the centre, within 100 pixels.
    const auto triangles = Feedback::OfKind(Capture(cone), GL_POLYGON_TOKEN);
    ASSERT_FALSE(triangles.empty());
    for (const auto& t : triangles) {
        for (const auto& v : t.vertices) {
            const float y = OverlayY(v.y, viewHeight);
            EXPECT_GE(y, -0.01f);
            EXPECT_LE(std::hypot(v.x - 400.0f, y), 100.01f);
        }
    }

    cone.SetPointA(Vector(400.0f, -100.0f, 0.0f)); // straight above
    cone.ConeSector(angle, length);
    EXPECT_NEAR(angle, pi, 1e-5);

    cone.SetPointA(Vector(500.0f, 0.0f, 0.0f)); // to the right
    cone.ConeSector(angle, length);
    EXPECT_NEAR(angle, pi / 2.0f, 1e-5);
}

} // namespace
