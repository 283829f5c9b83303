#pragma once

#include "Signal.h"
#include "sound/SoundCatalog.h"

#include <cstdint>
#include <string>
#include <vector>

// Sound generator: synthesises every sound of the game's catalog from
// oscillators, filtered noise and envelopes, and writes each as a 16-bit mono
// WAV file. Each sound draws on a generator of its own seeded from its place
// in the catalog, so the files come out the same on every run.

namespace sndgen {

Signal MakeSound(SoundId id);
// The sound as a 16-bit file holds it: each sample clamped to -1..1, scaled by
// 32767 and rounded.
std::vector<std::int16_t> Pcm16(const Signal& signal);
// The samples the game's SoundLoader reads from that file: the browser build,
// which has no files, plays these.
std::vector<std::int16_t> AsLoaded(const Signal& signal);
// Writes all sound files into dir, creating it if needed. Throws
// std::runtime_error naming the file or directory that could not be written.
void WriteAllSounds(const std::string& dir);

} // namespace sndgen
