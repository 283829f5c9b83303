#pragma once

#include "city/SceneObject.h"

#include <cstdint>

// MapObject: a static piece of the city (building, tile or park) covering a
// rectangle of map cells. It compiles its geometry once into a display list
// per window, through the DisplayListTable, and draws by calling that list.
class MapObject : public SceneObject {
public:
    enum Kind { KindPark = 1, KindBuilding = 2, KindTile = 4 };

    ~MapObject() override;
    void DrawGeometry() override;
    // Compiles the object's list in the current window.
    virtual void SetupDisplaylist();

    int GetKind() const { return kind; }
    float GetHeight() const { return height; }

protected:
    float maxY = 0.0f;
    float minY = 0.0f;
    float maxX = 0.0f;
    float minX = 0.0f;
    float height = 0.0f;
    float base = 0.0f;
    uint32_t textureNorth = 0; // face towards +y
    uint32_t textureSouth = 0; // face towards -y
    uint32_t textureEast = 0;  // face towards +x
    uint32_t textureWest = 0;  // face towards -x
    uint32_t textureTop = 0;
    uint32_t textureBottom = 0;
    uint32_t listNumber = 0;
    int positioned = 0;
    int kind = 0;
};
