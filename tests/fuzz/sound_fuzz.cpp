// Fuzz target: the sound file loader (libsndfile underneath). Any file gives
// either a clip the game can play, within its limits, or none at all.

#include "fuzz/FuzzInput.h"
#include "sound/SoundLoader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, const size_t size) {
    SoundLoader::Clip clip;
    const bool loaded = SoundLoader::Load(FuzzInputFile(data, size).Path(), clip);
    if (!loaded) {
        if (!clip.samples.empty() || clip.sampleRate != 0) {
            std::abort();
        }
        return 0;
    }
    if (clip.samples.empty() || clip.sampleRate < SoundLoader::minRate ||
        clip.sampleRate > SoundLoader::maxRate ||
        static_cast<double>(clip.samples.size()) > SoundLoader::maxSeconds * clip.sampleRate) {
        std::abort();
    }
    return 0;
}
