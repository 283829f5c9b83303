#pragma once

#include "hud/Color.h"

// MenuItem: the common part of everything a menu holds (buttons, sliders,
// check boxes): a rectangle sized from its label, a tooltip, a hover cursor,
// a hover state and the colours to draw both states in. Kinds say what a
// click does and how they look; the menu lays them out and hit-tests them in
// the 2D overlay (x from the left edge, y from the vertical middle, downward).
class MenuItem {
public:
    static constexpr int labelSize = 100;
    static constexpr int toolTipSize = 80;
    static constexpr int highlighted = 1;
    static constexpr int normal = 2;
    static constexpr float charWidth = 8.0f; // glut::Fixed8By13
    static constexpr float charHeight = 13.0f;

    MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;
    virtual ~MenuItem() = default;

    // The item was clicked at (x, y).
    virtual void Activate(float mouseX, float mouseY) = 0;
    virtual void DrawHighlighted() = 0;
    virtual void DrawNormal() = 0;

    // Draws the item in its current state, in the overlay; leaves lighting
    // off for the menu to restore.
    void Draw();

    // Copies the label and sizes the item to fit it.
    void SetLabel(const char* text);
    void SetToolTip(const char* text);
    void SetCursor(const int id) { cursor = id; }
    void SetState(const int s) { state = s; }
    void SetPosition(const float newX, const float newY) {
        x = newX;
        y = newY;
    }

    float GetX() const { return x; }
    float GetY() const { return y; }
    float GetWidth() const { return width; }
    float GetHeight() const { return height; }
    float GetMargin() const { return margin; }
    const char* GetLabel() const { return label; }
    const char* GetToolTip() const { return toolTip; }
    int GetCursor() const { return cursor; }
    int GetState() const { return state; }
    // A filled rectangle with its outline just above it, in the overlay; the
    // menu's panel and every item's box.
    static void DrawFrame(float x, float y, float width, float height, const Color& fill,
                          const Color& border);
    // Text in the 8-by-13 font from the current raster colour, baseline at (x, y).
    static void DrawString(float x, float y, const char* text);
    // Strictly inside: a point on the edge is not.
    bool Contains(const float px, const float py) const {
        return x < px && px < x + width && y < py && py < y + height;
    }

protected:
    // The background and outline of the item's rectangle.
    void DrawBox(const Color& background, const Color& border) const;
    // The label, in the given colour, inside the margin.
    void DrawLabel(const Color& color) const;

    float x = 0.0f;
    float y = 0.0f;
    float width = 120.0f;
    float height = 20.0f;
    float margin = 2.0f;
    int cursor = 0; // GLUT_CURSOR_RIGHT_ARROW
    char label[labelSize] = "";
    char toolTip[toolTipSize] = "";
    int state = normal;
    Color normalBackground;
    Color normalText;
    Color normalBorder;
    Color highlightBackground;
    Color highlightText;
    Color highlightBorder;
};
