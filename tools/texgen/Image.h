#pragma once

#include "Colour.h"

#include <cstdint>
#include <vector>

// Image: a 256 by 256 canvas the painters draw on in picture order (x to the
// right, y downwards, row 0 at the top), with the few soft-edged primitives the
// textures need, and the conversion to the game's raw RGB bytes.

namespace texgen {

class ValueNoise;

// How a painted picture is laid into the file, whose first row is texture row t = 0.
enum class FileLayout {
    TopFirst,         // first file row = top of the picture
    BottomFirst,      // first file row = bottom of the picture
    MirroredTopFirst, // top row first, columns right to left
};

class Image {
public:
    static constexpr int Size = 256;
    static constexpr int BytesPerPixel = 3;
    static constexpr int ByteCount = Size * Size * BytesPerPixel;

    explicit Image(const Colour& fill = {});

    Colour& At(int x, int y) { return pixels[static_cast<std::size_t>(y * Size + x)]; }
    const Colour& At(int x, int y) const { return pixels[static_cast<std::size_t>(y * Size + x)]; }

    // Mixes c into the pixel with the given opacity; pixels off the canvas are ignored.
    void Blend(int x, int y, const Colour& c, float alpha);
    // Rectangle [x0, x1) by [y0, y1), clipped to the canvas.
    void FillRect(int x0, int y0, int x1, int y1, const Colour& c, float alpha = 1.0f);
    // Rectangle with lighter top/left and darker bottom/right rims of the given width.
    void BevelRect(int x0, int y0, int x1, int y1, const Colour& c, int rim, float depth);
    // Axis-aligned ellipse with an antialiased rim.
    void FillEllipse(float cx, float cy, float rx, float ry, const Colour& c, float alpha = 1.0f);
    // A thick segment with round ends.
    void DrawLine(float x0, float y0, float x1, float y1, float width, const Colour& c,
                  float alpha = 1.0f);

    // Scales every pixel's brightness by 1 + amount * (noise - 0.5) * 2.
    void Modulate(const ValueNoise& noise, float cellSize, int octaves, float amount);
    // Adds fine per-pixel grain of the given strength.
    void AddGrain(std::uint32_t seed, float amount);

    Image Transposed() const;
    Image Mirrored() const;

    // The raw file contents: Size * Size pixels, 3 bytes each, rows in the given layout.
    std::vector<std::uint8_t> Bytes(FileLayout layout) const;

private:
    std::vector<Colour> pixels;
};

} // namespace texgen
