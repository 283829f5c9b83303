#include "IconCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace icongen {

namespace {

constexpr int rgbaChannels = 4;
constexpr float byteMax = 255.0f;

std::uint8_t ToByte(const float value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * byteMax));
}

} // namespace

Shape Ellipse(const float cx, const float cy, const float rx, const float ry) {
    return [=](const float x, const float y) {
        const float dx = (x - cx) / rx;
        const float dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0f;
    };
}

Shape Rectangle(const float x0, const float y0, const float x1, const float y1) {
    return [=](const float x, const float y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
}

Shape Polygon(std::vector<UnitPoint> corners) {
    return [corners = std::move(corners)](const float x, const float y) {
        bool inside = false;
        for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const UnitPoint& a = corners[i];
            const UnitPoint& b = corners[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
                inside = !inside;
            }
        }
        return inside;
    };
}

Shape Both(Shape first, Shape second) {
    return [first = std::move(first), second = std::move(second)](const float x, const float y) {
        return first(x, y) && second(x, y);
    };
}

IconCanvas::IconCanvas(const int size)
    : size(size), pixels(static_cast<std::size_t>(size * size), Rgba{0.0f, 0.0f, 0.0f, 0.0f}) {}

void IconCanvas::Fill(const Shape& shape, const Rgba& colour) {
    Fill(shape, [&colour](float, float) { return colour; });
}

void IconCanvas::Fill(const Shape& shape, const Shading& shading) {
    const float pixel = 1.0f / static_cast<float>(size);
    constexpr float samples = samplesPerSide * samplesPerSide;
    // Where sample i of a pixel lies across it.
    const auto offset = [](const int i) { return (static_cast<float>(i) + 0.5f) / samplesPerSide; };
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            int hits = 0;
            for (int sy = 0; sy < samplesPerSide; ++sy) {
                for (int sx = 0; sx < samplesPerSide; ++sx) {
                    if (shape((static_cast<float>(px) + offset(sx)) * pixel,
                              (static_cast<float>(py) + offset(sy)) * pixel)) {
                        ++hits;
                    }
                }
            }
            if (hits == 0) {
                continue;
            }
            const Rgba colour = shading((static_cast<float>(px) + 0.5f) * pixel,
                                       (static_cast<float>(py) + 0.5f) * pixel);
            const float alpha = colour.a * static_cast<float>(hits) / samples;
            Rgba& under = pixels[static_cast<std::size_t>(py * size + px)];
            // Straight (not premultiplied) alpha, painted over what is there.
            const float kept = under.a * (1.0f - alpha);
            const float total = alpha + kept;
            under.r = (colour.r * alpha + under.r * kept) / total;
            under.g = (colour.g * alpha + under.g * kept) / total;
            under.b = (colour.b * alpha + under.b * kept) / total;
            under.a = total;
        }
    }
}

PngPicture IconCanvas::Picture() const {
    PngPicture picture;
    picture.width = size;
    picture.height = size;
    picture.channels = rgbaChannels;
    picture.pixels.reserve(pixels.size() * rgbaChannels);
    for (const Rgba& p : pixels) {
        picture.pixels.insert(picture.pixels.end(),
                              {ToByte(p.r), ToByte(p.g), ToByte(p.b), ToByte(p.a)});
    }
    return picture;
}

} // namespace icongen
