#pragma once

#include "actors/Target.h"

#include <cstdint>
#include <span>

class TextureSet;

// Car: a textured car body of random pale colour and random speed that drives
// straight along the roads and turns at random where the road ends. Poop turns
// it green; it keeps driving as before.
class Car : public Target {
public:
    static constexpr float firstHitPoints = 20.0f;
    static constexpr int walkOn = 8; // the road bit

    // Texture roles of the body's faces.
    enum Role { Front, Back, Top, Windshield, Wheel, DoorPlusX, DoorMinusX, SideWindow, roleCount };

    // A corner of the body in model coordinates, with its texture coordinates.
    struct Vertex {
        float x, y, z, s, t;
    };
    // One face of the body: a quad, or a triangle when it has three corners.
    struct Face {
        Role texture;
        float nx, ny, nz;
        int vertexCount;
        Vertex v[4];
    };

    // Draws the speed and then the red, green and blue shades with rand().
    Car();
    void DrawGeometry() override;
    // Takes the eight car textures of the set, each into the field of its role.
    void SetTextures(const TextureSet& textures);

    // The body's 21 faces in drawing order, each with its own texture mapping.
    static std::span<const Face> Faces();
    uint32_t GetTexture(const Role role) const { return textures[role]; }

private:
    uint32_t textures[roleCount] = {};
};
