#include "GroundTextures.h"

#include "Rng.h"
#include "ValueNoise.h"

#include <cmath>
#include <cstdint>

namespace texgen {

namespace {

constexpr int LineWidth = 4;
constexpr int DashPeriod = 64;
constexpr int DashLength = 36;
// Dashes are placed so that the gap at the picture's two ends adds up to one
// regular gap where two road plates meet.
constexpr int DashStart = (DashPeriod - DashLength) / 2;

const Colour Paint{0.93f, 0.93f, 0.90f};

Image PaintAsphalt(const std::uint32_t seed) {
    Image image(Colour{0.30f, 0.30f, 0.31f});
    image.Modulate(ValueNoise(seed), 50.0f, 5, 0.18f);
    image.AddGrain(seed + 1, 0.06f);
    // Sparse light chippings in the surface.
    Rng rng(seed + 2);
    for (int i = 0; i < 500; ++i) {
        image.Blend(rng.Below(Image::Size), rng.Below(Image::Size), Colour{0.55f, 0.55f, 0.53f},
                    0.6f);
    }
    return image;
}

// Painted markings look worn where the noise is low.
void PaintMarking(Image& image, const int x0, const int y0, const int x1, const int y1,
                  const ValueNoise& wear) {
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const float n = wear.Fractal(static_cast<float>(x), static_cast<float>(y), 6.0f, 2);
            image.Blend(x, y, Paint * (0.9f + 0.1f * n), 0.55f + 0.45f * n);
        }
    }
}

} // namespace

Image PaintRoadAlongRows() {
    constexpr std::uint32_t Seed = 707;
    Image image = PaintAsphalt(Seed);
    const ValueNoise wear(Seed + 3);
    const int half = LineWidth / 2;
    for (const int row : {RoadEdgeLineNear, RoadEdgeLineFar}) {
        PaintMarking(image, 0, row - half, Image::Size, row + half, wear);
    }
    for (int x = DashStart; x < Image::Size; x += DashPeriod) {
        PaintMarking(image, x, RoadCentreLine - half, x + DashLength, RoadCentreLine + half, wear);
    }
    // Tyre tracks darken the middle of each lane a little.
    for (const int lane : {68, 187}) {
        for (int y = 0; y < Image::Size; ++y) {
            const float d = static_cast<float>(y - lane) / 22.0f;
            image.FillRect(0, y, Image::Size, y + 1, Colour{}, 0.12f * std::exp(-d * d));
        }
    }
    return image;
}

Image PaintRoadAlongColumns() {
    return PaintRoadAlongRows().Transposed();
}

Image PaintSidewalk() {
    constexpr std::uint32_t Seed = 808;
    constexpr int Slab = 32;
    Image image(Colour{0.80f, 0.79f, 0.76f});
    for (int y = 0; y < Image::Size; ++y) {
        for (int x = 0; x < Image::Size; ++x) {
            const float tone = 0.93f + 0.12f * HashUnit(x / Slab, y / Slab, Seed);
            image.At(x, y) = image.At(x, y) * tone;
        }
    }
    image.Modulate(ValueNoise(Seed), 40.0f, 4, 0.08f);
    image.AddGrain(Seed + 1, 0.05f);
    const Colour joint{0.45f, 0.44f, 0.42f};
    for (int i = 0; i < Image::Size; i += Slab) {
        image.FillRect(i, 0, i + 2, Image::Size, joint);
        image.FillRect(0, i, Image::Size, i + 2, joint);
        // A light edge on the far side of each joint gives the slabs some depth.
        image.FillRect(i + 2, 0, i + 3, Image::Size, Colour{1.0f, 1.0f, 1.0f}, 0.25f);
        image.FillRect(0, i + 2, Image::Size, i + 3, Colour{1.0f, 1.0f, 1.0f}, 0.25f);
    }
    // A few stains and a cracked slab.
    Rng rng(Seed + 2);
    for (int i = 0; i < 6; ++i) {
        const float r = rng.Range(4.0f, 9.0f);
        image.FillEllipse(rng.Range(10.0f, 246.0f), rng.Range(10.0f, 246.0f), r, r * 0.8f,
                          Colour{0.45f, 0.44f, 0.42f}, 0.2f);
    }
    image.DrawLine(70.0f, 100.0f, 80.0f, 110.0f, 1.0f, joint, 0.8f);
    image.DrawLine(80.0f, 110.0f, 78.0f, 124.0f, 1.0f, joint, 0.8f);
    return image;
}

// The crossing plate: asphalt with a zebra crossing along each of its four
// edges, the stripes running across the edge like the feet that use them.
Image PaintCrossing() {
    constexpr std::uint32_t Seed = 909;
    constexpr int BandNear = 6;
    constexpr int BandFar = 36;
    constexpr int StripeFrom = 40;
    constexpr int StripeTo = 216;
    constexpr int Stripe = 10;
    Image image = PaintAsphalt(Seed);
    const ValueNoise wear(Seed + 3);
    for (int s = StripeFrom; s + Stripe <= StripeTo; s += 2 * Stripe) {
        PaintMarking(image, s, BandNear, s + Stripe, BandFar, wear);
        PaintMarking(image, s, Image::Size - BandFar, s + Stripe, Image::Size - BandNear, wear);
        PaintMarking(image, BandNear, s, BandFar, s + Stripe, wear);
        PaintMarking(image, Image::Size - BandFar, s, Image::Size - BandNear, s + Stripe, wear);
    }
    // A manhole cover in the middle.
    image.FillEllipse(128.0f, 128.0f, 13.0f, 13.0f, Colour{0.22f, 0.22f, 0.23f});
    image.FillEllipse(128.0f, 128.0f, 11.0f, 11.0f, Colour{0.36f, 0.36f, 0.37f});
    for (int i = -8; i <= 8; i += 4) {
        image.FillRect(128 - 8, 128 + i, 128 + 9, 128 + i + 1, Colour{0.25f, 0.25f, 0.26f});
    }
    return image;
}

Image PaintGrass() {
    constexpr std::uint32_t Seed = 1010;
    const ValueNoise patches(Seed);
    const ValueNoise tufts(Seed + 1);
    const Colour dry{0.55f, 0.70f, 0.25f};
    const Colour lush{0.22f, 0.62f, 0.18f};
    const Colour deep{0.10f, 0.40f, 0.12f};
    Image image;
    for (int y = 0; y < Image::Size; ++y) {
        for (int x = 0; x < Image::Size; ++x) {
            const float fx = static_cast<float>(x);
            const float fy = static_cast<float>(y);
            const float p = patches.Fractal(fx, fy, 70.0f, 4);
            const float t = tufts.Fractal(fx * 1.6f, fy * 0.6f, 6.0f, 2);
            const float blade = HashUnit(x, y / 3, Seed + 2);
            Colour c = p > 0.5f ? Mix(lush, dry, (p - 0.5f) * 2.0f) : Mix(deep, lush, p * 2.0f);
            c = c * (0.75f + 0.35f * t + 0.2f * (blade - 0.5f));
            image.At(x, y) = c;
        }
    }
    // Sprinkled daisies and clover flowers.
    Rng rng(Seed + 3);
    for (int i = 0; i < 60; ++i) {
        const int x = rng.Below(Image::Size);
        const int y = rng.Below(Image::Size);
        const Colour petal =
            rng.Chance(0.7f) ? Colour{0.97f, 0.97f, 0.92f} : Colour{0.95f, 0.85f, 0.30f};
        image.Blend(x, y, petal, 0.9f);
        image.Blend(x + 1, y, petal, 0.6f);
        image.Blend(x, y + 1, petal, 0.6f);
    }
    return image;
}

} // namespace texgen
