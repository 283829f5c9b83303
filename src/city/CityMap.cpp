#include "city/CityMap.h"

#include "city/MapObject.h"

MapCell* CityMap::Init(int, int, float) { return nullptr; }
void CityMap::Generate(int) {}
void CityMap::MarkRoadDirections() {}
void CityMap::CreateObjects(std::vector<std::unique_ptr<MapObject>>&, const TextureSet&) {}
int CityMap::CellIndex(int, int) const { return -1; }
int CityMap::FlagsAt(int, int) const { return 0; }
int CityMap::FlagsAtPosition(int, int) const { return 0; }
MapCell CityMap::CellAtPosition(int, int) const { return MapCell{}; }
