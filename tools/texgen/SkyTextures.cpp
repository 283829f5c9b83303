#include "SkyTextures.h"

#include "ValueNoise.h"

#include <algorithm>
#include <cstdint>

namespace texgen {

namespace {

const Colour Blue{0.62f, 0.76f, 0.97f};
const Colour Cloud{1.0f, 1.0f, 1.0f};
const Colour CloudShade{0.84f, 0.87f, 0.93f};

// Clouds where the fractal noise rises above the cover threshold; their
// undersides, sampled a little off, are shaded slightly.
Image PaintSky(const std::uint32_t seed, const float cover) {
    const ValueNoise clouds(seed);
    const ValueNoise haze(seed + 1);
    Image image;
    for (int y = 0; y < Image::Size; ++y) {
        for (int x = 0; x < Image::Size; ++x) {
            const float fx = static_cast<float>(x);
            const float fy = static_cast<float>(y);
            const float n = clouds.Fractal(fx, fy, 64.0f, 5);
            const float density = std::clamp((n - cover) * 4.0f, 0.0f, 1.0f);
            const float shade =
                std::clamp((clouds.Fractal(fx + 5.0f, fy + 5.0f, 64.0f, 5) - n) * 6.0f, 0.0f, 1.0f);
            const Colour blue = Blue * (0.95f + 0.1f * haze.Fractal(fx, fy, 90.0f, 2));
            image.At(x, y) = Mix(blue, Mix(Cloud, CloudShade, shade), density * 0.9f);
        }
    }
    return image;
}

} // namespace

Image PaintSkyTop() {
    return PaintSky(1111, 0.52f);
}

Image PaintSkySide() {
    Image image = PaintSky(1212, 0.55f);
    for (int y = 0; y < Image::Size; ++y) {
        const float down = static_cast<float>(y) / static_cast<float>(Image::Size - 1);
        image.FillRect(0, y, Image::Size, y + 1, Colour{0.92f, 0.95f, 1.0f}, 0.35f * down * down);
    }
    return image;
}

} // namespace texgen
