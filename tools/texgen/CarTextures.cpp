#include "CarTextures.h"

#include "Rng.h"
#include "ValueNoise.h"

#include <cmath>
#include <cstdint>

namespace texgen {

namespace {

const Colour Body{0.90f, 0.90f, 0.91f};
const Colour Chrome{0.78f, 0.79f, 0.82f};
const Colour Rubber{0.10f, 0.10f, 0.11f};
const Colour Trim{0.22f, 0.22f, 0.24f};
const Colour Glass{0.14f, 0.18f, 0.24f};
const Colour White{1.0f, 1.0f, 1.0f};

// Bodywork with a broad diagonal sheen and a faint metallic flake.
Image PaintBodywork(const std::uint32_t seed) {
    Image image;
    const ValueNoise ripple(seed);
    for (int y = 0; y < Image::Size; ++y) {
        for (int x = 0; x < Image::Size; ++x) {
            const float d = (static_cast<float>(x + y) - 190.0f) / 80.0f;
            const float sheen = 0.10f * std::exp(-d * d);
            const float n = ripple.Fractal(static_cast<float>(x), static_cast<float>(y), 60.0f, 3);
            image.At(x, y) = Body * (0.94f + 0.05f * n) + White * sheen;
        }
    }
    image.AddGrain(seed + 1, 0.015f);
    return image;
}

// Tinted glass, lighter towards the bottom, with two reflection streaks.
void PaintGlass(Image& image, const int x0, const int y0, const int x1, const int y1) {
    for (int y = y0; y < y1; ++y) {
        const float down = static_cast<float>(y - y0) / static_cast<float>(y1 - y0);
        for (int x = x0; x < x1; ++x) {
            const float along = static_cast<float>(x - x0) - 0.9f * static_cast<float>(y - y0);
            const float wide = std::exp(-std::pow((along - 40.0f) / 18.0f, 2.0f));
            const float thin = std::exp(-std::pow((along - 85.0f) / 5.0f, 2.0f));
            const Colour base = Mix(Glass, Colour{0.30f, 0.37f, 0.45f}, down * 0.7f);
            image.At(x, y) = Mix(base, White, 0.35f * wide + 0.30f * thin);
        }
    }
}

void PaintPlate(Image& image, const int x0, const int y0, const int x1, const int y1) {
    image.FillRect(x0 - 2, y0 - 2, x1 + 2, y1 + 2, Trim);
    image.FillRect(x0, y0, x1, y1, Colour{0.96f, 0.96f, 0.92f});
    image.FillRect(x0, y0, x0 + 8, y1, Colour{0.15f, 0.30f, 0.70f});
    const int glyphTop = y0 + (y1 - y0) / 4;
    const int glyphBottom = y1 - (y1 - y0) / 4;
    for (int x = x0 + 12; x + 5 < x1 - 2; x += 8) {
        image.FillRect(x, glyphTop, x + 5, glyphBottom, Colour{0.1f, 0.1f, 0.1f});
    }
}

void PaintBumper(Image& image, const int top) {
    image.FillRect(0, top, Image::Size, Image::Size, Body * 0.72f);
    image.FillRect(0, top, Image::Size, top + 3, Body * 1.05f);
    image.FillRect(0, Image::Size - 6, Image::Size, Image::Size, Trim);
}

// An oval lamp in a chrome bezel, with a bright core.
void PaintLamp(Image& image, const float cx, const float cy, const float rx, const float ry,
               const Colour& lens) {
    image.FillEllipse(cx, cy, rx + 4.0f, ry + 6.0f, Chrome);
    image.FillEllipse(cx, cy, rx, ry, lens * 0.85f);
    image.FillEllipse(cx, cy - ry * 0.15f, rx * 0.6f, ry * 0.6f, lens);
    image.FillEllipse(cx - rx * 0.3f, cy - ry * 0.4f, rx * 0.25f, ry * 0.2f, White, 0.8f);
}

} // namespace

Image PaintCarFront() {
    Image image = PaintBodywork(1301);
    // Grille: dark opening with chrome slats.
    image.FillRect(74, 62, 182, 172, Chrome);
    image.FillRect(78, 66, 178, 168, Rubber);
    for (int y = 72; y < 166; y += 14) {
        image.FillRect(80, y, 176, y + 6, Chrome * 0.8f);
        image.FillRect(80, y, 176, y + 2, Chrome);
    }
    for (const float cx : {36.0f, 220.0f}) {
        PaintLamp(image, cx, 100.0f, 24.0f, 50.0f, Colour{1.0f, 0.98f, 0.86f});
        image.FillEllipse(cx, 170.0f, 14.0f, 12.0f, Colour{1.0f, 0.62f, 0.15f});
    }
    PaintBumper(image, 188);
    PaintPlate(image, 92, 202, 164, 240);
    return image;
}

Image PaintCarBack() {
    Image image = PaintBodywork(1401);
    // Trunk lid edge.
    image.FillRect(0, 14, Image::Size, 16, Trim, 0.6f);
    for (const int x0 : {8, 180}) {
        const int x1 = x0 + 68;
        image.FillRect(x0 - 3, 34, x1 + 3, 133, Chrome);
        image.FillRect(x0, 37, x1, 100, Colour{0.80f, 0.08f, 0.08f});
        image.FillRect(x0 + 4, 45, x1 - 4, 70, Colour{0.95f, 0.25f, 0.22f});
        image.FillRect(x0, 100, x1, 116, Colour{1.0f, 0.60f, 0.15f});
        image.FillRect(x0, 116, x1, 130, Colour{0.95f, 0.95f, 0.95f});
    }
    image.FillRect(86, 114, 170, 180, Body * 0.8f);
    PaintPlate(image, 94, 122, 162, 170);
    PaintBumper(image, 190);
    for (const int x0 : {10, 222}) {
        image.FillRect(x0, 206, x0 + 24, 214, Colour{0.7f, 0.05f, 0.05f});
    }
    image.FillEllipse(196.0f, 236.0f, 12.0f, 9.0f, Chrome);
    image.FillEllipse(196.0f, 236.0f, 8.0f, 6.0f, Rubber);
    return image;
}

Image PaintCarTop() {
    return PaintBodywork(1501);
}

Image PaintCarWindshield() {
    constexpr int Frame = 10;
    Image image = PaintBodywork(1601);
    PaintGlass(image, Frame, Frame, Image::Size - Frame, Image::Size - Frame);
    // A dark rubber seal between glass and frame.
    for (int i = 0; i < 2; ++i) {
        const int a = Frame - 2 + i;
        const int b = Image::Size - Frame + 1 - i;
        image.FillRect(a, a, b, a + 1, Rubber);
        image.FillRect(a, b - 1, b, b, Rubber);
        image.FillRect(a, a, a + 1, b, Rubber);
        image.FillRect(b - 1, a, b, b, Rubber);
    }
    return image;
}

Image PaintCarWheel() {
    constexpr float Cx = 128.0f;
    constexpr float Cy = 160.0f;
    Image image = PaintBodywork(1701);
    // Shoulder crease above the arch.
    image.FillRect(0, 30, Image::Size, 32, White, 0.35f);
    image.FillRect(0, 32, Image::Size, 34, Colour{}, 0.12f);
    image.FillRect(0, 236, Image::Size, Image::Size, Body * 0.7f);
    image.FillEllipse(Cx, Cy, 78.0f, 106.0f, Body * 0.6f);
    image.FillEllipse(Cx, Cy, 72.0f, 100.0f, Colour{0.05f, 0.05f, 0.05f});
    image.FillEllipse(Cx, Cy + 4.0f, 64.0f, 92.0f, Rubber);
    image.FillEllipse(Cx, Cy + 4.0f, 54.0f, 78.0f, Colour{0.18f, 0.18f, 0.19f});
    image.FillEllipse(Cx, Cy + 4.0f, 42.0f, 60.0f, Chrome);
    image.FillEllipse(Cx, Cy + 4.0f, 36.0f, 52.0f, Chrome * 0.85f);
    for (int i = 0; i < 5; ++i) {
        const float a = static_cast<float>(i) * 1.2566371f + 0.3f;
        image.FillEllipse(Cx + 22.0f * std::cos(a), Cy + 4.0f + 32.0f * std::sin(a), 8.0f, 11.0f,
                          Colour{0.25f, 0.25f, 0.27f});
    }
    image.FillEllipse(Cx, Cy + 4.0f, 10.0f, 14.0f, Chrome * 1.1f);
    image.FillEllipse(Cx - 3.0f, Cy, 3.0f, 4.0f, White, 0.8f);
    return image;
}

Image PaintCarDoor() {
    constexpr int WindowTop = 8;
    constexpr int WindowBottom = 96;
    constexpr int Split = 128;
    Image image = PaintBodywork(1801);
    PaintGlass(image, 8, WindowTop, Image::Size - 8, WindowBottom);
    image.FillRect(Split - 5, WindowTop, Split + 5, WindowBottom, Trim);
    image.FillRect(0, WindowBottom, Image::Size, WindowBottom + 6, Trim);
    image.FillRect(0, WindowBottom + 1, Image::Size, WindowBottom + 2, Chrome, 0.7f);
    // Door seams.
    for (const int x : {2, Split, Image::Size - 3}) {
        image.FillRect(x, WindowTop, x + 1, 246, Trim, 0.8f);
    }
    // Handles near the rear edge of each door.
    for (const int x0 : {92, 220}) {
        image.FillRect(x0 - 2, 120, x0 + 26, 132, Colour{}, 0.2f);
        image.BevelRect(x0, 122, x0 + 24, 130, Chrome, 1, 0.15f);
    }
    // Crease along the side and a darker sill.
    image.FillRect(0, 168, Image::Size, 170, White, 0.35f);
    image.FillRect(0, 170, Image::Size, 172, Colour{}, 0.12f);
    image.FillRect(0, 236, Image::Size, Image::Size, Body * 0.7f);
    return image;
}

Image PaintCarDoorOtherSide() {
    Image image = PaintCarDoor();
    image.Modulate(ValueNoise(1901), 60.0f, 3, 0.02f);
    return image;
}

Image PaintCarSideWindow() {
    Image image;
    PaintGlass(image, 0, 0, Image::Size, Image::Size);
    return image;
}

} // namespace texgen
