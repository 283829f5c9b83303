// Fuzz target: the raw texture file reader. Any file gives exactly one
// picture's bytes: the file's own first, zeros after a short file.

#include "city/TextureSet.h"
#include "fuzz/FuzzInput.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, const size_t size) {
    std::vector<unsigned char> pixels;
    if (!TextureSet::ReadPixels(FuzzInputFile(data, size).Path(), pixels)) {
        std::abort();
    }
    if (pixels.size() != TextureSet::textureBytes) {
        std::abort();
    }
    const size_t used = std::min(size, TextureSet::textureBytes);
    if (used > 0 && std::memcmp(pixels.data(), data, used) != 0) {
        std::abort();
    }
    if (std::any_of(pixels.begin() + static_cast<std::ptrdiff_t>(used), pixels.end(),
                    [](const unsigned char byte) { return byte != 0; })) {
        std::abort();
    }
    return 0;
}
