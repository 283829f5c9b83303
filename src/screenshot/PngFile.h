#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// PngPicture: 8-bit pixels, RGB or RGBA, rows top first.
struct PngPicture {
    int width = 0;
    int height = 0;
    int channels = 3; // 3: RGB, 4: RGBA
    std::vector<std::uint8_t> pixels;
};

// PngFile: writes pictures as PNG files through libpng's simplified API. The
// screenshot key and the icon generator share it. Failures come back as a
// short reason ("No space left on device"), never as an exception, and leave
// no half-written file behind.
class PngFile {
public:
    // Writes the picture to `file`, which it closes; on failure the caller
    // removes the file. An empty string means success.
    static std::string Write(std::FILE* file, const PngPicture& picture);
    // Creates or replaces the file at `path` with the picture.
    static std::string Save(const std::string& path, const PngPicture& picture);
};
