#include "Image.h"

#include "Rng.h"
#include "ValueNoise.h"

#include <algorithm>
#include <cmath>

namespace texgen {

namespace {

std::uint8_t ToByte(const float v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

float Coverage(const float insideDistance) {
    return std::clamp(insideDistance + 0.5f, 0.0f, 1.0f);
}

} // namespace

Image::Image(const Colour& fill) : pixels(static_cast<std::size_t>(Size * Size), fill) {}

void Image::Blend(const int x, const int y, const Colour& c, const float alpha) {
    if (x < 0 || y < 0 || x >= Size || y >= Size || alpha <= 0.0f) {
        return;
    }
    Colour& p = At(x, y);
    p = Mix(p, c, std::min(alpha, 1.0f));
}

void Image::FillRect(const int x0, const int y0, const int x1, const int y1, const Colour& c,
                     const float alpha) {
    for (int y = std::max(y0, 0); y < std::min(y1, Size); ++y) {
        for (int x = std::max(x0, 0); x < std::min(x1, Size); ++x) {
            Blend(x, y, c, alpha);
        }
    }
}

void Image::BevelRect(const int x0, const int y0, const int x1, const int y1, const Colour& c,
                      const int rim, const float depth) {
    FillRect(x0, y0, x1, y1, c);
    const Colour light = c * (1.0f + depth);
    const Colour dark = c * (1.0f - depth);
    FillRect(x0, y0, x1, y0 + rim, light);
    FillRect(x0, y0, x0 + rim, y1, light);
    FillRect(x0, y1 - rim, x1, y1, dark);
    FillRect(x1 - rim, y0, x1, y1, dark);
}

void Image::FillEllipse(const float cx, const float cy, const float rx, const float ry,
                        const Colour& c, const float alpha) {
    const int xa = static_cast<int>(std::floor(cx - rx - 1.0f));
    const int xb = static_cast<int>(std::ceil(cx + rx + 1.0f));
    const int ya = static_cast<int>(std::floor(cy - ry - 1.0f));
    const int yb = static_cast<int>(std::ceil(cy + ry + 1.0f));
    const float rim = std::min(rx, ry);
    for (int y = ya; y <= yb; ++y) {
        for (int x = xa; x <= xb; ++x) {
            const float dx = (static_cast<float>(x) + 0.5f - cx) / rx;
            const float dy = (static_cast<float>(y) + 0.5f - cy) / ry;
            const float q = std::sqrt(dx * dx + dy * dy);
            Blend(x, y, c, alpha * Coverage((1.0f - q) * rim));
        }
    }
}

void Image::DrawLine(const float x0, const float y0, const float x1, const float y1,
                     const float width, const Colour& c, const float alpha) {
    const float half = width * 0.5f;
    const int xa = static_cast<int>(std::floor(std::min(x0, x1) - half - 1.0f));
    const int xb = static_cast<int>(std::ceil(std::max(x0, x1) + half + 1.0f));
    const int ya = static_cast<int>(std::floor(std::min(y0, y1) - half - 1.0f));
    const int yb = static_cast<int>(std::ceil(std::max(y0, y1) + half + 1.0f));
    const float vx = x1 - x0;
    const float vy = y1 - y0;
    const float lengthSquared = std::max(vx * vx + vy * vy, 1e-6f);
    for (int y = ya; y <= yb; ++y) {
        for (int x = xa; x <= xb; ++x) {
            const float px = static_cast<float>(x) + 0.5f - x0;
            const float py = static_cast<float>(y) + 0.5f - y0;
            const float t = std::clamp((px * vx + py * vy) / lengthSquared, 0.0f, 1.0f);
            const float distance = std::hypot(px - vx * t, py - vy * t);
            Blend(x, y, c, alpha * Coverage(half - distance));
        }
    }
}

void Image::Modulate(const ValueNoise& noise, const float cellSize, const int octaves,
                     const float amount) {
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const float n =
                noise.Fractal(static_cast<float>(x), static_cast<float>(y), cellSize, octaves);
            At(x, y) = At(x, y) * (1.0f + amount * (n - 0.5f) * 2.0f);
        }
    }
}

void Image::AddGrain(const std::uint32_t seed, const float amount) {
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const float n = (HashUnit(x, y, seed) - 0.5f) * 2.0f * amount;
            At(x, y) = At(x, y) + Colour{n, n, n};
        }
    }
}

Image Image::Transposed() const {
    Image out;
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            out.At(x, y) = At(y, x);
        }
    }
    return out;
}

Image Image::Mirrored() const {
    Image out;
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            out.At(x, y) = At(Size - 1 - x, y);
        }
    }
    return out;
}

std::vector<std::uint8_t> Image::Bytes(const FileLayout layout) const {
    const bool mirrored = layout == FileLayout::MirroredTopFirst;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(ByteCount);
    for (int row = 0; row < Size; ++row) {
        const int y = layout == FileLayout::BottomFirst ? Size - 1 - row : row;
        for (int x = 0; x < Size; ++x) {
            const Colour& c = At(mirrored ? Size - 1 - x : x, y);
            bytes.push_back(ToByte(c.r));
            bytes.push_back(ToByte(c.g));
            bytes.push_back(ToByte(c.b));
        }
    }
    return bytes;
}

} // namespace texgen
