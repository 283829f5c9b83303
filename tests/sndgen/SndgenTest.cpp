#include "SoundGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The largest step between neighbouring samples: a click shows as a step far
// above what the sound's own content makes.
float LargestStep(const std::vector<float>& s) {
    float step = 0.0f;
    for (std::size_t i = 1; i < s.size(); ++i) {
        step = std::max(step, std::fabs(s[i] - s[i - 1]));
    }
    return step;
}

float Rms(const std::vector<float>& s) {
    double sum = 0.0;
    for (const float v : s) {
        sum += static_cast<double>(v) * v;
    }
    return static_cast<float>(std::sqrt(sum / static_cast<double>(s.size())));
}

} // namespace

TEST(SndgenTest, EverySoundIsRepeatableAudibleUnclippedAndFreeOfEdgeClicks) {
    for (const SoundInfo& info : soundCatalog) {
        const std::vector<float> s = sndgen::MakeSound(info.id).Samples();
        SCOPED_TRACE(info.name);
        EXPECT_EQ(s, sndgen::MakeSound(info.id).Samples()) << "the same on every run";
        const float seconds = static_cast<float>(s.size()) / sndgen::sampleRate;
        EXPECT_GE(seconds, 0.02f);
        EXPECT_LE(seconds, 4.0f);
        const float peak = *std::max_element(s.begin(), s.end(), [](float a, float b) {
            return std::fabs(a) < std::fabs(b);
        });
        EXPECT_LE(std::fabs(peak), 0.8f) << "headroom for several sounds at once";
        EXPECT_GE(std::fabs(peak), 0.3f);
        EXPECT_GT(Rms(s), 0.03f);
        if (info.loops) {
            // The seam from the last sample to the first is a step like any other.
            EXPECT_LE(std::fabs(s.front() - s.back()), LargestStep(s)) << "seamless loop";
        } else {
            EXPECT_LT(std::fabs(s.front()), 0.001f) << "starts from silence";
            EXPECT_LT(std::fabs(s.back()), 0.001f) << "ends in silence";
        }
    }
    // The sounds that play for long sit well below the hits.
    const auto rms = [](const SoundId id) { return Rms(sndgen::MakeSound(id).Samples()); };
    EXPECT_LT(rms(SoundId::Chirp), 0.5f * rms(SoundId::PedHit));
    EXPECT_LT(rms(SoundId::Wind), 0.5f * rms(SoundId::CarHit));
}
