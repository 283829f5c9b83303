#pragma once

#include "geometry/Vector.h"
#include "hud/Color.h"
#include "hud/GaugeKind.h"

// Gauge: one element of the heads-up display, drawn in the 2D overlay (x from
// the left edge, y from the vertical middle, growing downward). One class
// serves every kind: bars for speed, height, health and poop, text lines for
// score, frame rate, timer and level, the steering cone and the hit flash.
// Everything lives in fixed fields, so refreshing and drawing allocate nothing.
class Gauge {
public:
    static constexpr int textSize = 100;
    static constexpr float sliceWidth = 4.0f; // one percent of a horizontal bar
    static constexpr float sliceHeight = 20.0f;
    static constexpr float charWidth = 8.0f; // glut::Fixed8By13
    // A bar never draws more slices than this, whatever its value.
    static constexpr int maxSlices = 10000;

    void SetKind(const GaugeKind k) { kind = k; }
    void Show() { visible = 1; }
    void Hide() { visible = 0; }
    int IsVisible() const { return visible; }
    void SetMaximum(const float v) { maximum = v; }
    void SetValue(const float v) { value = v; }
    void SetPointA(const Vector& v) { pointA = v; }
    void SetPointB(const float x_, const float y_) { pointB.Set(x_, y_, 0.0f); }
    void SetStartColor(float r, float g, float b, float a) { startColor.Set(r, g, b, a); }
    void SetEndColor(float r, float g, float b, float a) { endColor.Set(r, g, b, a); }
    void SetTextColor(float r, float g, float b, float a) { textColor.Set(r, g, b, a); }
    void SetLabel(const char* text);
    void SetAlarmText(const char* text);
    void SetUnitText(const char* text);
    void SetX(const int v) { x = static_cast<float>(v); }
    void SetY(const int v) { y = static_cast<float>(v); }
    void SetBlinking() { blinking = 1; }
    void SetLabelOnly(const int flag) { labelOnly = flag; }

    GaugeKind GetKind() const { return kind; }
    float GetMaximum() const { return maximum; }
    float GetValue() const { return value; }
    float GetX() const { return x; }
    float GetY() const { return y; }
    const Vector& GetPointA() const { return pointA; }
    const Vector& GetPointB() const { return pointB; }
    const Color& GetStartColor() const { return startColor; }
    const Color& GetEndColor() const { return endColor; }
    const Color& GetTextColor() const { return textColor; }
    const char* GetLabel() const { return label; }
    const char* GetAlarmText() const { return alarmText; }
    const char* GetUnitText() const { return unitText; }

    // Slices a bar gauge draws for its value: one per started percent of the
    // maximum, none below the minimum or without a positive maximum.
    int SliceCount() const;
    // The value text of a Text gauge ("%.0f %s" without a maximum, else
    // "%.0f / %.0f"); empty when label only or below the minimum.
    void FormatValueText(char* buffer, int size) const;
    // Where the value text starts: right of the label, 3 pixels apart.
    float ValueTextX() const;
    // The centre angle of the cone's sector (radians, 0 points down the
    // screen, pi up) and its radius, from points A and B.
    void ConeSector(float& angle, float& length) const;

    // How a bar sends its slices: each as a polygon of its own, or all as
    // one draw of quads (the same rectangles in the same colours).
    enum class BarStyle { PolygonPerSlice, OneDraw };

    // Draws the gauge if visible; a blinking gauge shows on three frames of five.
    void Draw(BarStyle barStyle = BarStyle::PolygonPerSlice);

private:
    void DrawText(float atX, float atY, const char* text) const;
    void DrawTextGauge() const;
    void DrawBar(bool horizontal, BarStyle barStyle) const;
    void DrawCone() const;
    void DrawFlash() const;

    GaugeKind kind = GaugeKind::Unset;
    int visible = 1;
    float maximum = 0.0f;
    float minimum = 0.0f;
    float value = 0.0f;
    Vector pointA;
    Vector pointB;
    Color startColor;
    Color endColor;
    Color textColor;
    char label[textSize] = "";
    char alarmText[textSize] = "";
    char unitText[textSize] = "";
    float x = -2000.0f;
    float y = 0.0f;
    int blinkCounter = 0;
    int blinking = 0;
    int labelOnly = 0;
};
