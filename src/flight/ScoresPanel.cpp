#include "flight/ScoresPanel.h"

#include "hud/Color.h"
#include "legacygl/Gl.h"
#include "menu/MenuItem.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {

// The HUD's top text row and its score row stand this part of the window's
// height from its top and bottom edges (their baselines).
constexpr float hudRowInset = 0.02f;
constexpr float fontLineHeight = ScoresPanel::ascent + ScoresPanel::descent;
constexpr const char* noFlights = "No flights yet";
constexpr const char* marker = ">";
constexpr Color background{1.0f, 1.0f, 1.0f, 0.3f}; // the menu's
constexpr Color outline{0.3f, 0.3f, 0.3f, 1.0f};
constexpr Color textColor{1.0f, 1.0f, 1.0f, 1.0f};
constexpr Color markedColor{1.0f, 0.9f, 0.2f, 1.0f};
constexpr size_t lineSize = 160;

struct Bounds {
    float left;
    float top;
    float right;
    float bottom;
};

// Closer than the gap counts as covering.
bool Overlaps(const OverlayRect& a, const OverlayRect& b) {
    constexpr float gap = ScoresPanel::gap;
    return a.x < b.x + b.width + gap && b.x < a.x + a.width + gap && a.y < b.y + b.height + gap &&
           b.y < a.y + a.height + gap;
}

bool Inside(const OverlayRect& r, const Bounds& b) {
    return r.x >= b.left && r.y >= b.top && r.x + r.width <= b.right && r.y + r.height <= b.bottom;
}

enum class Side { Right, Left, Above, Below };
constexpr std::array sides{Side::Right, Side::Left, Side::Above, Side::Below};

bool OnSide(const Side side, const OverlayRect& r, const OverlayRect& menu) {
    switch (side) {
    case Side::Right:
        return r.x >= menu.x + menu.width;
    case Side::Left:
        return r.x + r.width <= menu.x;
    case Side::Above:
        return r.y + r.height <= menu.y;
    case Side::Below:
        return r.y >= menu.y + menu.height;
    }
    return false;
}

// How far a spot lies from the menu, then how far out of line with it:
// nearer and in line come first.
std::pair<float, float> Distance(const OverlayRect& r, const OverlayRect& menu) {
    const float dx = std::max({0.0f, menu.x - (r.x + r.width), r.x - (menu.x + menu.width)});
    const float dy = std::max({0.0f, menu.y - (r.y + r.height), r.y - (menu.y + menu.height)});
    return {dx + dy, std::fabs(r.x - menu.x) + std::fabs(r.y - menu.y)};
}

// The spot nearest the menu on the first side where a panel of that size
// lies inside the bounds and clear of the menu and the intro text. Spots are
// tried where the panel touches an edge of what it must keep clear of.
bool FindSpot(const float width, const float height, const Bounds& bounds, const OverlayRect& menu,
              const OverlayRect* intro, OverlayRect& spot) {
    constexpr float gap = ScoresPanel::gap;
    std::array<float, 7> xs{menu.x + menu.width + gap, menu.x - gap - width, menu.x, bounds.left,
                            bounds.right - width};
    std::array<float, 8> ys{menu.y,
                            menu.y + menu.height - height,
                            menu.y - gap - height,
                            menu.y + menu.height + gap,
                            bounds.top,
                            bounds.bottom - height};
    size_t xCount = 5;
    size_t yCount = 6;
    if (intro != nullptr) {
        xs[xCount++] = intro->x + intro->width + gap;
        xs[xCount++] = intro->x - gap - width;
        ys[yCount++] = intro->y + intro->height + gap;
        ys[yCount++] = intro->y - gap - height;
    }
    for (const Side side : sides) {
        bool found = false;
        std::pair<float, float> nearest{};
        for (size_t i = 0; i < xCount; ++i) {
            for (size_t j = 0; j < yCount; ++j) {
                const OverlayRect r{xs[i], ys[j], width, height};
                if (!OnSide(side, r, menu) || !Inside(r, bounds) || Overlaps(r, menu) ||
                    (intro != nullptr && Overlaps(r, *intro))) {
                    continue;
                }
                const auto distance = Distance(r, menu);
                if (!found || distance < nearest) {
                    found = true;
                    nearest = distance;
                    spot = r;
                }
            }
        }
        if (found) {
            return true;
        }
    }
    return false;
}

void SetColor(const Color& c) {
    gl::Color4f(c.r, c.g, c.b, c.a);
}

} // namespace

void ScoresPanel::SetFlights(const std::vector<Flight>& best, const int markedPlace) {
    longLines.clear();
    shortLines.clear();
    for (size_t i = 0; i < best.size(); ++i) {
        const Flight& f = best[i];
        const int place = static_cast<int>(i) + 1;
        const std::string date = FlightDate(f, "%Y-%m-%d");
        const uint32_t seconds = f.playedMs / 1000;
        char line[lineSize];
        std::snprintf(line, sizeof line,
                      "%2d.%7d points  level %2d %4d peds %3d cars %3d fries %3u:%02u  %s", place,
                      f.score, f.level, f.peds, f.cars, f.fries, seconds / 60, seconds % 60,
                      date.c_str());
        longLines.emplace_back(line);
        std::snprintf(line, sizeof line, "%2d.%7d  level %d", place, f.score, f.level);
        shortLines.emplace_back(line);
    }
    if (best.empty()) {
        longLines.emplace_back(noFlights);
        shortLines.emplace_back(noFlights);
    }
    marked = markedPlace >= 1 && markedPlace <= static_cast<int>(best.size()) ? markedPlace : 0;
    const auto longest = [](const std::vector<std::string>& lines) {
        size_t chars = std::strlen(title);
        for (const std::string& line : lines) {
            chars = std::max(chars, line.size());
        }
        return static_cast<int>(chars);
    };
    longChars = longest(longLines);
    shortChars = longest(shortLines);
}

ScoresPanel::Place ScoresPanel::Placement(const float windowWidth, const float windowHeight,
                                          const OverlayRect& menu, const OverlayRect* intro,
                                          const int flightLines, const int longChars,
                                          const int shortChars) {
    const float w = windowWidth;
    const float h = windowHeight;
    const Bounds window{edge, -h / 2.0f + edge, w - edge, h / 2.0f - edge};
    const float hudRow = h / 2.0f - h * hudRowInset;
    const Bounds clearOfHud{edge, -hudRow + descent + edge, w - edge, hudRow - ascent - edge};
    for (int lines = flightLines; lines >= 1; --lines) {
        const float height = 2.0f * padding + static_cast<float>(lines) * lineStep + fontLineHeight;
        for (const Bounds& bounds : {clearOfHud, window}) {
            for (const bool shortForm : {false, true}) {
                const int chars = markerChars + (shortForm ? shortChars : longChars);
                const float width = 2.0f * padding + static_cast<float>(chars) * charWidth;
                Place place;
                if (FindSpot(width, height, bounds, menu, intro, place.rect)) {
                    place.flightLines = lines;
                    place.shortForm = shortForm;
                    return place;
                }
            }
        }
    }
    return {};
}

ScoresPanel::Place ScoresPanel::PlaceIn(const float windowWidth, const float windowHeight,
                                        const OverlayRect& menu, const OverlayRect* intro) const {
    return Placement(windowWidth, windowHeight, menu, intro, LineCount(), longChars, shortChars);
}

void ScoresPanel::Draw(const float windowWidth, const float windowHeight, const OverlayRect& menu,
                       const OverlayRect* intro) const {
    const Place place = PlaceIn(windowWidth, windowHeight, menu, intro);
    if (place.flightLines == 0) {
        return;
    }
    // The panel lies over the scene, however near its walls are.
    gl::PushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
    gl::Disable(GL_LIGHTING);
    gl::Disable(GL_TEXTURE_2D);
    gl::Disable(GL_DEPTH_TEST);
    gl::Enable(GL_BLEND);
    gl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const OverlayRect& r = place.rect;
    MenuItem::DrawFrame(r.x, r.y, r.width, r.height, background, outline);
    gl::Disable(GL_BLEND);

    const float markerX = r.x + padding;
    const float textX = markerX + static_cast<float>(markerChars) * charWidth;
    float baseline = r.y + padding + ascent;
    SetColor(textColor);
    MenuItem::DrawString(textX, baseline, title);
    const std::vector<std::string>& lines = place.shortForm ? shortLines : longLines;
    for (int i = 0; i < place.flightLines; ++i) {
        baseline += lineStep;
        const bool isMarked = i + 1 == marked;
        SetColor(isMarked ? markedColor : textColor);
        if (isMarked) {
            MenuItem::DrawString(markerX, baseline, marker);
        }
        MenuItem::DrawString(textX, baseline, lines[static_cast<size_t>(i)].c_str());
    }
    gl::PopAttrib();
}

OverlayRect ScoresPanel::TextRect(const float x, const float y, const char* text) {
    int lines = 0;
    size_t longest = 0;
    size_t length = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '\n') {
            ++lines;
            length = 0;
        } else {
            longest = std::max(longest, ++length);
        }
    }
    if (length > 0) {
        ++lines;
    }
    if (lines == 0) {
        return {x, y - ascent, 0.0f, 0.0f};
    }
    constexpr float textLineHeight = 13.0f;
    return {x, y - ascent, static_cast<float>(longest) * charWidth,
            static_cast<float>(lines - 1) * textLineHeight + fontLineHeight};
}
