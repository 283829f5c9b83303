#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// TextureSet: the GL texture names of the game's 28 texture slots, filled by
// group loaders from the raw 256 x 256 RGB files under textures/. A slot holds
// 0 until its texture is loaded (and stays 0 if the file is missing, which
// draws the face untextured). Names belong to the GL context current at load.
class TextureSet {
public:
    static constexpr int slotCount = 28;
    static constexpr int textureSize = 256;
    static constexpr size_t textureBytes = textureSize * textureSize * 3; // RGB
    enum Slot {
        BuildingSouth = 0, // face towards -y
        BuildingSpare = 1,
        BuildingWest = 2, // face towards -x
        BuildingEast = 3, // face towards +x
        BuildingNorth = 4, // face towards +y
        Roof = 5,
        RoadAlongY = 6,
        RoadAlongX = 7,
        Sidewalk = 8,
        Intersection = 9,
        SkyTop = 10,
        SkySide = 11,
        Grass = 12,
        CarFront = 13,
        CarBack = 14,
        CarTop = 15,
        CarWindshield = 16,
        CarWheel = 17,
        CarDoorLeft = 18, // door on the -x side
        CarDoor = 19,     // door on the +x side
        CarSideWindow = 20,
        PedHeadFace = 21,
        PedHeadSide = 22,
        PedHeadSide2 = 23,
        PedHeadTop = 24,
        PedHeadBack = 25,
        PedFront = 26,
        PedBack = 27,
    };

    // Reads a raw texture file into pixels: exactly textureBytes bytes, a
    // short file padded with zeros, a long one cut. False (pixels untouched)
    // when the file cannot be opened. Needs no GL context.
    static bool ReadPixels(const char* fileName, std::vector<unsigned char>& pixels);
    // Loads one file into a slot and returns the GL name, or 0 (slot left as
    // it was) when the file cannot be opened.
    uint32_t LoadTexture(const char* fileName, int slot);
    void LoadCityTextures();
    void LoadSkyTextures();
    void LoadCarTextures();
    void LoadPedTextures();

    uint32_t Get(const int slot) const { return names[slot]; }

private:
    uint32_t names[slotCount] = {};
};
