#pragma once

#include <memory>
#include <vector>

class MapObject;
class TextureSet;

// MapCell: one square cell of the city: its edge, the kinds it carries and
// the map object that covers it (owned by the World's map-object list).
struct MapCell {
    float size = 1.0f;
    int flags = 0;
    MapObject* object = nullptr;
};

// CityMap: the city the bird flies over, a grid of cells laid out at random
// with roads, sidewalks and building lots, and the static scenery made from
// it: one map object for each rectangle of like cells. During play it tells
// which kind of cell lies under a world position.
class CityMap {
public:
    // Cell kinds, as bits of MapCell::flags.
    enum Flag {
        Sidewalk = 1,
        Lot = 2,
        Road = 8,
        RoadAlongX = 16,
        RoadAlongY = 32,
        Crossing = 48,
    };

    // Allocates width x height cells of the given size, all without flags.
    MapCell* Init(int width, int height, float cellSize);
    // Lays roads, sidewalks and lots; a negative seed means the current time.
    void Generate(int seed);
    void MarkRoadDirections();
    // Creates the map objects, appends them to the list and registers each in
    // the cells it covers; textures is the active city texture set.
    void CreateObjects(std::vector<std::unique_ptr<MapObject>>& list, const TextureSet& textures);

    int CellIndex(int x, int y) const;
    int FlagsAt(int x, int y) const;
    // Flags under integer world coordinates, 0 outside the map.
    int FlagsAtPosition(int x, int y) const;
    // A copy of the cell under integer world coordinates, or a default cell.
    MapCell CellAtPosition(int x, int y) const;

    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    float GetCellSize() const { return cellSize; }
    MapCell* Cells() { return cells.data(); }

private:
    int width = 0;
    int height = 0;
    float cellSize = 0.0f;
    std::vector<MapCell> cells;
};
