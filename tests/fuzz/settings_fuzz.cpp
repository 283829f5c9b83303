// Fuzz target: the settings file reader. Whatever the file holds, reading it
// must stay in bounds and leave a game speed the tick can divide by.

#include "fuzz/FuzzInput.h"
#include "shell/Settings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, const size_t size) {
    settings = Settings{};
    LoadConfig(FuzzInputFile(data, size).Path());
    if (settings.gameSpeed == 0) {
        std::abort();
    }
    const int32_t texture = settings.textureTarget;
    if (texture != 0 && texture != Settings::textureOn) {
        std::abort();
    }
    const int32_t shading = settings.shadingModel;
    if (shading != 0 && shading != Settings::flatShading && shading != Settings::smoothShading) {
        std::abort();
    }
    return 0;
}
