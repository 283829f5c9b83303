// City map generation: the layout rules over many random cities, the seed
// spacing, sidewalks, merging of like cells into objects and the position
// queries the actors use.

#include "city/CityMap.h"
#include "actors/HandMadeMap.h"
#include "city/MapObject.h"
#include "city/TextureSet.h"
#include "game/Globals.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int citySize = 100;
constexpr float cellSize = 100.0f;

struct Cell {
    int x, y;
};

std::vector<Cell> Seeds(const CityMap& map) {
    std::vector<Cell> seeds;
    for (int x = 0; x < map.GetWidth(); ++x) {
        for (int y = 0; y < map.GetHeight(); ++y) {
            if (map.FlagsAt(x, y) == CityMap::Crossing) {
                seeds.push_back({x, y});
            }
        }
    }
    return seeds;
}

bool IsRoad(const CityMap& map, const int x, const int y) {
    return (map.FlagsAt(x, y) & CityMap::Road) != 0;
}

// True if `later` may have been seeded after `earlier`: it keeps out of the
// band of rows earlier.y - 4 .. earlier.y + 5 and likewise for columns.
bool SpacedAfter(const Cell& earlier, const Cell& later) {
    const auto outside = [](const int d) { return d < -4 || d > 5; };
    return outside(later.y - earlier.y) && outside(later.x - earlier.x);
}

} // namespace

TEST(CityMapTest, GeneratedCitiesFollowTheLayoutRules) {
    CityMap map;
    for (int seed = 0; seed < 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        map.Init(citySize, citySize, cellSize);
        map.Generate(seed);
        map.MarkRoadDirections();
        const std::vector<Cell> seeds = Seeds(map);
        ASSERT_TRUE(!seeds.empty() && seeds.size() <= 9u);
        for (size_t a = 0; a < seeds.size(); ++a) {
            for (size_t b = a + 1; b < seeds.size(); ++b) {
                EXPECT_TRUE(SpacedAfter(seeds[a], seeds[b]) || SpacedAfter(seeds[b], seeds[a]));
            }
        }
        for (int x = 0; x < citySize; ++x) {
            for (int y = 0; y < citySize; ++y) {
                const int flags = map.FlagsAt(x, y);
                bool roadNear = false;
                bool inLine = false; // arms run straight from a seed to the border
                for (int n = 0; n < 9; ++n) {
                    roadNear = roadNear || (n != 4 && IsRoad(map, x + n / 3 - 1, y + n % 3 - 1));
                }
                for (const Cell& s : seeds) {
                    inLine = inLine || s.x == x || s.y == y;
                }
                const bool alongY = IsRoad(map, x, y - 1) || IsRoad(map, x, y + 1);
                const bool alongX = IsRoad(map, x - 1, y) || IsRoad(map, x + 1, y);
                int expected = roadNear ? CityMap::Sidewalk : CityMap::Lot;
                if (flags == CityMap::Crossing) {
                    expected = CityMap::Crossing; // a seed; its four neighbours are road
                    for (const Cell n :
                         {Cell{x - 1, y}, Cell{x + 1, y}, Cell{x, y - 1}, Cell{x, y + 1}}) {
                        EXPECT_TRUE(map.CellIndex(n.x, n.y) < 0 || IsRoad(map, n.x, n.y));
                    }
                } else if (flags & CityMap::Road) {
                    EXPECT_TRUE(inLine) << x << "," << y;
                    expected = CityMap::Road | (alongY ? CityMap::RoadAlongY : 0) |
                               (alongX ? CityMap::RoadAlongX : 0);
                }
                ASSERT_EQ(flags, expected) << x << "," << y;
            }
        }
    }
}

TEST(CityMapTest, PositionQueriesTruncateTowardZeroAndStayInside) {
    CityMap map;
    map.Init(citySize, citySize, cellSize);
    SetCellFlags(map, 0, 0, CityMap::Sidewalk);
    SetCellFlags(map, 99, 3, CityMap::Lot);
    EXPECT_EQ(std::vector<int>({map.FlagsAtPosition(-50, 10), map.FlagsAtPosition(-150, 10),
                                map.FlagsAtPosition(9999, 399), map.FlagsAtPosition(10000, 399),
                                map.FlagsAtPosition(2000000000, -2000000000), map.FlagsAt(-1, 0),
                                map.FlagsAt(0, citySize), map.CellIndex(citySize, 0)}),
              std::vector<int>({CityMap::Sidewalk, 0, CityMap::Lot, 0, 0, 0, 0, -1}));

    EXPECT_EQ(map.CellAtPosition(9950, 350).flags, CityMap::Lot);
    const MapCell outside = map.CellAtPosition(10050, 350); // a harmless stand-in
    EXPECT_EQ(outside.size + static_cast<float>(outside.flags), 1.0f);
    EXPECT_EQ(outside.object, nullptr);
}

class CityObjectsTest : public GlTest {
protected:
    void TearDown() override {
        objects.clear();
        glDisable(GL_CULL_FACE); // lists turn it on; other tests expect GL's defaults
    }
    std::vector<std::unique_ptr<MapObject>> objects;
    TextureSet textures;
};

TEST_F(CityObjectsTest, ObjectsCoverRectanglesOfLikeCellsAndAllHaveLists) {
    CityMap map;
    for (int seed = 0; seed < 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        map.Init(citySize, citySize, cellSize);
        map.Generate(seed);
        map.MarkRoadDirections();
        map.CreateObjects(objects, textures);
        std::map<const MapObject*, std::vector<Cell>> covered;
        for (int x = 0; x < citySize; ++x) {
            for (int y = 0; y < citySize; ++y) {
                const MapObject* object = map.CellAt(x, y)->object;
                ASSERT_NE(object, nullptr) << x << "," << y;
                covered[object].push_back({x, y});
            }
        }
        ASSERT_EQ(covered.size(), objects.size());
        EXPECT_LT(objects.size(), 2000u); // merging keeps the count far below the cells

        for (const std::unique_ptr<MapObject>& object : objects) {
            // The cells are exactly the extent's rectangle, all of one kind, at
            // most 6 by 6 (3 by 3 for roads).
            const std::vector<Cell>& cells = covered[object.get()];
            const int x0 = static_cast<int>(object->GetMinX() / cellSize + 0.5f);
            const int y0 = static_cast<int>(object->GetMinY() / cellSize + 0.5f);
            const int x1 = static_cast<int>(object->GetMaxX() / cellSize + 0.5f);
            const int y1 = static_cast<int>(object->GetMaxY() / cellSize + 0.5f);
            EXPECT_EQ(static_cast<int>(cells.size()), (x1 - x0) * (y1 - y0));
            const int flags = map.FlagsAt(cells[0].x, cells[0].y);
            for (const Cell& c : cells) {
                EXPECT_TRUE(c.x >= x0 && c.x < x1 && c.y >= y0 && c.y < y1);
                EXPECT_EQ(map.FlagsAt(c.x, c.y), flags);
            }
            EXPECT_LE(std::max(x1 - x0, y1 - y0), (flags & CityMap::Road) ? 3 : 6);

            // Lots become buildings or parks, seeds flat plates, the rest tiles.
            const bool lot = (flags & CityMap::Lot) != 0;
            const bool seed = (flags & CityMap::Crossing) == CityMap::Crossing;
            const int kind = object->GetKind();
            EXPECT_TRUE(lot ? kind == MapObject::KindBuilding || kind == MapObject::KindPark
                            : kind == (seed ? MapObject::KindBuilding : MapObject::KindTile));
            EXPECT_TRUE(!seed || object->GetHeight() == 0.0f);
            EXPECT_TRUE(glIsList(displayListTable.ListFor(object->GetListNumber())));
        }
        objects.clear();
    }
}

TEST_F(CityObjectsTest, LoneRoadCellGetsItsOwnTileAndEmptyCellsSayMoo) {
    // Row y = 1 of a 5 x 3 map: a lone road cell at the border, beside a
    // seed; the rest sidewalk, with two cells left without any flag.
    CityMap map;
    map.Init(5, 3, cellSize);
    for (int cell = 0; cell < 15; ++cell) {
        SetCellFlags(map, cell / 3, cell % 3, CityMap::Sidewalk);
    }
    SetCellFlags(map, 0, 1, CityMap::Road);
    SetCellFlags(map, 1, 1, CityMap::Crossing);
    SetCellFlags(map, 4, 0, 0);
    SetCellFlags(map, 4, 2, 0);
    map.MarkRoadDirections();
    EXPECT_EQ(map.FlagsAt(0, 1), CityMap::Road);

    testing::internal::CaptureStdout();
    map.CreateObjects(objects, textures);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Moo!Moo!");

    const MapObject* lone = map.CellAt(0, 1)->object;
    ASSERT_NE(lone, nullptr);
    EXPECT_EQ(lone->GetKind(), MapObject::KindTile);
    const float* colour = lone->GetColour();
    EXPECT_EQ((std::array<float, 3>{colour[0], colour[1], colour[2]}),
              (std::array<float, 3>{1, 0, 1})); // magenta, untextured
    EXPECT_EQ(lone->GetTopTexture(), 0u);
    EXPECT_NEAR(lone->GetMaxX(), 100.001f, 1e-3f);
    EXPECT_NEAR(lone->GetMaxY(), 200.001f, 1e-3f);
    EXPECT_EQ(map.CellAt(4, 0)->object, nullptr);
    EXPECT_EQ(map.CellAt(1, 1)->object->GetKind(), MapObject::KindBuilding);
    int loneCells = 0;
    for (int cell = 0; cell < 15; ++cell) {
        loneCells += map.CellAt(cell / 3, cell % 3)->object == lone;
    }
    EXPECT_EQ(loneCells, 1);
}
