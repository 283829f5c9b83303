#include "sound/SoundLoader.h"

#include "SoundGenerator.h"
#include "shell/ShellTestSupport.h"
#include "sound/SoundCatalog.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

std::string Generated(const SoundId id) {
    return SoundPath(std::string(GULLMAR_BUILD_DIR) + "/" + soundFolder, id);
}

// A WAV file of 32-bit float frames with the given channel count.
std::string WriteFloatWav(const std::string& name, const std::vector<float>& frames,
                          const int channels) {
    const std::string path = TempPath(name);
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    EXPECT_NE(file, nullptr);
    sf_writef_float(file, frames.data(), static_cast<sf_count_t>(frames.size()) / channels);
    sf_close(file);
    return path;
}

// Loads a file that must be refused, and returns what was said about it.
std::string Refusal(const std::string& path) {
    SoundLoader::Clip clip;
    clip.samples.assign(3, 1);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(SoundLoader::Load(path, clip)) << path;
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(clip.samples.empty());
    EXPECT_EQ(clip.sampleRate, 0);
    EXPECT_NE(said.find(path), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << "one line: " << said;
    return said;
}

} // namespace

// The browser build, which has no files, plays the generator's samples as
// they come out of the file here: the same, sample for sample.
TEST(SoundLoaderTest, GeneratedFilesLoadWholeAsTheBrowserPlaysThem) {
    for (const SoundInfo& info : soundCatalog) {
        SoundLoader::Clip clip;
        ASSERT_TRUE(SoundLoader::Load(Generated(info.id), clip)) << info.name;
        EXPECT_EQ(clip.sampleRate, 44100);
        const std::string bytes = ReadFile(Generated(info.id));
        EXPECT_EQ(clip.samples.size(), (bytes.size() - 44) / 2) << info.name;
        EXPECT_EQ(clip.samples, sndgen::AsLoaded(sndgen::MakeSound(info.id))) << info.name;
    }
}

TEST(SoundLoaderTest, ChannelsAreMixedDownAndWildSamplesTamed) {
    const float nan = std::nanf("");
    const std::string path = WriteFloatWav(
        "stereo.wav", {0.5f, -0.5f, 1.0f, 1.0f, nan, 0.0f, 4.0f, 8.0f, -0.5f, -0.5f}, 2);
    SoundLoader::Clip clip;
    ASSERT_TRUE(SoundLoader::Load(path, clip));
    EXPECT_EQ(clip.sampleRate, 22050);
    EXPECT_EQ(clip.samples, (std::vector<std::int16_t>{0, 32767, 0, 32767, -16383}));
}

TEST(SoundLoaderTest, MissingShortBrokenOrEmptyFilesStaySilentWithOneLineNamingThem) {
    EXPECT_NE(Refusal(TempPath("no-such-sound.wav")).find("cannot be opened"), std::string::npos);
    EXPECT_NE(Refusal(WriteTempFile("noise.wav", std::string(5000, '\x7f'))).find("not a sound"),
              std::string::npos);
    const std::string whole = ReadFile(Generated(SoundId::Drop));
    // Cut inside the samples, right after the header, and inside the header.
    const auto cut = [&](const std::size_t length) {
        return Refusal(
            WriteTempFile("cut" + std::to_string(length) + ".wav", whole.substr(0, length)));
    };
    EXPECT_NE(cut(whole.size() / 2).find("shorter"), std::string::npos);
    EXPECT_NE(cut(44).find("shorter"), std::string::npos);
    EXPECT_NE(cut(30).find("not a sound"), std::string::npos);
    EXPECT_NE(Refusal(WriteFloatWav("empty.wav", {}, 1)).find("empty"), std::string::npos);
    std::string slow = whole;
    slow[24] = 100; // 100 frames a second
    slow[25] = slow[26] = slow[27] = 0;
    Refusal(WriteTempFile("slow.wav", slow));
}
