#include "city/TextureSet.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <fstream>
#include <vector>

namespace {

// One file of a texture group and the slot it fills.
struct TextureFile {
    const char* fileName;
    int slot;
};

constexpr TextureFile cityFiles[] = {
    {"textures/texture.raw", TextureSet::BuildingSouth},
    {"textures/texture1.raw", TextureSet::BuildingSpare},
    {"textures/texture2.raw", TextureSet::BuildingWest},
    {"textures/texture3.raw", TextureSet::BuildingEast},
    {"textures/texture4.raw", TextureSet::BuildingNorth},
    {"textures/texture5.raw", TextureSet::Roof},
    {"textures/road.raw", TextureSet::RoadAlongY},
    {"textures/road2.raw", TextureSet::RoadAlongX},
    {"textures/sidewalk.raw", TextureSet::Sidewalk},
    {"textures/intersection.raw", TextureSet::Intersection},
    {"textures/grass.raw", TextureSet::Grass},
};

constexpr TextureFile skyFiles[] = {
    {"textures/skytop.raw", TextureSet::SkyTop},
    {"textures/skyside.raw", TextureSet::SkySide},
};

constexpr TextureFile carFiles[] = {
    {"textures/car_front.raw", TextureSet::CarFront},
    {"textures/car_back.raw", TextureSet::CarBack},
    {"textures/car_Top.raw", TextureSet::CarTop},
    {"textures/car_windshield.raw", TextureSet::CarWindshield},
    {"textures/car_wheel.raw", TextureSet::CarWheel},
    {"textures/car_door2.raw", TextureSet::CarDoorLeft},
    {"textures/car_door.raw", TextureSet::CarDoor},
    {"textures/car_sidewindow.raw", TextureSet::CarSideWindow},
};

constexpr TextureFile pedFiles[] = {
    {"textures/wc_headface.raw", TextureSet::PedHeadFace},
    {"textures/wc_headside.raw", TextureSet::PedHeadSide},
    {"textures/wc_headside2.raw", TextureSet::PedHeadSide2},
    {"textures/wc_headtop.raw", TextureSet::PedHeadTop},
    {"textures/wc_headback.raw", TextureSet::PedHeadBack},
    {"textures/wc_front.raw", TextureSet::PedFront},
    {"textures/wc_back.raw", TextureSet::PedBack},
};

template <size_t count>
void LoadGroup(TextureSet& set, const TextureFile (&files)[count]) {
    for (const TextureFile& file : files) {
        set.LoadTexture(file.fileName, file.slot);
    }
}

} // namespace

bool TextureSet::ReadPixels(const char* fileName, std::vector<unsigned char>& pixels) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "Gullmar: cannot read %s; its faces are drawn without it.\n",
                     fileName);
        return false;
    }
    // A short file leaves the rest of the picture black; a long one is cut.
    pixels.assign(textureBytes, 0);
    file.read(reinterpret_cast<char*>(pixels.data()), textureBytes);
    const size_t count = static_cast<size_t>(file.gcount());
    if (count < textureBytes) {
        std::fprintf(stderr, "Gullmar: %s holds %zu of %zu bytes; the rest is black.\n", fileName,
                     count, textureBytes);
    }
    return true;
}

uint32_t TextureSet::LoadTexture(const char* fileName, const int slot) {
    if (slot < 0 || slot >= slotCount) {
        return 0;
    }
    std::vector<unsigned char> pixels;
    if (!ReadPixels(fileName, pixels)) {
        return 0;
    }

    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    // Rows of 768 bytes are 4-aligned, so the default unpack alignment fits.
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, textureSize, textureSize, GL_RGB, GL_UNSIGNED_BYTE,
                      pixels.data());
    names[slot] = name;
    return name;
}

void TextureSet::LoadCityTextures() { LoadGroup(*this, cityFiles); }

void TextureSet::LoadSkyTextures() { LoadGroup(*this, skyFiles); }

void TextureSet::LoadCarTextures() { LoadGroup(*this, carFiles); }

void TextureSet::LoadPedTextures() { LoadGroup(*this, pedFiles); }
