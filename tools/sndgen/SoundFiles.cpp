#include "SoundGenerator.h"

#include <sndfile.h>

#include <filesystem>
#include <stdexcept>
#include <system_error>

// The sounds as the build ships them: 16-bit mono WAV files written through
// libsndfile. The browser build makes its sounds in memory instead and
// leaves this file out.

namespace sndgen {

namespace {

void WriteWav(const Signal& signal, const std::string& path) {
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    }
    const std::vector<std::int16_t> samples = Pcm16(signal);
    const sf_count_t frames = static_cast<sf_count_t>(samples.size());
    const bool written = sf_writef_short(file, samples.data(), frames) == frames;
    if (sf_close(file) != 0 || !written) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace

void WriteAllSounds(const std::string& dir) {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        throw std::runtime_error("cannot create " + dir + ": " + error.message());
    }
    for (const SoundInfo& info : soundCatalog) {
        WriteWav(MakeSound(info.id), SoundPath(dir, info.id));
    }
}

} // namespace sndgen
