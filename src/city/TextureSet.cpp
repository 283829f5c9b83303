#include "city/TextureSet.h"

#include "legacygl/Gl.h"

#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <vector>

namespace {

// The file of every slot, in slot order.
constexpr const char* slotFiles[TextureSet::slotCount] = {
    "textures/texture.raw",      "textures/texture1.raw",       "textures/texture2.raw",
    "textures/texture3.raw",     "textures/texture4.raw",       "textures/texture5.raw",
    "textures/road.raw",         "textures/road2.raw",          "textures/sidewalk.raw",
    "textures/intersection.raw", "textures/skytop.raw",         "textures/skyside.raw",
    "textures/grass.raw",        "textures/car_front.raw",      "textures/car_back.raw",
    "textures/car_Top.raw",      "textures/car_windshield.raw", "textures/car_wheel.raw",
    "textures/car_door2.raw",    "textures/car_door.raw",       "textures/car_sidewindow.raw",
    "textures/wc_headface.raw",  "textures/wc_headside.raw",    "textures/wc_headside2.raw",
    "textures/wc_headtop.raw",   "textures/wc_headback.raw",    "textures/wc_front.raw",
    "textures/wc_back.raw",
};

// A run of slots that a group loader fills, first to last.
struct SlotRun {
    int first;
    int last;
};

// Loads the runs' slots in slot order, each from its file.
void LoadGroup(TextureSet& set, const std::initializer_list<SlotRun> runs) {
    for (const SlotRun& run : runs) {
        for (int slot = run.first; slot <= run.last; ++slot) {
            set.LoadTexture(slotFiles[slot], slot);
        }
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
    // Without a context (a game checked without a window) there is nothing
    // to load into.
    if (slot < 0 || slot >= slotCount || !gl::HasContext()) {
        return 0;
    }
    std::vector<unsigned char> pixels;
    if (!ReadPixels(fileName, pixels)) {
        return 0;
    }

    GLuint name = 0;
    gl::GenTextures(1, &name);
    gl::BindTexture(GL_TEXTURE_2D, name);
    gl::TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    // Rows of 768 bytes are 4-aligned, so the default unpack alignment fits.
    glu::Build2DMipmaps(GL_TEXTURE_2D, 3, textureSize, textureSize, GL_RGB, GL_UNSIGNED_BYTE,
                        pixels.data());
    names[slot] = name;
    return name;
}

void TextureSet::LoadCityTextures() {
    LoadGroup(*this, {{BuildingSouth, Intersection}, {Grass, Grass}});
}

void TextureSet::LoadSkyTextures() {
    LoadGroup(*this, {{SkyTop, SkySide}});
}

void TextureSet::LoadCarTextures() {
    LoadGroup(*this, {{CarFront, CarSideWindow}});
}

void TextureSet::LoadPedTextures() {
    LoadGroup(*this, {{PedHeadFace, PedBack}});
}
