#pragma once

// Color: an RGBA colour of four floats, white and opaque when new. Shared by
// the HUD and the menus.
struct Color {
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
    float a = 1.0f;

    void Set(const float red, const float green, const float blue, const float alpha) {
        r = red;
        g = green;
        b = blue;
        a = alpha;
    }
    // Each channel moved from this colour toward target by percent / 100.
    Color Blend(const Color& target, const float percent) const {
        const float f = percent / 100.0f;
        return Color{r + (target.r - r) * f, g + (target.g - g) * f, b + (target.b - b) * f,
                     a + (target.a - a) * f};
    }
};
