#pragma once

#include "base/DisplayListTable.h"
#include "city/FaceSink.h"

#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class MapObject;

// CityBatch: the static city in a few display lists per window, one for each
// square district of the map, with the faces of a district grouped by
// texture. A frame draws the city with a few hundred texture binds and draws
// instead of one list, six binds and a matrix per map object; districts
// outside the view are skipped and the others drawn nearest first, so that
// the depth test spares the texturing of what nearer buildings hide. Faces
// are kept in world coordinates (the camera lives in the projection matrix),
// with the colour, normal and texture coordinates that each map object's own
// list gives them, so the picture is the same.
//
// It is built right after the map objects compiled their own lists in the
// same window, from the faces they hand it (MapObject::AddFaces), so it sees
// the same settings and the same random trees as those lists.
class CityBatch : public FaceSink {
public:
    CityBatch() = default;
    CityBatch(const CityBatch&) = delete;
    CityBatch& operator=(const CityBatch&) = delete;

    // Collects the faces of every object and compiles them into the current
    // window's lists, replacing those built there before. Without a GL
    // context nothing is compiled.
    void Build(const std::vector<std::unique_ptr<MapObject>>& objects);
    // Calls the current window's lists of the districts in view, nearest to
    // the eye first, with the model matrix reset; false if this window has no
    // lists (the caller then draws the objects one by one).
    bool Draw(float eyeX, float eyeY) const;

    // Edge of a district in world units: the game's city has 4 x 4.
    static constexpr float districtSize = 2500.0f;

    // Face collection, used by the map objects. Texture 0 draws untextured;
    // while the textures setting is off every face does.
    void AddQuad(uint32_t texture, const Colour& colour, const float (&normal)[3],
                 const Corner (&corners)[4]) override;
    void AddTriangle(uint32_t texture, const Colour& colour, const float (&normals)[3][3],
                     const Corner (&corners)[3]) override;

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
    // The faces of one district, by texture name (0 first), and the box
    // around them.
    struct District {
        std::map<uint32_t, Group> groups;
        float low[3] = {0, 0, 0};
        float high[3] = {0, 0, 0};
        bool empty = true;
    };
    // A district's compiled list in a window.
    struct CompiledDistrict {
        uint32_t list;
        float low[3];
        float high[3];
    };

    District& DistrictOf(const Corner* corners, int count);
    static void Compile(const District& district);

    std::map<std::pair<int, int>, District> districts;
    std::vector<CompiledDistrict> compiled[DisplayListTable::windowCount];
    uint32_t listBase[DisplayListTable::windowCount] = {};
    int listWindow[DisplayListTable::windowCount] = {};
};
