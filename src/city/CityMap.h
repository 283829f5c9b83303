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
//
// Roads grow from a few seed cells in four straight arms to the border; the
// cells around roads become sidewalks and everything else building lots.
// Cell (x, y) covers world x from x * cellSize to (x + 1) * cellSize, and y
// likewise; it is stored at index x * height + y.
class CityMap {
public:
    // Cell kinds, as bits of MapCell::flags.
    enum Flag {
        Sidewalk = 1,
        Lot = 2,
        Road = 8,
        RoadAlongX = 16,
        RoadAlongY = 32,
        Crossing = 48, // a road seed (exactly 48) or a junction (56)
    };

    // Allocates width x height cells of the given size, all without flags.
    MapCell* Init(int width, int height, float cellSize);
    // Lays roads, sidewalks and lots; a negative seed means the current time.
    void Generate(int seed);
    void MarkRoadDirections();
    // Creates the map objects, appends them to the list and registers each in
    // the cells it covers; textures is the active city texture set. Each
    // object gets a display-list index and is compiled in the current window.
    void CreateObjects(std::vector<std::unique_ptr<MapObject>>& list, const TextureSet& textures);

    // The steps of Generate and CreateObjects, in the order they run.
    void LayRoads();
    // True if another seed lies in rows y - 5 .. y + 4 or columns x - 5 .. x + 4.
    bool TooCloseToSeed(int x, int y) const;
    void LaySidewalks();
    void FillLots();
    // Gives the object cell (x, y) and grows it over the neighbouring cells
    // with exactly these flags and no object, into a rectangle of at most
    // 6 x 6 cells (3 x 3 for roads); stores the rectangle in the object.
    void PlaceObject(int x, int y, MapObject* object, int flags);

    // -1 for a cell outside the map.
    int CellIndex(int x, int y) const;
    // The cell, or null outside the map.
    MapCell* CellAt(int x, int y);
    const MapCell* CellAt(int x, int y) const;
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
    bool HasFlag(int x, int y, int flag) const { return (FlagsAt(x, y) & flag) != 0; }
    // True for a cell that exists, carries exactly these flags and no object.
    bool IsFree(int x, int y, int flags) const;
    // Creates the object a cell's flags call for, or null for none.
    std::unique_ptr<MapObject> MakeObject(int flags, const TextureSet& textures) const;

    int width = 0;
    int height = 0;
    float cellSize = 0.0f;
    std::vector<MapCell> cells;
};
