// icongen: draws the game's icon at every size into the directory given as
// the only argument, in the icon theme's layout, e.g. `icongen build/icons`.

#include "GullIcon.h"

#include <cstdio>
#include <exception>

int main(const int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argc > 0 ? argv[0] : "icongen");
        return 2;
    }
    try {
        icongen::GullIcon::WriteAll(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "icongen: %s\n", e.what());
        return 1;
    }
    return 0;
}
