#include "PedTextures.h"

#include "Rng.h"
#include "ValueNoise.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace texgen {

namespace {

const Colour Skin{0.98f, 0.80f, 0.66f};
const Colour Hair{0.42f, 0.26f, 0.14f};
const Colour Shirt{0.45f, 0.68f, 0.92f};
const Colour White{1.0f, 1.0f, 1.0f};
const Colour Dark{0.12f, 0.10f, 0.10f};

Image PaintSkin(const std::uint32_t seed) {
    Image image(Skin);
    image.Modulate(ValueNoise(seed), 50.0f, 3, 0.04f);
    image.AddGrain(seed + 1, 0.01f);
    return image;
}

// Hair strands: noise stretched along one direction, with lighter highlights.
Colour HairAt(const ValueNoise& strands, const float along, const float across) {
    const float n = strands.Fractal(across, along * 0.12f, 5.0f, 3);
    return Hair * (0.7f + 0.6f * n);
}

// Hair down to a wavy edge, given per column by fringe(x).
template <typename Edge>
void PaintHairCap(Image& image, const std::uint32_t seed, const Edge& fringe) {
    const ValueNoise strands(seed);
    for (int x = 0; x < Image::Size; ++x) {
        const float edge = fringe(static_cast<float>(x));
        for (int y = 0; y < Image::Size; ++y) {
            const float inside = edge - static_cast<float>(y);
            if (inside > -1.0f) {
                image.Blend(x, y, HairAt(strands, static_cast<float>(y), static_cast<float>(x)),
                            std::fmin(inside + 1.0f, 1.0f));
            }
        }
    }
}

Image PaintFabric(const std::uint32_t seed) {
    Image image(Shirt);
    for (int y = 0; y < Image::Size; ++y) {
        for (int x = 0; x < Image::Size; ++x) {
            const float weave = ((x + y) % 4 < 2 ? 1.0f : 0.96f);
            image.At(x, y) = image.At(x, y) * weave;
        }
    }
    image.Modulate(ValueNoise(seed), 40.0f, 3, 0.06f);
    image.AddGrain(seed + 1, 0.015f);
    return image;
}

} // namespace

Image PaintHeadFace() {
    Image image = PaintSkin(2101);
    // Fringe with a soft wave, and hair framing the face at the sides.
    PaintHairCap(image, 2102, [](const float x) {
        const float side = std::fabs(x - 128.0f) / 128.0f;
        return 62.0f + 8.0f * std::sin(x / 14.0f) + 60.0f * std::pow(side, 6.0f);
    });
    // Rosy cheeks.
    for (const float cx : {64.0f, 192.0f}) {
        image.FillEllipse(cx, 170.0f, 24.0f, 14.0f, Colour{0.98f, 0.55f, 0.50f}, 0.35f);
    }
    // Eyes with brows.
    for (const float cx : {84.0f, 172.0f}) {
        image.DrawLine(cx - 22.0f, 92.0f, cx + 20.0f, 88.0f, 7.0f, Hair * 0.8f);
        image.FillEllipse(cx, 122.0f, 22.0f, 16.0f, White);
        image.FillEllipse(cx + 3.0f, 124.0f, 11.0f, 12.0f, Colour{0.25f, 0.45f, 0.65f});
        image.FillEllipse(cx + 3.0f, 124.0f, 6.0f, 7.0f, Dark);
        image.FillEllipse(cx + 6.0f, 120.0f, 2.5f, 2.5f, White);
    }
    // Nose shadow and a broad smile.
    image.DrawLine(128.0f, 132.0f, 120.0f, 168.0f, 5.0f, Skin * 0.82f);
    image.DrawLine(120.0f, 168.0f, 132.0f, 170.0f, 5.0f, Skin * 0.82f);
    constexpr int Segments = 12;
    for (int i = 0; i < Segments; ++i) {
        const auto point = [](const int k) {
            const float a = 0.35f + 2.44f * static_cast<float>(k) / static_cast<float>(Segments);
            return std::pair{128.0f + 50.0f * std::cos(a), 170.0f + 32.0f * std::sin(a)};
        };
        const auto [x0, y0] = point(i);
        const auto [x1, y1] = point(i + 1);
        image.DrawLine(x0, y0, x1, y1, 8.0f, Colour{0.72f, 0.22f, 0.22f});
    }
    return image;
}

Image PaintHeadSide() {
    Image image = PaintSkin(2201);
    // Both side faces share this picture, so the hair falls alike at front and back.
    PaintHairCap(image, 2202, [](const float x) {
        const float side = std::fabs(x - 128.0f) / 128.0f;
        return 70.0f + 6.0f * std::sin(x / 12.0f) + 90.0f * std::pow(side, 4.0f);
    });
    // Ear with an inner fold.
    image.FillEllipse(128.0f, 140.0f, 22.0f, 34.0f, Skin * 0.86f);
    image.FillEllipse(130.0f, 140.0f, 13.0f, 23.0f, Skin * 0.74f);
    image.FillEllipse(126.0f, 146.0f, 6.0f, 10.0f, Skin * 0.64f);
    return image;
}

Image PaintHeadSideMirrored() {
    return PaintHeadSide().Mirrored();
}

// Hair seen from above: strands radiating from a crown whorl. The noise is
// blended across the angle's wrap-around so no seam shows.
Image PaintHeadTop() {
    constexpr float Cx = 150.0f;
    constexpr float Cy = 140.0f;
    constexpr float TwoPi = 6.2831853f;
    constexpr float StrandsPerTurn = 250.0f;
    const ValueNoise strands(2301);
    Image image;
    for (int y = 0; y < Image::Size; ++y) {
        for (int x = 0; x < Image::Size; ++x) {
            const float dx = static_cast<float>(x) - Cx;
            const float dy = static_cast<float>(y) - Cy;
            const float radius = std::sqrt(dx * dx + dy * dy);
            const float turn =
                std::fmod(std::atan2(dy, dx) + TwoPi * 1.5f + radius * 0.01f, TwoPi) / TwoPi;
            const Colour a = HairAt(strands, radius, turn * StrandsPerTurn);
            const Colour b = HairAt(strands, radius, (turn - 1.0f) * StrandsPerTurn);
            image.At(x, y) = Mix(a, b, turn);
        }
    }
    image.FillEllipse(Cx, Cy, 6.0f, 6.0f, Hair * 0.6f);
    return image;
}

// Hair seen from behind: strands falling straight down.
Image PaintHeadBack() {
    const ValueNoise strands(2401);
    Image image;
    for (int y = 0; y < Image::Size; ++y) {
        for (int x = 0; x < Image::Size; ++x) {
            const float wave = 6.0f * std::sin(static_cast<float>(y) / 30.0f);
            image.At(x, y) = HairAt(strands, static_cast<float>(y), static_cast<float>(x) + wave);
        }
    }
    return image;
}

// The torso is much taller than wide, so buttons are drawn as flat ovals that
// come out round once stretched.
Image PaintShirtFront() {
    Image image = PaintFabric(2501);
    // Open collar: a V of skin edged by white collar flaps.
    for (int y = 0; y < 40; ++y) {
        const float half = 34.0f * (1.0f - static_cast<float>(y) / 40.0f);
        image.FillRect(static_cast<int>(128.0f - half), y, static_cast<int>(128.0f + half), y + 1,
                       Skin);
    }
    image.DrawLine(60.0f, 0.0f, 124.0f, 42.0f, 12.0f, White * 0.95f);
    image.DrawLine(196.0f, 0.0f, 132.0f, 42.0f, 12.0f, White * 0.95f);
    // Button placket.
    image.FillRect(122, 42, 134, 230, Shirt * 0.9f);
    image.FillRect(121, 42, 122, 230, Shirt * 0.75f);
    for (int y = 66; y < 230; y += 36) {
        image.FillEllipse(128.0f, static_cast<float>(y), 6.0f, 3.0f, White);
        image.FillEllipse(128.0f, static_cast<float>(y), 2.0f, 1.0f, Shirt * 0.6f);
    }
    // Breast pocket.
    image.FillRect(58, 70, 100, 110, Shirt * 0.92f);
    image.FillRect(58, 70, 100, 73, Shirt * 0.8f);
    // Belt with a buckle.
    image.FillRect(0, 232, Image::Size, Image::Size, Colour{0.35f, 0.22f, 0.12f});
    image.FillRect(112, 234, 144, 254, Colour{0.85f, 0.75f, 0.35f});
    image.FillRect(118, 238, 138, 250, Colour{0.35f, 0.22f, 0.12f});
    return image;
}

Image PaintShirtBack() {
    Image image = PaintFabric(2601);
    // Yoke seam across the shoulders and a pleat down the middle.
    image.FillRect(0, 44, Image::Size, 46, Shirt * 0.78f);
    image.FillRect(0, 46, Image::Size, 47, Shirt * 1.1f);
    image.FillRect(127, 47, 129, Image::Size, Shirt * 0.85f);
    return image;
}

} // namespace texgen
