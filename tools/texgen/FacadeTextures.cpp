#include "FacadeTextures.h"

#include "Rng.h"
#include "ValueNoise.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace texgen {

namespace {

constexpr int ParapetBottom = 10; // rows above this are the roof edge
constexpr int StreetTop = 212;    // the street-level floor starts here
constexpr int StreetCornice = 4;  // band between the upper floors and the street level

enum class Wall { Brick, Stucco, Concrete, Stone };
enum class Street { Shops, Doors, Garage, Arcade };

struct FacadeStyle {
    std::uint32_t seed;
    Wall wall;
    Street street;
    Colour wallColour;
    Colour trimColour;
    Colour glassColour;
    Colour litColour;
    int columns;
    int rows;
    float windowWidth;  // share of a bay
    float windowHeight; // share of a floor
    float litShare;
    bool shutters;
    Colour shutterColour;
};

struct Rect {
    int x0;
    int y0;
    int x1;
    int y1;
};

int BayLeft(const FacadeStyle& style, const int column) {
    return column * Image::Size / style.columns;
}

int FloorTop(const FacadeStyle& style, const int row) {
    return ParapetBottom + row * (StreetTop - ParapetBottom) / style.rows;
}

void PaintBrickWall(Image& image, const FacadeStyle& style) {
    constexpr int CourseHeight = 5;
    constexpr int BrickLength = 12;
    const Colour mortar{0.78f, 0.75f, 0.70f};
    for (int y = 0; y < Image::Size; ++y) {
        const int course = y / CourseHeight;
        const int offset = (course % 2) * (BrickLength / 2);
        for (int x = 0; x < Image::Size; ++x) {
            const int brick = (x + offset) / BrickLength;
            const bool joint = y % CourseHeight == CourseHeight - 1 ||
                               (x + offset) % BrickLength == BrickLength - 1;
            if (joint) {
                image.At(x, y) = mortar;
                continue;
            }
            const float tone = 0.85f + 0.3f * HashUnit(brick, course, style.seed);
            const float warm = 0.06f * (HashUnit(brick, course, style.seed + 1) - 0.5f);
            image.At(x, y) = style.wallColour * tone + Colour{warm, 0.0f, -warm};
        }
    }
}

void PaintStoneWall(Image& image, const FacadeStyle& style) {
    constexpr int CourseHeight = 9;
    const Colour joint = style.wallColour * 0.82f;
    for (int y = 0; y < Image::Size; ++y) {
        const int course = y / CourseHeight;
        const int offset = static_cast<int>(HashUnit(course, 0, style.seed) * 30.0f);
        const int length = 22 + static_cast<int>(HashUnit(course, 1, style.seed) * 10.0f);
        for (int x = 0; x < Image::Size; ++x) {
            const int block = (x + offset) / length;
            if (y % CourseHeight == 0 || (x + offset) % length == 0) {
                image.At(x, y) = joint;
                continue;
            }
            const float tone = 0.93f + 0.14f * HashUnit(block, course, style.seed + 2);
            image.At(x, y) = style.wallColour * tone;
        }
    }
}

void PaintConcreteWall(Image& image, const FacadeStyle& style) {
    image.FillRect(0, 0, Image::Size, Image::Size, style.wallColour);
    image.Modulate(ValueNoise(style.seed), 48.0f, 4, 0.10f);
    const Colour seam = style.wallColour * 0.78f;
    for (int row = 1; row < style.rows; ++row) {
        image.FillRect(0, FloorTop(style, row), Image::Size, FloorTop(style, row) + 1, seam);
    }
    for (int column = 2; column < style.columns; column += 2) {
        image.FillRect(BayLeft(style, column), 0, BayLeft(style, column) + 1, StreetTop, seam);
    }
}

void PaintWall(Image& image, const FacadeStyle& style) {
    switch (style.wall) {
    case Wall::Brick:
        PaintBrickWall(image, style);
        break;
    case Wall::Stone:
        PaintStoneWall(image, style);
        break;
    case Wall::Concrete:
        PaintConcreteWall(image, style);
        break;
    case Wall::Stucco:
        image.FillRect(0, 0, Image::Size, Image::Size, style.wallColour);
        image.Modulate(ValueNoise(style.seed), 24.0f, 4, 0.08f);
        break;
    }
}

// Glass with a sky reflection that runs diagonally across the whole wall, so
// neighbouring panes read as one surface; lit panes glow warm instead.
void PaintPane(Image& image, const Rect& pane, const FacadeStyle& style, const bool lit) {
    const float height = static_cast<float>(std::max(pane.y1 - pane.y0, 1));
    for (int y = pane.y0; y < pane.y1; ++y) {
        const float down = static_cast<float>(y - pane.y0) / height;
        for (int x = pane.x0; x < pane.x1; ++x) {
            Colour c;
            if (lit) {
                c = style.litColour * (0.85f + 0.25f * down);
            } else {
                const float streak =
                    0.5f +
                    0.5f * std::sin((static_cast<float>(x) - 0.8f * static_cast<float>(y)) / 23.0f);
                c = Mix(style.glassColour, Colour{0.80f, 0.88f, 0.95f},
                        0.10f + 0.30f * streak * streak + 0.25f * (1.0f - down));
            }
            image.At(x, y) = c;
        }
    }
}

void PaintWindow(Image& image, const Rect& window, const FacadeStyle& style, const bool lit) {
    const Colour trim = style.trimColour;
    if (style.wall == Wall::Stone) {
        image.BevelRect(window.x0 - 3, window.y0 - 5, window.x1 + 3, window.y0 - 1, trim * 1.05f, 1,
                        0.10f);
    }
    if (style.shutters) {
        const int width = (window.x1 - window.x0) / 2;
        for (const int left : {window.x0 - width - 1, window.x1 + 1}) {
            image.FillRect(left, window.y0, left + width, window.y1, style.shutterColour);
            for (int y = window.y0 + 1; y < window.y1; y += 3) {
                image.FillRect(left, y, left + width, y + 1, style.shutterColour * 0.75f);
            }
        }
    }
    image.FillRect(window.x0 - 2, window.y0 - 2, window.x1 + 2, window.y1 + 2, trim);
    PaintPane(image, window, style, lit);
    const int middle = (window.x0 + window.x1) / 2;
    image.FillRect(middle - 1, window.y0, middle + 1, window.y1, trim);
    const int transom = window.y0 + (window.y1 - window.y0) / 3;
    image.FillRect(window.x0, transom, window.x1, transom + 1, trim);
    // Sill with the shadow it casts.
    image.FillRect(window.x0 - 3, window.y1 + 1, window.x1 + 3, window.y1 + 3, trim * 1.1f);
    image.FillRect(window.x0 - 3, window.y1 + 3, window.x1 + 3, window.y1 + 4, Colour{}, 0.25f);
}

void PaintUpperFloors(Image& image, const FacadeStyle& style) {
    Rng rng(style.seed);
    for (int row = 0; row < style.rows; ++row) {
        const int top = FloorTop(style, row);
        const int floorHeight = FloorTop(style, row + 1) - top;
        const int height = static_cast<int>(static_cast<float>(floorHeight) * style.windowHeight);
        const int y0 = top + (floorHeight - height) * 2 / 5;
        for (int column = 0; column < style.columns; ++column) {
            const int left = BayLeft(style, column);
            const int bay = BayLeft(style, column + 1) - left;
            const int width = static_cast<int>(static_cast<float>(bay) * style.windowWidth);
            const int x0 = left + (bay - width) / 2;
            PaintWindow(image, Rect{x0, y0, x0 + width, y0 + height}, style,
                        rng.Chance(style.litShare));
        }
    }
}

void PaintParapet(Image& image, const FacadeStyle& style) {
    image.BevelRect(0, 0, Image::Size, ParapetBottom, style.trimColour, 2, 0.12f);
    image.FillRect(0, ParapetBottom, Image::Size, ParapetBottom + 2, Colour{}, 0.25f);
}

void PaintDoor(Image& image, const Rect& door, const Colour& colour) {
    image.FillRect(door.x0 - 2, door.y0 - 2, door.x1 + 2, door.y1, Colour{0.25f, 0.24f, 0.22f});
    image.BevelRect(door.x0, door.y0, door.x1, door.y1, colour, 1, 0.2f);
    const int middle = (door.x0 + door.x1) / 2;
    image.FillRect(middle, door.y0, middle + 1, door.y1, colour * 0.6f);
    const int height = door.y1 - door.y0;
    for (const int x : {door.x0 + 2, middle + 2}) {
        image.BevelRect(x, door.y0 + 3, x + (door.x1 - door.x0) / 2 - 4, door.y0 + height / 2,
                        colour * 0.9f, 1, -0.15f);
    }
    image.FillRect(middle - 3, door.y0 + height / 2 + 2, middle - 1, door.y0 + height / 2 + 4,
                   Colour{0.85f, 0.75f, 0.35f});
}

void PaintShopWindow(Image& image, const Rect& shop, Rng& rng) {
    image.FillRect(shop.x0 - 2, shop.y0 - 2, shop.x1 + 2, shop.y1, Colour{0.2f, 0.2f, 0.22f});
    for (int y = shop.y0; y < shop.y1; ++y) {
        const float down = static_cast<float>(y - shop.y0) / static_cast<float>(shop.y1 - shop.y0);
        image.FillRect(shop.x0, y, shop.x1, y + 1,
                       Mix(Colour{1.0f, 0.93f, 0.75f}, Colour{0.85f, 0.70f, 0.50f}, down));
    }
    // Goods on display: a few bright boxes on the lower half.
    for (int i = 0; i < 5; ++i) {
        const int x = shop.x0 + 2 + rng.Below(std::max(shop.x1 - shop.x0 - 8, 1));
        const int h = 3 + rng.Below(6);
        const Colour goods{rng.Range(0.3f, 1.0f), rng.Range(0.2f, 0.9f), rng.Range(0.2f, 0.8f)};
        image.FillRect(x, shop.y1 - 3 - h, x + 4 + rng.Below(4), shop.y1 - 3, goods);
    }
    image.FillRect(shop.x0, shop.y1 - 3, shop.x1, shop.y1, Colour{0.35f, 0.3f, 0.28f});
}

void PaintAwning(Image& image, const int x0, const int x1, const int y, const Colour& colour) {
    constexpr int Depth = 7;
    for (int x = x0; x < x1; ++x) {
        const bool stripe = ((x - x0) / 4) % 2 == 0;
        const Colour c = stripe ? colour : Colour{0.95f, 0.93f, 0.88f};
        for (int dy = 0; dy < Depth; ++dy) {
            image.At(x, y + dy) = c * (0.85f + 0.04f * static_cast<float>(dy));
        }
        if ((x - x0) % 8 < 5) {
            image.At(x, y + Depth) = c * 0.8f;
        }
    }
    image.FillRect(x0, y + Depth + 1, x1, y + Depth + 3, Colour{}, 0.2f);
}

void PaintStreetLevel(Image& image, const FacadeStyle& style) {
    Rng rng(style.seed + 7);
    image.BevelRect(0, StreetTop, Image::Size, StreetTop + StreetCornice, style.trimColour, 1,
                    0.15f);
    const int top = StreetTop + StreetCornice;
    const int bottom = Image::Size;
    const int doorColumn = style.columns / 2;
    const Colour wood{0.45f, 0.28f, 0.16f};
    for (int column = 0; column < style.columns; ++column) {
        const int left = BayLeft(style, column);
        const int right = BayLeft(style, column + 1);
        const int bay = right - left;
        const bool door = column == doorColumn || (style.street == Street::Doors && column == 0);
        switch (style.street) {
        case Street::Shops:
            if (column % 2 == 0) {
                const int shopRight = std::min(BayLeft(style, column + 2), Image::Size);
                PaintAwning(image, left + 2, shopRight - 2, top + 2,
                            column % 4 == 0 ? Colour{0.75f, 0.18f, 0.15f}
                                            : Colour{0.18f, 0.45f, 0.30f});
            }
            if (door) {
                PaintDoor(image, Rect{left + bay / 4, top + 12, right - bay / 4, bottom}, wood);
            } else {
                PaintShopWindow(image, Rect{left + 3, top + 13, right - 3, bottom - 3}, rng);
            }
            break;
        case Street::Doors:
            if (door) {
                PaintDoor(image, Rect{left + bay / 4, top + 6, right - bay / 4, bottom},
                          Colour{0.25f, 0.35f, 0.30f});
            } else {
                const int width = static_cast<int>(static_cast<float>(bay) * style.windowWidth);
                const int x0 = left + (bay - width) / 2;
                PaintWindow(image, Rect{x0, top + 8, x0 + width, bottom - 10}, style,
                            rng.Chance(style.litShare));
            }
            break;
        case Street::Garage:
            if (door) {
                PaintDoor(image, Rect{left + bay / 5, top + 6, right - bay / 5, bottom},
                          Colour{0.30f, 0.40f, 0.55f});
            } else if (column % 3 == 1) {
                image.FillRect(left + 3, top + 6, right - 3, bottom, Colour{0.3f, 0.3f, 0.3f});
                for (int y = top + 7; y < bottom; y += 3) {
                    image.FillRect(left + 4, y, right - 4, y + 2, Colour{0.70f, 0.71f, 0.72f});
                }
            } else {
                const int width = static_cast<int>(static_cast<float>(bay) * style.windowWidth);
                const int x0 = left + (bay - width) / 2;
                PaintWindow(image, Rect{x0, top + 8, x0 + width, top + 26}, style, false);
            }
            break;
        case Street::Arcade:
            image.FillRect(left + 4, top + 3, right - 4, bottom, Colour{0.22f, 0.2f, 0.2f});
            image.FillEllipse(static_cast<float>(left + right) * 0.5f, static_cast<float>(top + 12),
                              static_cast<float>(bay) * 0.5f - 4.0f, 9.0f,
                              Colour{0.22f, 0.2f, 0.2f});
            image.FillRect(left, top, left + 4, bottom, style.trimColour);
            image.FillRect(right - 4, top, right, bottom, style.trimColour * 0.9f);
            if (door) {
                PaintDoor(image, Rect{left + bay / 4, top + 12, right - bay / 4, bottom}, wood);
            } else {
                PaintShopWindow(image, Rect{left + 7, top + 14, right - 7, bottom - 4}, rng);
            }
            break;
        }
    }
    // A darker plinth where the wall meets the pavement.
    image.FillRect(0, bottom - 3, Image::Size, bottom, Colour{}, 0.3f);
}

Image PaintFacade(const FacadeStyle& style) {
    Image image;
    PaintWall(image, style);
    PaintUpperFloors(image, style);
    PaintParapet(image, style);
    PaintStreetLevel(image, style);
    image.Modulate(ValueNoise(style.seed + 3), 64.0f, 3, 0.06f);
    image.AddGrain(style.seed + 4, 0.025f);
    return image;
}

} // namespace

Image PaintBrickFacade() {
    return PaintFacade(FacadeStyle{
        .seed = 101,
        .wall = Wall::Brick,
        .street = Street::Shops,
        .wallColour = {0.70f, 0.36f, 0.26f},
        .trimColour = {0.92f, 0.90f, 0.84f},
        .glassColour = {0.22f, 0.30f, 0.40f},
        .litColour = {1.0f, 0.86f, 0.55f},
        .columns = 7,
        .rows = 9,
        .windowWidth = 0.52f,
        .windowHeight = 0.58f,
        .litShare = 0.25f,
        .shutters = false,
        .shutterColour = {},
    });
}

Image PaintStuccoFacade() {
    return PaintFacade(FacadeStyle{
        .seed = 202,
        .wall = Wall::Stucco,
        .street = Street::Arcade,
        .wallColour = {0.93f, 0.80f, 0.56f},
        .trimColour = {0.96f, 0.94f, 0.88f},
        .glassColour = {0.20f, 0.26f, 0.32f},
        .litColour = {1.0f, 0.88f, 0.60f},
        .columns = 6,
        .rows = 8,
        .windowWidth = 0.40f,
        .windowHeight = 0.62f,
        .litShare = 0.2f,
        .shutters = true,
        .shutterColour = {0.30f, 0.52f, 0.36f},
    });
}

Image PaintConcreteFacade() {
    return PaintFacade(FacadeStyle{
        .seed = 303,
        .wall = Wall::Concrete,
        .street = Street::Garage,
        .wallColour = {0.76f, 0.76f, 0.74f},
        .trimColour = {0.35f, 0.37f, 0.40f},
        .glassColour = {0.18f, 0.24f, 0.30f},
        .litColour = {0.95f, 0.92f, 0.78f},
        .columns = 8,
        .rows = 10,
        .windowWidth = 0.62f,
        .windowHeight = 0.55f,
        .litShare = 0.2f,
        .shutters = false,
        .shutterColour = {},
    });
}

Image PaintStoneFacade() {
    return PaintFacade(FacadeStyle{
        .seed = 404,
        .wall = Wall::Stone,
        .street = Street::Doors,
        .wallColour = {0.84f, 0.76f, 0.60f},
        .trimColour = {0.93f, 0.89f, 0.78f},
        .glassColour = {0.20f, 0.25f, 0.30f},
        .litColour = {1.0f, 0.84f, 0.52f},
        .columns = 6,
        .rows = 8,
        .windowWidth = 0.46f,
        .windowHeight = 0.60f,
        .litShare = 0.25f,
        .shutters = false,
        .shutterColour = {},
    });
}

// A curtain wall: glass from edge to edge, mullions between the bays and an
// opaque spandrel at each floor slab; some offices have their lights on.
Image PaintGlassFacade() {
    constexpr std::uint32_t Seed = 505;
    constexpr int Columns = 8;
    constexpr int Rows = 10;
    constexpr int Spandrel = 5;
    const Colour glass{0.30f, 0.46f, 0.55f};
    const Colour sky{0.78f, 0.88f, 0.95f};
    const Colour lit{0.88f, 0.93f, 0.86f};
    const Colour metal{0.80f, 0.82f, 0.84f};
    const ValueNoise clouds(Seed);
    Rng rng(Seed);
    Image image;
    const FacadeStyle floors{.seed = Seed,
                             .wall = Wall::Concrete,
                             .street = Street::Shops,
                             .wallColour = metal,
                             .trimColour = metal,
                             .glassColour = glass,
                             .litColour = lit,
                             .columns = Columns,
                             .rows = Rows,
                             .windowWidth = 1.0f,
                             .windowHeight = 1.0f,
                             .litShare = 0.0f,
                             .shutters = false,
                             .shutterColour = {}};
    for (int y = 0; y < Image::Size; ++y) {
        for (int x = 0; x < Image::Size; ++x) {
            const float fx = static_cast<float>(x);
            const float fy = static_cast<float>(y);
            const float reflection = clouds.Fractal(fx * 0.5f, fy, 40.0f, 3);
            const float streak = std::exp(-std::pow((fx + 0.6f * fy - 200.0f) / 22.0f, 2.0f));
            const float height = 1.0f - fy / static_cast<float>(Image::Size);
            image.At(x, y) = Mix(glass, sky, 0.15f + 0.35f * height * reflection + 0.3f * streak);
        }
    }
    for (int row = 0; row < Rows; ++row) {
        const int top = FloorTop(floors, row);
        const int bottom = FloorTop(floors, row + 1);
        for (int column = 0; column < Columns; ++column) {
            if (rng.Chance(0.22f)) {
                const int left = BayLeft(floors, column);
                const int right = BayLeft(floors, column + 1);
                image.FillRect(left, top, right, bottom - Spandrel, lit, 0.8f);
                image.FillRect(left, top, right, top + 2, Colour{1.0f, 1.0f, 1.0f}, 0.8f);
            }
        }
        image.FillRect(0, bottom - Spandrel, Image::Size, bottom, Colour{0.26f, 0.30f, 0.34f});
        image.FillRect(0, bottom - Spandrel, Image::Size, bottom - Spandrel + 1, metal);
    }
    for (int column = 0; column <= Columns; ++column) {
        const int x = std::min(BayLeft(floors, column), Image::Size - 2);
        image.FillRect(x - 1, 0, x + 2, StreetTop, metal);
        const int middle = x + Image::Size / Columns / 2;
        image.FillRect(middle, 0, middle + 1, StreetTop, metal * 0.9f);
    }
    PaintParapet(image, floors);
    // Street level: a lobby of tall glass with a canopy over the entrance.
    image.BevelRect(0, StreetTop, Image::Size, StreetTop + StreetCornice, metal, 1, 0.15f);
    const int lobbyTop = StreetTop + StreetCornice;
    for (int y = lobbyTop; y < Image::Size; ++y) {
        const float down = static_cast<float>(y - lobbyTop) / 40.0f;
        image.FillRect(0, y, Image::Size, y + 1,
                       Mix(Colour{0.55f, 0.62f, 0.62f}, Colour{0.85f, 0.82f, 0.70f}, down));
    }
    for (int x = 0; x < Image::Size; x += 16) {
        image.FillRect(x, lobbyTop, x + 2, Image::Size, Colour{0.25f, 0.27f, 0.30f});
    }
    PaintDoor(image, Rect{112, lobbyTop + 12, 144, Image::Size}, Colour{0.45f, 0.50f, 0.52f});
    image.BevelRect(100, lobbyTop + 4, 156, lobbyTop + 9, Colour{0.3f, 0.32f, 0.35f}, 1, 0.2f);
    image.FillRect(0, Image::Size - 3, Image::Size, Image::Size, Colour{}, 0.3f);
    image.AddGrain(Seed + 1, 0.02f);
    return image;
}

// Gravel and tar inside a parapet, with a few vents, a hatch and an air
// conditioner casting short shadows.
Image PaintRoof() {
    constexpr std::uint32_t Seed = 606;
    constexpr int Parapet = 9;
    Image image(Colour{0.52f, 0.50f, 0.48f});
    image.Modulate(ValueNoise(Seed), 60.0f, 4, 0.15f);
    image.AddGrain(Seed + 1, 0.07f);
    const Colour coping{0.78f, 0.77f, 0.74f};
    image.BevelRect(0, 0, Image::Size, Parapet, coping, 2, 0.1f);
    image.BevelRect(0, Image::Size - Parapet, Image::Size, Image::Size, coping, 2, 0.1f);
    image.BevelRect(0, 0, Parapet, Image::Size, coping, 2, 0.1f);
    image.BevelRect(Image::Size - Parapet, 0, Image::Size, Image::Size, coping, 2, 0.1f);
    image.FillRect(Parapet, Parapet, Image::Size - Parapet, Parapet + 4, Colour{}, 0.25f);
    image.FillRect(Parapet, Parapet, Parapet + 4, Image::Size - Parapet, Colour{}, 0.25f);

    const auto shadowedBox = [&image](const Rect& box, const Colour& colour) {
        image.FillRect(box.x0 + 5, box.y0 + 5, box.x1 + 5, box.y1 + 5, Colour{}, 0.35f);
        image.BevelRect(box.x0, box.y0, box.x1, box.y1, colour, 2, 0.15f);
    };
    const auto shadowedVent = [&image](const float cx, const float cy, const float r) {
        image.FillEllipse(cx + 4.0f, cy + 4.0f, r, r, Colour{}, 0.35f);
        image.FillEllipse(cx, cy, r, r, Colour{0.70f, 0.71f, 0.72f});
        image.FillEllipse(cx - r * 0.2f, cy - r * 0.2f, r * 0.6f, r * 0.6f,
                          Colour{0.85f, 0.86f, 0.87f});
        image.FillEllipse(cx, cy, r * 0.3f, r * 0.3f, Colour{0.25f, 0.25f, 0.25f});
    };
    // Air conditioner with its fan grille.
    shadowedBox(Rect{150, 40, 212, 92}, Colour{0.80f, 0.81f, 0.80f});
    image.FillEllipse(181.0f, 66.0f, 19.0f, 19.0f, Colour{0.3f, 0.3f, 0.3f});
    for (int i = 0; i < 4; ++i) {
        const float a = static_cast<float>(i) * 0.785398f;
        image.DrawLine(181.0f - 17.0f * std::cos(a), 66.0f - 17.0f * std::sin(a),
                       181.0f + 17.0f * std::cos(a), 66.0f + 17.0f * std::sin(a), 2.0f,
                       Colour{0.6f, 0.6f, 0.6f});
    }
    // Roof hatch.
    shadowedBox(Rect{44, 150, 86, 192}, Colour{0.55f, 0.45f, 0.35f});
    image.FillRect(62, 150, 64, 192, Colour{0.4f, 0.32f, 0.25f});
    shadowedVent(70.0f, 60.0f, 10.0f);
    shadowedVent(196.0f, 190.0f, 8.0f);
    shadowedVent(120.0f, 205.0f, 6.0f);
    return image;
}

} // namespace texgen
