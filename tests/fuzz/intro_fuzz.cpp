// Fuzz target: the intro text reader. Any file, however long its lines, must
// leave a terminated text inside its buffer.

#include "fuzz/FuzzInput.h"
#include "shell/Settings.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, const size_t size) {
    std::memset(introText, 'x', sizeof(introText));
    LoadIntroText(FuzzInputFile(data, size).Path());
    if (std::memchr(introText, '\0', sizeof(introText)) == nullptr) {
        std::abort();
    }
    return 0;
}
