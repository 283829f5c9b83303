#pragma once

#include "legacygl/Mat4.h"

#include <cstddef>
#include <vector>

// EsProgram: the one GLSL ES 1.00 program that draws everything the
// fixed-function pipeline of OpenGL 1.1 drew for the game: the vertex
// transformed by the modelview and projection matrices, lit per vertex as
// OpenGL 1.1 lights it (one light, the light model's ambient, the colour as
// the material's ambient and diffuse), smooth or flat, one texture
// modulating the colour, the alpha test and one clip plane.
//
// Every draw hands it the vertices in one layout (EsVertex) and the state
// in force (EsDrawState); it uploads only the uniforms that changed since
// the last draw.

// One vertex as the layer draws it. The provoking vertex's position, normal
// and colour travel with every vertex of its primitive, so that flat
// shading lights and colours the whole primitive from it.
struct EsVertex {
    float position[4]; // object space; clip space in a pretransformed draw
    float normal[3];
    float color[4];
    float texCoord[2];
    float flatPosition[3];
    float flatNormal[3];
    float flatColor[4];
    // A wide line's or a large point's corners, pushed out in window space:
    // the line's other end, and which side (x) or which corner (x, y).
    float otherEnd[3];
    float corner[2];
};

// The fixed-function state a draw reads.
struct EsDrawState {
    Mat4 modelview;
    Mat4 projection;
    bool pretransformed = false; // positions are already in clip space
    bool lighting = false;
    bool light0 = false;
    bool colorMaterial = false;
    bool normalize = false;
    bool flat = false;
    float lightPosition[4] = {0, 0, 1, 0}; // eye space
    float lightAmbient[4] = {0, 0, 0, 1};
    float lightDiffuse[4] = {1, 1, 1, 1};
    float lightSpecular[4] = {1, 1, 1, 1};
    float spotDirection[3] = {0, 0, -1}; // eye space
    float spotExponent = 0.0f;
    float spotCutoff = 180.0f;
    float materialAmbient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    float materialDiffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    bool texture = false;
    bool alphaTexture = false; // the bound texture holds alpha only
    bool alphaTest = false;
    float alphaReference = 0.0f; // with GL_GREATER, the only function the game uses
    bool clip = false;
    float clipPlane[4] = {0, 0, 0, 0}; // eye space
    // Attributes a display list left to the moment it is called.
    bool colorFromCurrent = false;
    bool normalFromCurrent = false;
    bool texCoordFromCurrent = false;
    float currentColor[4] = {1, 1, 1, 1};
    float currentNormal[3] = {0, 0, 1};
    float currentTexCoord[2] = {0, 0};
    // Lines wider than a pixel and points larger than one are drawn as
    // triangles this many pixels across, in a viewport of this size.
    float expandWidth = 0.0f;
    bool points = false;
    float viewport[2] = {1, 1};
};

class EsProgram {
public:
    EsProgram();
    ~EsProgram();
    EsProgram(const EsProgram&) = delete;
    EsProgram& operator=(const EsProgram&) = delete;

    // Makes the program for this state current, with the state's uniforms:
    // one program for each combination of what the state switches on, made
    // in the current context the first time it is needed, so that a draw
    // runs only the steps its state asks for, as the driver's own fixed
    // function does. False (and a line on stderr) if the driver refuses it.
    bool Use(const EsDrawState& state);
    // In a buffer, vertices lie as two arrays: each vertex's own position,
    // normal, colour and texture coordinate (its first `mainBytes`), and
    // after them what flat shading and pushed-out lines read (the rest),
    // which a draw that needs neither leaves out.
    static constexpr size_t mainBytes = offsetof(EsVertex, flatPosition);
    static constexpr size_t extraBytes = sizeof(EsVertex) - mainBytes;
    // Whether the current program reads the second array.
    bool ReadsExtra() const;
    // Points the current program's attributes at the two arrays of the
    // bound array buffer, at these offsets; attributes it does not read are
    // switched off.
    void BindVertices(size_t mainOffset, size_t extraOffset);
    // No program and no attribute array in use any more: the driver's own
    // fixed function draws next.
    void LetGo();

private:
    struct Variant;
    std::vector<Variant*> variants;
    Variant* current = nullptr;
    unsigned enabledAttributes = 0; // the attribute arrays switched on now
};
