#include "SoundGenerator.h"
#include "sound/SoundCatalog.h"
#include "sound/SoundLoader.h"

#include <cstdio>

// The browser build ships no sound files: each sound is made in the page, at
// start-up, by the generator that writes the desktop's files, and comes out
// as the very samples the desktop reads from them.

bool SoundLoader::Load(const std::string& path, Clip& clip) {
    clip = Clip{};
    const std::string folder = path.substr(0, path.find_last_of('/'));
    for (const SoundInfo& info : soundCatalog) {
        if (SoundPath(folder, info.id) == path) {
            clip.samples = sndgen::AsLoaded(sndgen::MakeSound(info.id));
            clip.sampleRate = sndgen::sampleRate;
            return true;
        }
    }
    std::fprintf(stderr, "Gullmar: sound file %s is not one of the game's; that sound stays silent.\n",
                 path.c_str());
    return false;
}
