#include "city/CityMap.h"

#include "base/DisplayListTable.h"
#include "city/Building.h"
#include "city/MapObject.h"
#include "city/Park.h"
#include "city/TextureSet.h"
#include "city/Tile.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr int minSeedsPerHundred = 5; // seeds per 100 cells of map edge: 5 to 9
constexpr int seedsPerHundredRange = 5;
constexpr int armStopChance = 45; // per cent, at each road an arm meets
constexpr int seedBandBefore = 5; // a seed keeps rows and columns y - 5 ..
constexpr int seedBandAfter = 4;  // .. y + 4 free of other seeds
// Seeds always fit on the game's map; a tiny or very thin map may not hold
// them all, so the search gives up after this many draws instead of hanging.
constexpr int maxSeedDraws = 100000;

constexpr int parkChance = 20; // per cent of lot rectangles
constexpr float parkHeight = 100.0f;
constexpr int buildingStoreys = 20;
constexpr float storeyHeight = 50.0f;
constexpr float minBuildingHeight = 100.0f;
// Rectangles grow until they are this many cells past their first cell.
constexpr int roadSpan = 1;
constexpr int otherSpan = 4;
constexpr double extentMargin = 0.001;

struct Step {
    int dx;
    int dy;
};

constexpr Step armSteps[4] = {{-1, 0}, {1, 0}, {0, 1}, {0, -1}};
constexpr Step neighbourSteps[8] = {{-1, 0}, {1, 0}, {0, 1},  {0, -1},
                                    {1, -1}, {1, 1}, {-1, 1}, {-1, -1}};

bool IsSeed(const int flags) {
    return (flags & CityMap::Crossing) == CityMap::Crossing;
}

} // namespace

MapCell* CityMap::Init(const int newWidth, const int newHeight, const float newCellSize) {
    width = newWidth > 0 ? newWidth : 0;
    height = newHeight > 0 ? newHeight : 0;
    cellSize = newCellSize;
    cells.assign(static_cast<size_t>(width) * static_cast<size_t>(height),
                 MapCell{cellSize, 0, nullptr});
    return cells.data();
}

void CityMap::Generate(const int seed) {
    if (seed < 0) {
        std::srand(static_cast<unsigned>(std::time(nullptr)));
    } else {
        std::srand(static_cast<unsigned>(seed));
    }
    for (MapCell& cell : cells) {
        cell.flags = 0;
    }
    LayRoads();
    LaySidewalks();
    FillLots();
}

void CityMap::LayRoads() {
    if (cells.empty()) {
        return;
    }
    const double edge = std::sqrt(static_cast<double>(width) * static_cast<double>(height));
    const int seedsPerHundred = std::rand() % seedsPerHundredRange + minSeedsPerHundred;
    int count = static_cast<int>(seedsPerHundred * edge / 100.0);
    for (int draws = 0; count != 0 && draws < maxSeedDraws; ++draws) {
        const int x = std::rand() % width;
        const int y = std::rand() % height;
        if (TooCloseToSeed(x, y)) {
            continue;
        }
        --count;
        CellAt(x, y)->flags = Crossing;

        // Four arms run straight from the seed to the border. Each crosses
        // earlier roads, but may end at any road it meets.
        int armX[4];
        int armY[4];
        bool active[4];
        for (int arm = 0; arm < 4; ++arm) {
            armX[arm] = x;
            armY[arm] = y;
            active[arm] = true;
        }
        bool anyActive = true;
        while (anyActive) {
            anyActive = false;
            for (int arm = 0; arm < 4; ++arm) {
                if (!active[arm]) {
                    continue;
                }
                MapCell* cell = CellAt(armX[arm], armY[arm]);
                if (cell == nullptr) {
                    active[arm] = false;
                    continue;
                }
                if ((cell->flags & Road) != 0) {
                    if (std::rand() % 100 < armStopChance) {
                        active[arm] = false;
                    }
                } else if (!IsSeed(cell->flags)) {
                    cell->flags = Road;
                }
                armX[arm] += armSteps[arm].dx;
                armY[arm] += armSteps[arm].dy;
                anyActive = anyActive || active[arm];
            }
        }
    }
}

bool CityMap::TooCloseToSeed(const int x, const int y) const {
    const auto isOtherSeed = [&](const int i, const int j) {
        return (i != x || j != y) && IsSeed(FlagsAt(i, j));
    };
    for (int j = y - seedBandBefore; j <= y + seedBandAfter; ++j) {
        if (j < 0 || j >= height) {
            continue;
        }
        for (int i = 0; i < width; ++i) {
            if (isOtherSeed(i, j)) {
                return true;
            }
        }
    }
    for (int i = x - seedBandBefore; i <= x + seedBandAfter; ++i) {
        if (i < 0 || i >= width) {
            continue;
        }
        for (int j = 0; j < height; ++j) {
            if (isOtherSeed(i, j)) {
                return true;
            }
        }
    }
    return false;
}

void CityMap::LaySidewalks() {
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            MapCell* cell = CellAt(x, y);
            if (cell->flags != 0) {
                continue;
            }
            for (const Step& step : neighbourSteps) {
                if (HasFlag(x + step.dx, y + step.dy, Road)) {
                    cell->flags = Sidewalk;
                    break;
                }
            }
        }
    }
}

void CityMap::FillLots() {
    for (MapCell& cell : cells) {
        if (cell.flags == 0) {
            cell.flags = Lot;
        }
    }
}

void CityMap::MarkRoadDirections() {
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            MapCell* cell = CellAt(x, y);
            if ((cell->flags & Road) == 0) {
                continue;
            }
            if (HasFlag(x, y + 1, Road) || HasFlag(x, y - 1, Road)) {
                cell->flags |= RoadAlongY;
            }
            if (HasFlag(x + 1, y, Road) || HasFlag(x - 1, y, Road)) {
                cell->flags |= RoadAlongX;
            }
        }
    }
}

std::unique_ptr<MapObject> CityMap::MakeObject(const int flags, const TextureSet& textures) const {
    if ((flags & Lot) != 0 && std::rand() % 100 < parkChance) {
        auto park = std::make_unique<Park>();
        park->SetColour(0.0f, 0.8f, 0.0f);
        park->SetHeight(parkHeight);
        park->SetTopTexture(textures.Get(TextureSet::Grass));
        return park;
    }
    if ((flags & Lot) != 0) {
        auto building = std::make_unique<Building>();
        building->SetHeight(static_cast<float>(std::rand() % buildingStoreys) * storeyHeight +
                            minBuildingHeight);
        building->SetTopTexture(textures.Get(TextureSet::Roof));
        building->SetFaceTextures(
            textures.Get(TextureSet::BuildingNorth), textures.Get(TextureSet::BuildingSouth),
            textures.Get(TextureSet::BuildingEast), textures.Get(TextureSet::BuildingWest));
        return building;
    }
    if (IsSeed(flags)) {
        // A flat building: only its top, the crossing plate, shows.
        auto plate = std::make_unique<Building>();
        plate->SetColour(1.0f, 1.0f, 1.0f);
        plate->SetTopTexture(textures.Get(TextureSet::Intersection));
        return plate;
    }
    if ((flags & (RoadAlongY | RoadAlongX | Sidewalk)) != 0) {
        auto tile = std::make_unique<Tile>();
        if ((flags & RoadAlongY) != 0) {
            tile->SetColour(1.0f, 1.0f, 1.0f);
            tile->SetTopTexture(textures.Get(TextureSet::RoadAlongY));
        } else if ((flags & RoadAlongX) != 0) {
            tile->SetColour(1.0f, 1.0f, 1.0f);
            tile->SetTopTexture(textures.Get(TextureSet::RoadAlongX));
        } else {
            tile->SetTopTexture(textures.Get(TextureSet::Sidewalk));
        }
        return tile;
    }
    if ((flags & Road) != 0) {
        // A lone road cell (laid at the border beside its seed) has no
        // direction to draw; it gets a plain untextured tile of its own so
        // the ground has no hole.
        auto tile = std::make_unique<Tile>();
        tile->SetColour(1.0f, 0.0f, 1.0f);
        return tile;
    }
    return nullptr;
}

void CityMap::CreateObjects(std::vector<std::unique_ptr<MapObject>>& list,
                            const TextureSet& textures) {
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const MapCell* cell = CellAt(x, y);
            if (cell->object != nullptr) {
                continue;
            }
            std::unique_ptr<MapObject> object = MakeObject(cell->flags, textures);
            if (!object) {
                continue;
            }
            PlaceObject(x, y, object.get(), cell->flags);
            object->SetListNumber(displayListTable.NextListIndex());
            object->SetupDisplaylist();
            list.push_back(std::move(object));
        }
    }
    for (const MapCell& cell : cells) {
        if (cell.object == nullptr) {
            std::printf("Moo!");
        }
    }
}

bool CityMap::IsFree(const int x, const int y, const int flags) const {
    const MapCell* cell = CellAt(x, y);
    return cell != nullptr && cell->flags == flags && cell->object == nullptr;
}

void CityMap::PlaceObject(const int x, const int y, MapObject* object, const int flags) {
    MapCell* first = CellAt(x, y);
    if (first == nullptr) {
        return;
    }
    first->object = object;
    const int span = (flags & Road) != 0 ? roadSpan : otherSpan;
    int x2 = x;
    int y2 = y;
    bool grew = true;
    while (grew) {
        grew = false;
        if (x2 - x <= span) {
            bool free = true;
            for (int j = y; j <= y2 && free; ++j) {
                free = IsFree(x2 + 1, j, flags);
            }
            if (free) {
                ++x2;
                for (int j = y; j <= y2; ++j) {
                    CellAt(x2, j)->object = object;
                }
                grew = true;
            }
        }
        if (y2 - y <= span) {
            bool free = true;
            for (int i = x; i <= x2 && free; ++i) {
                free = IsFree(i, y2 + 1, flags);
            }
            if (free) {
                ++y2;
                for (int i = x; i <= x2; ++i) {
                    CellAt(i, y2)->object = object;
                }
                grew = true;
            }
        }
    }
    const double size = cellSize;
    object->SetExtent(static_cast<float>(x * size - extentMargin),
                      static_cast<float>(y * size - extentMargin),
                      static_cast<float>((x2 + 1) * size + extentMargin),
                      static_cast<float>((y2 + 1) * size + extentMargin));
}

int CityMap::CellIndex(const int x, const int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return -1;
    }
    return x * height + y;
}

MapCell* CityMap::CellAt(const int x, const int y) {
    const int index = CellIndex(x, y);
    return index < 0 ? nullptr : &cells[static_cast<size_t>(index)];
}

const MapCell* CityMap::CellAt(const int x, const int y) const {
    const int index = CellIndex(x, y);
    return index < 0 ? nullptr : &cells[static_cast<size_t>(index)];
}

int CityMap::FlagsAt(const int x, const int y) const {
    const MapCell* cell = CellAt(x, y);
    return cell == nullptr ? 0 : cell->flags;
}

int CityMap::FlagsAtPosition(const int x, const int y) const {
    const MapCell cell = CellAtPosition(x, y);
    return cell.flags;
}

MapCell CityMap::CellAtPosition(const int x, const int y) const {
    if (cellSize <= 0.0f) {
        return MapCell{};
    }
    // Truncation toward zero: -50 still reads column 0, -150 is outside.
    // Far-off positions are rejected before the conversion to int.
    const float column = static_cast<float>(x) / cellSize;
    const float row = static_cast<float>(y) / cellSize;
    if (column <= -1.0f || row <= -1.0f || column >= static_cast<float>(width) ||
        row >= static_cast<float>(height)) {
        return MapCell{};
    }
    const MapCell* cell = CellAt(static_cast<int>(column), static_cast<int>(row));
    return cell == nullptr ? MapCell{} : *cell;
}
