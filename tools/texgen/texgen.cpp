// texgen: writes the game's raw textures into the directory given as the only
// argument, e.g. `texgen build/textures`.

#include "TextureGenerator.h"

#include <cstdio>
#include <exception>

int main(const int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argc > 0 ? argv[0] : "texgen");
        return 2;
    }
    try {
        texgen::WriteAllTextures(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "texgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
