#pragma once

#include <cstdint>
#include <string>
#include <vector>

// SoundLoader: reads one sound file through libsndfile into 16-bit mono
// samples, ready for an OpenAL buffer. Files with more channels are mixed
// down to one, since sounds are placed in the city as points.
//
// A file that is missing, not a sound file, shorter than its header says,
// empty, too long or at an unusable rate gives no clip and one line on
// stderr naming the file; the sound it was for then stays silent.
class SoundLoader {
public:
    // The longest sound the game takes and the rates it accepts.
    static constexpr double maxSeconds = 10.0;
    static constexpr int minRate = 8000;
    static constexpr int maxRate = 192000;

    struct Clip {
        std::vector<std::int16_t> samples;
        int sampleRate = 0;
    };

    // True and the clip on success; false, the clip emptied and one line on
    // stderr otherwise.
    static bool Load(const std::string& path, Clip& clip);
};
