#pragma once

#include "Signal.h"
#include "sound/SoundCatalog.h"

#include <string>

// Sound generator: synthesises every sound of the game's catalog from
// oscillators, filtered noise and envelopes, and writes each as a 16-bit mono
// WAV file. Each sound draws on a generator of its own seeded from its place
// in the catalog, so the files come out the same on every run.

namespace sndgen {

Signal MakeSound(SoundId id);
// Writes all sound files into dir, creating it if needed. Throws
// std::runtime_error naming the file or directory that could not be written.
void WriteAllSounds(const std::string& dir);

} // namespace sndgen
