#pragma once

#include <cstdint>

// FaceSink: what a map object hands the faces of its display list to, in
// world coordinates, with the colour, normals and texture coordinates the list
// gives them, so that they can be drawn some other way with the same picture
// (the batched renderer gathers the whole city's faces by texture).
class FaceSink {
public:
    // A corner of a face in world units, with its texture coordinates.
    struct Corner {
        float x, y, z, s, t;
    };
    struct Colour {
        float r, g, b, a;
    };

    // Texture 0 draws untextured.
    virtual void AddQuad(uint32_t texture, const Colour& colour, const float (&normal)[3],
                         const Corner (&corners)[4]) = 0;
    virtual void AddTriangle(uint32_t texture, const Colour& colour, const float (&normals)[3][3],
                             const Corner (&corners)[3]) = 0;

protected:
    ~FaceSink() = default;
};
