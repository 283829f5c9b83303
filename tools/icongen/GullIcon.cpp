#include "GullIcon.h"

#include "IconCanvas.h"

#include <filesystem>
#include <stdexcept>

namespace icongen {

namespace {

// The palette.
constexpr Rgba skyTop{0.36f, 0.66f, 0.93f, 1.0f};
constexpr Rgba skyBottom{0.80f, 0.91f, 0.98f, 1.0f};
constexpr Rgba rim{0.16f, 0.36f, 0.60f, 1.0f};
constexpr Rgba roofs{0.22f, 0.27f, 0.36f, 1.0f};
constexpr Rgba lit{1.0f, 0.86f, 0.42f, 1.0f};
constexpr Rgba feathers{1.0f, 1.0f, 1.0f, 1.0f};
constexpr Rgba wingGrey{0.72f, 0.76f, 0.82f, 1.0f};
constexpr Rgba shadowGrey{0.55f, 0.59f, 0.66f, 1.0f};
constexpr Rgba tips{0.10f, 0.10f, 0.12f, 1.0f};
constexpr Rgba beak{0.98f, 0.76f, 0.15f, 1.0f};
constexpr Rgba beakSpot{0.86f, 0.20f, 0.12f, 1.0f};

// The round patch of sky everything stands on.
constexpr float centre = 0.5f;
constexpr float patchRadius = 0.47f;
constexpr float rimWidth = 0.025f;

Rgba Mix(const Rgba& a, const Rgba& b, const float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

void DrawSky(IconCanvas& canvas) {
    canvas.Fill(Ellipse(centre, centre, patchRadius, patchRadius), rim);
    const float inner = patchRadius - rimWidth;
    canvas.Fill(Ellipse(centre, centre, inner, inner), [inner](float, const float y) {
        return Mix(skyTop, skyBottom, (y - (centre - inner)) / (2.0f * inner));
    });
}

// A row of roofs of different heights along the bottom, with a few lit windows.
void DrawCity(IconCanvas& canvas) {
    const Shape sky = Ellipse(centre, centre, patchRadius - rimWidth, patchRadius - rimWidth);
    struct Block {
        float left, right, top;
    };
    constexpr Block blocks[] = {{0.00f, 0.20f, 0.74f}, {0.20f, 0.31f, 0.64f},
                                {0.31f, 0.46f, 0.78f}, {0.46f, 0.57f, 0.68f},
                                {0.57f, 0.75f, 0.73f}, {0.75f, 0.85f, 0.62f},
                                {0.85f, 1.00f, 0.76f}};
    for (const Block& block : blocks) {
        canvas.Fill(Both(sky, Rectangle(block.left, block.top, block.right, 1.0f)), roofs);
    }
    constexpr UnitPoint windows[] = {{0.23f, 0.69f}, {0.26f, 0.76f}, {0.49f, 0.73f},
                                     {0.78f, 0.67f}, {0.80f, 0.74f}, {0.62f, 0.79f}};
    constexpr float windowSide = 0.035f;
    for (const UnitPoint& w : windows) {
        canvas.Fill(Both(sky, Rectangle(w.x, w.y, w.x + windowSide, w.y + windowSide)), lit);
    }
}

// The gull, flying to the right with its wings raised: the far wing behind
// the body, the near wing in front of it, black tips on both.
void DrawGull(IconCanvas& canvas) {
    const Shape farWing = Polygon({{0.50f, 0.47f}, {0.56f, 0.31f}, {0.64f, 0.19f},
                                   {0.80f, 0.09f}, {0.73f, 0.20f}, {0.68f, 0.32f},
                                   {0.63f, 0.47f}});
    canvas.Fill(farWing, shadowGrey);
    canvas.Fill(Both(farWing, Rectangle(0.0f, 0.0f, 1.0f, 0.16f)), tips);

    const Shape tail = Polygon({{0.30f, 0.47f}, {0.14f, 0.43f}, {0.16f, 0.53f}, {0.32f, 0.53f}});
    canvas.Fill(tail, feathers);
    canvas.Fill(Ellipse(0.48f, 0.50f, 0.21f, 0.075f), feathers);
    canvas.Fill(Ellipse(0.69f, 0.44f, 0.075f, 0.065f), feathers);
    canvas.Fill(Polygon({{0.74f, 0.42f}, {0.86f, 0.45f}, {0.74f, 0.48f}}), beak);
    canvas.Fill(Ellipse(0.80f, 0.455f, 0.012f, 0.010f), beakSpot);
    canvas.Fill(Ellipse(0.705f, 0.425f, 0.014f, 0.014f), tips);

    const Shape nearWing = Polygon({{0.56f, 0.49f}, {0.46f, 0.31f}, {0.36f, 0.18f},
                                    {0.10f, 0.07f}, {0.21f, 0.18f}, {0.27f, 0.30f},
                                    {0.33f, 0.45f}, {0.40f, 0.53f}});
    canvas.Fill(nearWing, wingGrey);
    canvas.Fill(Both(nearWing, Rectangle(0.0f, 0.0f, 0.22f, 1.0f)), tips);
}

} // namespace

PngPicture GullIcon::Draw(const int size) {
    IconCanvas canvas(size);
    DrawSky(canvas);
    DrawCity(canvas);
    DrawGull(canvas);
    return canvas.Picture();
}

void GullIcon::WriteAll(const std::string& directory) {
    for (const int size : sizes) {
        const std::string side = std::to_string(size);
        const std::filesystem::path folder =
            std::filesystem::path(directory) / (side + "x" + side) / "apps";
        std::filesystem::create_directories(folder);
        const std::string path = (folder / (std::string(name) + ".png")).string();
        const std::string error = PngFile::Save(path, Draw(size));
        if (!error.empty()) {
            throw std::runtime_error(path + ": " + error);
        }
    }
}

} // namespace icongen
