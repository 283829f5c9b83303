// sndgen: writes the game's sounds into the directory given as the only
// argument, e.g. `sndgen build/sounds`.

#include "SoundGenerator.h"

#include <cstdio>
#include <exception>

int main(const int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argc > 0 ? argv[0] : "sndgen");
        return 2;
    }
    try {
        sndgen::WriteAllSounds(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sndgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
