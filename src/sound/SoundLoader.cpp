#include "sound/SoundLoader.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>

namespace {

constexpr sf_count_t framesPerRead = 4096;

void Report(const std::string& path, const char* problem) {
    std::fprintf(stderr, "Gullmar: sound file %s %s; that sound stays silent.\n", path.c_str(),
                 problem);
}

// libsndfile trims the frame count of a file whose data ends before its
// header says and notes it in the file's log ("data : 35280 (should be
// 19956)"): such a file was cut short.
bool WasCutShort(SNDFILE* file) {
    char log[4096] = "";
    sf_command(file, SFC_GET_LOG_INFO, log, sizeof log);
    const std::string text(log);
    const std::size_t data = text.find("data : ");
    if (data == std::string::npos) {
        return false;
    }
    const std::size_t lineEnd = text.find('\n', data);
    return text.substr(data, lineEnd - data).find("should be") != std::string::npos;
}

} // namespace

bool SoundLoader::Load(const std::string& path, Clip& clip) {
    clip = Clip{};
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        Report(path, std::ifstream(path).good() ? "is not a sound file" : "cannot be opened");
        return false;
    }
    const bool usable = info.channels > 0 && info.samplerate >= minRate &&
                        info.samplerate <= maxRate && info.frames > 0 &&
                        static_cast<double>(info.frames) <= maxSeconds * info.samplerate;
    const bool cutShort = WasCutShort(file);
    if (cutShort || !usable) {
        sf_close(file);
        Report(path, cutShort ? "is shorter than its header says"
                              : "is empty, too long or at an unusable rate");
        return false;
    }
    // Floats mixed down, then scaled once: no channel sum can overflow.
    std::vector<float> block(static_cast<std::size_t>(framesPerRead * info.channels));
    clip.samples.reserve(static_cast<std::size_t>(info.frames));
    sf_count_t read = 0;
    while ((read = sf_readf_float(file, block.data(), framesPerRead)) > 0) {
        for (sf_count_t frame = 0; frame < read; ++frame) {
            float sum = 0.0f;
            for (int channel = 0; channel < info.channels; ++channel) {
                sum += block[static_cast<std::size_t>(frame * info.channels + channel)];
            }
            // A float file may hold anything, NaN included.
            const float average = sum / static_cast<float>(info.channels);
            const float mono = std::isfinite(average) ? std::clamp(average, -1.0f, 1.0f) : 0.0f;
            clip.samples.push_back(
                static_cast<std::int16_t>(mono * std::numeric_limits<std::int16_t>::max()));
        }
    }
    const bool complete = static_cast<sf_count_t>(clip.samples.size()) == info.frames;
    sf_close(file);
    if (!complete) {
        clip = Clip{};
        Report(path, "is shorter than its header says");
        return false;
    }
    clip.sampleRate = info.samplerate;
    return true;
}
