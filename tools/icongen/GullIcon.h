#pragma once

#include "screenshot/PngFile.h"

#include <array>
#include <string>

// GullIcon: the game's icon, a gull in flight over the city's roofs on a
// round patch of sky, drawn the same way at every size the icon theme asks
// for. The output is the same on every build.
namespace icongen {

class GullIcon {
public:
    static constexpr std::array<int, 7> sizes = {16, 24, 32, 48, 64, 128, 256};
    static constexpr const char* name = "gullmar";

    // The icon, size by size pixels, RGBA.
    static PngPicture Draw(int size);
    // Writes every size into <directory>/<size>x<size>/apps/gullmar.png, the
    // icon theme's layout; throws std::runtime_error naming a file that
    // cannot be written.
    static void WriteAll(const std::string& directory);
};

} // namespace icongen
