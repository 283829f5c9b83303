#pragma once

#include "screenshot/PngFile.h"

#include <functional>
#include <vector>

// IconCanvas: a square RGBA canvas for drawing the icon at any size. Shapes
// are given in unit coordinates (x to the right, y downwards, 0..1 across the
// canvas) as a test of whether a point lies inside, so one drawing serves
// every size; each pixel is covered by the share of its 4 by 4 samples that
// fall inside, which smooths the edges.
namespace icongen {

struct Rgba {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 1.0f;
};

struct UnitPoint {
    float x = 0.0f;
    float y = 0.0f;
};

using Shape = std::function<bool(float x, float y)>;
using Shading = std::function<Rgba(float x, float y)>;

// Shapes to paint with.
Shape Ellipse(float cx, float cy, float rx, float ry);
Shape Rectangle(float x0, float y0, float x1, float y1);
Shape Polygon(std::vector<UnitPoint> corners); // even-odd rule
Shape Both(Shape first, Shape second);         // where both are

class IconCanvas {
public:
    static constexpr int samplesPerSide = 4;

    explicit IconCanvas(int size); // fully transparent

    // Lays the colour over the canvas wherever the shape is.
    void Fill(const Shape& shape, const Rgba& colour);
    // The same with a colour that varies over the canvas (read at pixel centres).
    void Fill(const Shape& shape, const Shading& shading);

    // The picture as 8-bit RGBA, ready for PngFile.
    PngPicture Picture() const;

private:
    int size;
    std::vector<Rgba> pixels;
};

} // namespace icongen
