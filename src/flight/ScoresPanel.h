#pragma once

#include "flight/Flight.h"

#include <string>
#include <vector>

// A rectangle of the 2D overlay: x from the window's left edge, y from its
// vertical middle, downward.
struct OverlayRect {
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

// ScoresPanel: the best flights beside the main menu, on a translucent
// panel like the menu's, with the flight just finished marked. Where it goes
// is worked out each frame from the window's size and what it must not
// cover (the menu, the intro text, the HUD's top and bottom text rows); a
// window too small for every line in full gets the short lines, or fewer
// lines, the best first. The lines are made when the table changes, so
// drawing allocates nothing.
class ScoresPanel {
public:
    static constexpr float padding = 8.0f; // from the panel's edge to its text
    static constexpr float lineStep = 15.0f;
    static constexpr float gap = 10.0f;      // from the menu and the intro text
    static constexpr float edge = 4.0f;      // from the window's edges
    static constexpr float charWidth = 8.0f; // the 8-by-13 bitmap font
    static constexpr float ascent = 11.0f;   // of that font, above its baseline
    static constexpr float descent = 2.0f;
    static constexpr int markerChars = 2; // "> " before the marked line
    static constexpr const char* title = "Best flights";

    struct Place {
        OverlayRect rect;
        int flightLines = 0; // 0: nowhere to show it
        bool shortForm = false;
    };

    ScoresPanel() { SetFlights({}, 0); }

    // The table to show, best first, and the place (1..10) of the flight
    // just finished, or 0.
    void SetFlights(const std::vector<Flight>& best, int markedPlace);

    // Where a panel of a title and `flightLines` lines goes in a window of
    // that size, and how many of its lines it shows in which form: right of
    // the menu, left of it, above it or below it, whichever fits first; more
    // lines count before staying clear of the HUD's text rows, which counts
    // before the long form, which counts before the side. `longChars` and
    // `shortChars` are the longest lines of each form, title included.
    static Place Placement(float windowWidth, float windowHeight, const OverlayRect& menu,
                           const OverlayRect* intro, int flightLines, int longChars,
                           int shortChars);
    // The placement of this panel's lines.
    Place PlaceIn(float windowWidth, float windowHeight, const OverlayRect& menu,
                  const OverlayRect* intro) const;
    // Draws it in the overlay; lighting, depth and blending stay as they were.
    void Draw(float windowWidth, float windowHeight, const OverlayRect& menu,
              const OverlayRect* intro) const;

    // What text drawn from baseline (x, y), 13 pixels a line, covers.
    static OverlayRect TextRect(float x, float y, const char* text);

    int LineCount() const { return static_cast<int>(longLines.size()); }
    const std::string& LongLine(const int n) const { return longLines[static_cast<size_t>(n)]; }
    const std::string& ShortLine(const int n) const { return shortLines[static_cast<size_t>(n)]; }
    int MarkedPlace() const { return marked; }

private:
    std::vector<std::string> longLines;
    std::vector<std::string> shortLines;
    int marked = 0;
    int longChars = 0;
    int shortChars = 0;
};
