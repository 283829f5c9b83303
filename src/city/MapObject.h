#pragma once

#include "base/DisplayListTable.h"
#include "city/FaceSink.h"
#include "city/SceneObject.h"

#include <cstdint>

// MapObject: a static piece of the city (building, tile or park) covering a
// rectangle of map cells. It compiles its geometry once into a display list
// per window, through the DisplayListTable, and draws by calling that list.
//
// The object space is the unit square (or cube): placing stretches [0, 1] on
// each axis over the object's rectangle and height.
class MapObject : public SceneObject {
public:
    enum Kind { KindPark = 1, KindBuilding = 2, KindTile = 4 };

    ~MapObject() override;
    void DrawGeometry() override;
    // Compiles the object's list in the current window. Subclasses draw their
    // geometry; this base only reports that it was called.
    virtual void SetupDisplaylist();
    // Hands the faces that the list of the current window draws to a sink,
    // in world coordinates. Called after SetupDisplaylist.
    virtual void AddFaces(FaceSink& sink) const;

    // The world rectangle the object covers and its top.
    void SetExtent(float minimumX, float minimumY, float maximumX, float maximumY);
    void SetHeight(const float top) { height = top; }
    void SetFaceTextures(uint32_t north, uint32_t south, uint32_t east, uint32_t west);
    void SetTopTexture(const uint32_t name) { textureTop = name; }
    // The display-list index from the DisplayListTable.
    void SetListNumber(const uint32_t index) { listNumber = index; }

    int GetKind() const { return kind; }
    float GetHeight() const { return height; }
    float GetMinX() const { return minX; }
    float GetMaxX() const { return maxX; }
    float GetMinY() const { return minY; }
    float GetMaxY() const { return maxY; }
    uint32_t GetTopTexture() const { return textureTop; }
    uint32_t GetListNumber() const { return listNumber; }

    // Turns texturing on if the textures setting asks for it.
    static void EnableTextures();

protected:
    // Places the model matrix on the first call only.
    void PlaceOnce();
    // Starts compiling the list in the current window; false if the window
    // has no name for this object's index.
    bool BeginList();
    // The textured unit square at z = 0, facing up (tiles and park ground).
    void DrawGroundQuad() const;
    void AddGroundQuad(FaceSink& sink) const;
    // A point of the object space (the unit cube) in world units.
    FaceSink::Corner WorldCorner(float x, float y, float z, float s, float t) const;
    FaceSink::Colour FaceColour() const { return {colour[0], colour[1], colour[2], 1.0f}; }

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

private:
    // The list compiled in each window slot and the GLUT window it belongs to,
    // so the destructor can delete it without asking the table, which may be
    // gone already at process exit.
    int compiledWindow[DisplayListTable::windowCount] = {};
    uint32_t compiledName[DisplayListTable::windowCount] = {};
};
