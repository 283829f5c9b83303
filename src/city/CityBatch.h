#pragma once

#include "shell/DisplayListTable.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class MapObject;

// CityBatch: the whole static city in one display list per window, its faces
// grouped by texture, so that a frame draws the city with a handful of
// texture binds and draws instead of one list, six binds and a matrix per map
// object. Faces are kept in world coordinates (the camera lives in the
// projection matrix), with the colour, normal and texture coordinates that
// each map object's own list gives them, so the picture is the same.
//
// The map objects add their faces (MapObject::AddToBatch) right after they
// compiled their own lists in the same window, so the batch sees the same
// settings and the same random trees as those lists.
class CityBatch {
public:
    // A corner of a face in world units, with its texture coordinates.
    struct Corner {
        float x, y, z, s, t;
    };
    struct Colour {
        float r, g, b, a;
    };

    CityBatch() = default;
    CityBatch(const CityBatch&) = delete;
    CityBatch& operator=(const CityBatch&) = delete;

    // Collects the faces of every object and compiles them into the current
    // window's list, replacing the list built there before. Without a GL
    // context nothing is compiled.
    void Build(const std::vector<std::unique_ptr<MapObject>>& objects);
    // Calls the current window's list with the model matrix reset; false if
    // this window has no list (the caller then draws the objects one by one).
    bool Draw() const;

    // Face collection, used by the map objects. Texture 0 draws untextured;
    // while the textures setting is off every face does.
    void AddQuad(uint32_t texture, const Colour& colour, const float (&normal)[3],
                 const Corner (&corners)[4]);
    void AddTriangle(uint32_t texture, const Colour& colour, const float (&normals)[3][3],
                     const Corner (&corners)[3]);

    // Faces collected for the next compile; for tests.
    size_t PendingVertexCount() const;

private:
    struct Vertex {
        Corner corner;
        float normal[3];
        Colour colour;
    };
    // Faces that share a texture: quads and triangles.
    struct Group {
        std::vector<Vertex> quads;
        std::vector<Vertex> triangles;
    };

    void Compile() const;

    std::map<uint32_t, Group> groups; // by texture name, 0 first
    uint32_t lists[DisplayListTable::windowCount] = {};
    int listWindow[DisplayListTable::windowCount] = {};
};
