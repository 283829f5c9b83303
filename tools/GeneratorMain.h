#pragma once

// The command line of the build's data generators (texgen, sndgen, icongen): one
// argument, the directory to write into. Usage errors exit with 2, a failed
// write with 1 and one line naming the generator.

#include <cstdio>
#include <exception>
#include <string>

inline int RunGenerator(const int argc, char** argv, const char* name,
                        void (*writeAll)(const std::string& directory)) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argc > 0 ? argv[0] : name);
        return 2;
    }
    try {
        writeAll(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", name, e.what());
        return 1;
    }
    return 0;
}
