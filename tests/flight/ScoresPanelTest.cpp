#include "flight/ScoresPanel.h"
#include "menu/Menu.h"
#include "support/Feedback.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

constexpr float mainMenuHeight = 134.0f;

std::vector<Flight> TenFlights() {
    std::vector<Flight> flights;
    for (int i = 0; i < 10; ++i) {
        Flight flight;
        flight.score = 12000 - 1000 * i;
        flight.level = 12 - i;
        flight.peds = 40;
        flight.cars = 12;
        flight.fries = 7;
        flight.playedMs = 754000;
        flight.date = 1718000000;
        flights.push_back(flight);
    }
    return flights;
}

std::string ShippedIntroText() {
    std::ifstream in(GULLMAR_SOURCE_DIR "/config/introText.txt");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The menu where the shell puts it in a window of that size.
OverlayRect MainMenuIn(const int width, const int height) {
    return {static_cast<float>(width / 5), static_cast<float>(height / 4), Menu::panelWidth,
            mainMenuHeight};
}

bool Touches(const OverlayRect& a, const OverlayRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

// Whether a panel of that size fits anywhere in the window clear of the menu
// and the intro by the panel's gap, found by trying every whole pixel.
bool FitsAnywhere(const float width, const float height, const float w, const float h,
                  const OverlayRect& menu, const OverlayRect* intro) {
    const auto widened = [](const OverlayRect& r) {
        constexpr float gap = ScoresPanel::gap;
        return OverlayRect{r.x - gap, r.y - gap, r.width + 2.0f * gap, r.height + 2.0f * gap};
    };
    for (float y = -h / 2.0f + ScoresPanel::edge; y + height <= h / 2.0f - ScoresPanel::edge;
         y += 1.0f) {
        for (float x = ScoresPanel::edge; x + width <= w - ScoresPanel::edge; x += 1.0f) {
            const OverlayRect r{x, y, width, height};
            if (!Touches(r, widened(menu)) && (intro == nullptr || !Touches(r, widened(*intro)))) {
                return true;
            }
        }
    }
    return false;
}

TEST(ScoresPanelTest, LinesInTwoFormsAndTheMarkOnlyOnAPlaceOfTheTable) {
    ScoresPanel panel;
    ASSERT_EQ(panel.LineCount(), 1);
    EXPECT_EQ(panel.LongLine(0), "No flights yet");
    panel.SetFlights(TenFlights(), 3);
    ASSERT_EQ(panel.LineCount(), 10);
    EXPECT_EQ(panel.MarkedPlace(), 3);
    EXPECT_EQ(panel.LongLine(0).substr(0, 47), " 1.  12000 points  level 12   40 peds  12 cars ");
    EXPECT_NE(panel.LongLine(0).find("  7 fries  12:34  2024-06-"), std::string::npos)
        << panel.LongLine(0);
    EXPECT_EQ(panel.ShortLine(9), "10.   3000  level 3");
    panel.SetFlights(TenFlights(), 11);
    EXPECT_EQ(panel.MarkedPlace(), 0);
    panel.SetFlights({}, 1);
    EXPECT_EQ(panel.MarkedPlace(), 0);
}

TEST(ScoresPanelTest, IntroTextCoversItsLinesFromTheFirstBaseline) {
    const OverlayRect r = ScoresPanel::TextRect(200.0f, -300.0f, "ab\n\nabcd\n");
    EXPECT_FLOAT_EQ(r.x, 200.0f);
    EXPECT_FLOAT_EQ(r.y, -311.0f);
    EXPECT_FLOAT_EQ(r.width, 32.0f);
    EXPECT_FLOAT_EQ(r.height, 2.0f * 13.0f + 13.0f);
    EXPECT_FLOAT_EQ(ScoresPanel::TextRect(0.0f, 0.0f, "").width, 0.0f);
}

TEST(ScoresPanelTest, FindsRoomBesideTheMenuOrElsewhereAndNeverCoversIt) {
    ScoresPanel panel;
    panel.SetFlights(TenFlights(), 1);
    const std::string introText = ShippedIntroText();
    const OverlayRect intro = ScoresPanel::TextRect(200.0f, -300.0f, introText.c_str());
    struct Expected {
        int width;
        int height;
        int lines; // flight lines shown with the intro up
    };
    const Expected sizes[] = {{1920, 1080, 10}, {1280, 1024, 10}, {1024, 768, 10}, {800, 800, 10},
                              {640, 480, 9},    {300, 300, 6},    {120, 90, 0},    {0, 0, 0}};
    for (const Expected& size : sizes) {
        const float w = static_cast<float>(size.width);
        const float h = static_cast<float>(size.height);
        const OverlayRect menu = MainMenuIn(size.width, size.height);
        for (const OverlayRect* shownIntro : {&intro, static_cast<const OverlayRect*>(nullptr)}) {
            const ScoresPanel::Place place = panel.PlaceIn(w, h, menu, shownIntro);
            SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height) +
                         (shownIntro != nullptr ? " with the intro" : ""));
            if (shownIntro != nullptr) {
                EXPECT_EQ(place.flightLines, size.lines);
            }
            if (place.flightLines == 0) {
                continue;
            }
            const OverlayRect& r = place.rect;
            EXPECT_GE(r.x, 0.0f);
            EXPECT_LE(r.x + r.width, w);
            EXPECT_GE(r.y, -h / 2.0f);
            EXPECT_LE(r.y + r.height, h / 2.0f);
            EXPECT_FALSE(Touches(r, menu));
            if (shownIntro != nullptr) {
                EXPECT_FALSE(Touches(r, intro));
            }
            // As many lines as fit: one more, even short, fits nowhere.
            if (place.flightLines < panel.LineCount()) {
                size_t chars = std::strlen(ScoresPanel::title);
                for (int i = 0; i < panel.LineCount(); ++i) {
                    chars = std::max(chars, panel.ShortLine(i).size());
                }
                const float width =
                    2.0f * ScoresPanel::padding +
                    static_cast<float>(ScoresPanel::markerChars + chars) * ScoresPanel::charWidth;
                const float height =
                    2.0f * ScoresPanel::padding +
                    static_cast<float>(place.flightLines + 1) * ScoresPanel::lineStep + 13.0f;
                EXPECT_FALSE(FitsAnywhere(width, height, w, h, menu, shownIntro));
            }
        }
    }

    // Where there is room, right of the menu in full, clear of the HUD's rows.
    const ScoresPanel::Place wide = panel.PlaceIn(1920.0f, 1080.0f, MainMenuIn(1920, 1080), &intro);
    EXPECT_FLOAT_EQ(wide.rect.x, 384.0f + 800.0f + ScoresPanel::gap);
    EXPECT_FLOAT_EQ(wide.rect.y, 270.0f);
    EXPECT_FALSE(wide.shortForm);
    // In 800 by 800 the menu runs off the right edge: the panel goes above
    // it, below the intro text.
    const ScoresPanel::Place square = panel.PlaceIn(800.0f, 800.0f, MainMenuIn(800, 800), &intro);
    EXPECT_FALSE(square.shortForm);
    EXPECT_LE(square.rect.y + square.rect.height, 200.0f - ScoresPanel::gap);
    EXPECT_GE(square.rect.y, intro.y + intro.height + ScoresPanel::gap);
}

class ScoresPanelDrawTest : public GlTest {};

TEST_F(ScoresPanelDrawTest, DrawsItsPanelAndMarksTheNewFlightLeavingTheStateAsItWas) {
    constexpr int size = 256;
    SetOverlay(size, size);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    ScoresPanel panel;
    std::vector<Flight> flights = TenFlights();
    flights.resize(3);
    panel.SetFlights(flights, 2);
    const OverlayRect menu{0.0f, -100.0f, 40.0f, 40.0f};
    const ScoresPanel::Place place = panel.PlaceIn(size, size, menu, nullptr);
    ASSERT_EQ(place.flightLines, 3);
    EXPECT_TRUE(place.shortForm);
    EXPECT_FLOAT_EQ(place.rect.x, 50.0f);
    EXPECT_FLOAT_EQ(place.rect.y, -100.0f);
    panel.Draw(size, size, menu, nullptr);

    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);

    // Window rows count from the bottom: overlay y = 128 - row.
    const auto row = [](const float overlayY) { return static_cast<int>(128.0f - overlayY); };
    const int left = static_cast<int>(place.rect.x);
    const int right = static_cast<int>(place.rect.x + place.rect.width);
    EXPECT_EQ(ReadPixels(left - 5, row(-90.0f), 1, 1)[0], (Rgb{0, 0, 0})) << "left of it";
    EXPECT_EQ(ReadPixels(right + 5, row(-90.0f), 1, 1)[0], (Rgb{0, 0, 0})) << "right of it";
    const Rgb backing = ReadPixels(right - 3, row(-95.0f), 1, 1)[0];
    EXPECT_NEAR(backing[0], 77, 3) << "a third of white over black";

    // Each text row: white letters, yellow on the marked (second) flight only.
    const auto colours = [&](const int line) {
        const float baseline = place.rect.y + ScoresPanel::padding + ScoresPanel::ascent +
                               static_cast<float>(line) * ScoresPanel::lineStep;
        return ReadPixels(left, row(baseline), right - left, 11);
    };
    for (int line = 0; line <= 3; ++line) {
        int white = 0;
        int yellow = 0;
        for (const Rgb& pixel : colours(line)) {
            white += pixel[0] > 240 && pixel[1] > 240 && pixel[2] > 240;
            yellow += pixel[0] > 240 && pixel[1] > 200 && pixel[2] < 120;
        }
        EXPECT_EQ(white > 20, line != 2) << line;
        EXPECT_EQ(yellow > 20, line == 2) << line;
    }
}

} // namespace
