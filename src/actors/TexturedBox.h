#pragma once

#include <cstdint>

// TexturedBox: a box from -half to half on each axis whose faces each show
// one whole texture, upright, as seen from outside: the pedestrians are made
// of them. It describes the faces once, for drawing a box face by face and
// for gathering the faces of many boxes into one draw.
struct TexturedBox {
    // The texture of each face; a face without texture slot is not drawn.
    struct Textures {
        uint32_t posX;
        uint32_t negX;
        uint32_t posY;
        uint32_t negY;
        uint32_t posZ;
        uint32_t negZ;
        bool withBottom;
    };

    // One face: its texture, outward normal and corners top-left, top-right,
    // bottom-right, bottom-left as seen from outside.
    struct Face {
        uint32_t texture;
        float normal[3];
        float corners[4][3];
    };

    // The order the corners are sent in (counter-clockwise from outside)
    // and the texture coordinates that go with them: the picture as stored,
    // t = 0 at its top and s = 0 at its left.
    static constexpr int sendOrder[4] = {0, 3, 2, 1};
    static constexpr float textureCoordinates[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};

    // The faces of the box; returns how many (no bottom unless asked for).
    // Side faces stand upright (the picture's top at +z); the top face has
    // the picture's top towards +y.
    static int Faces(float half, const Textures& textures, Face (&faces)[6]);
    // The box face by face, each face bound and sent on its own, with
    // texturing on around it.
    static void Draw(float half, const Textures& textures);
};
