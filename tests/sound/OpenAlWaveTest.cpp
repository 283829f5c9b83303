#include "sound/OpenAlOutput.h"

#include "actors/Car.h"
#include "actors/HandMadeMap.h"
#include "base/GameClock.h"
#include "shell/ShellTestSupport.h"
#include "sound/GameSound.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The stereo float samples that OpenAL Soft's wave backend wrote, left and
// right interleaved; empty unless the file is the format the backend writes.
struct Recording {
    int rate = 0;
    std::vector<float> samples;
};

template <typename T> T Read(const std::string& bytes, const std::size_t at) {
    T value{};
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

Recording ReadWaveBackendFile(const std::string& path) {
    constexpr std::uint16_t extensible = 0xFFFE;
    const std::string bytes = ReadFile(path);
    Recording recording;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        return recording;
    }
    bool floatStereo = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::size_t size =
            std::min<std::size_t>(Read<std::uint32_t>(bytes, at + 4), bytes.size() - at - 8);
        if (id == "fmt ") {
            floatStereo = Read<std::uint16_t>(bytes, at + 8) == extensible &&
                          Read<std::uint16_t>(bytes, at + 10) == 2 &&
                          Read<std::uint16_t>(bytes, at + 22) == 32;
            recording.rate = static_cast<int>(Read<std::uint32_t>(bytes, at + 12));
        } else if (id == "data" && floatStereo) {
            recording.samples.resize(size / sizeof(float));
            std::memcpy(recording.samples.data(), bytes.data() + at + 8,
                        recording.samples.size() * sizeof(float));
        }
        at += 8 + size + (size & 1);
    }
    return recording;
}

// Root mean square of one channel over [from, from + seconds).
double Rms(const Recording& r, const int channel, const double from, const double seconds) {
    const auto first = static_cast<std::size_t>(from * r.rate);
    const auto last =
        std::min(r.samples.size() / 2, static_cast<std::size_t>((from + seconds) * r.rate));
    double sum = 0.0;
    for (std::size_t frame = first; frame < last; ++frame) {
        const double s = r.samples[2 * frame + static_cast<std::size_t>(channel)];
        sum += s * s;
    }
    return last > first ? std::sqrt(sum / static_cast<double>(last - first)) : 0.0;
}

class OpenAlWaveTest : public GlTest {};

} // namespace

// The real path: the world's hit handler, the game's sound, OpenAL Soft, its
// wave backend, a file. The bird looks along +x, so a car on the -y side is
// on its right.
TEST_F(OpenAlWaveTest, AHitOnACarToTheRightIsLouderOnTheRightWithin200Milliseconds) {
    const std::string output = TempPath("hit.wav");
    const std::string config = WriteTempFile(
        "alsoft-wave.conf", "[general]\ndrivers = wave\n[wave]\nfile = " + output + "\n");
    setenv("ALSOFT_CONF", config.c_str(), 1);
    setenv("ALSOFT_DRIVERS", "wave", 1);

    auto world = WorldOnMap(30, 30, CityMap::Road);
    GameClock::SetTickTime(0);
    ASSERT_TRUE(world->GetMission().LoadLevels(
        WriteTempFile("wave_levels.config", "1 5 10 3 120\n").c_str()));
    world->GetMission().SetupLevel(1); // the time is not up: no jingle
    Bird& bird = world->GetBird();
    bird.SetEye(1500.0f, 1500.0f, 50.0f);
    bird.SetCenter(2500.0f, 1500.0f, 50.0f);
    Car* car = AddActor<Car>(world->GetCars(), 1500.0f, 1200.0f);

    auto openal = OpenAlOutput::Open(std::string(GULLMAR_BUILD_DIR) + "/" + soundFolder);
    ASSERT_NE(openal, nullptr);
    const Clock::time_point opened = Clock::now();
    for (const SoundInfo& info : soundCatalog) {
        EXPECT_TRUE(openal->IsLoaded(info.id)) << info.name;
    }
    gameSound.Attach(std::move(openal));
    gameSound.Update(*world, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const double hitAt = std::chrono::duration<double>(Clock::now() - opened).count();
    world->OnCarHit(car);
    GameEvents events;
    world->TakeEvents(events);
    gameSound.Play(events.at(0));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    gameSound.Close(); // closing the device completes the file

    const Recording recording = ReadWaveBackendFile(output);
    ASSERT_GT(recording.rate, 0) << "a stereo float file from the wave backend";
    ASSERT_GT(recording.samples.size() / 2, static_cast<std::size_t>(0.6 * recording.rate));
    const double before[2] = {Rms(recording, 0, 0.05, 0.2), Rms(recording, 1, 0.05, 0.2)};
    const double left = Rms(recording, 0, hitAt, 0.2);
    const double right = Rms(recording, 1, hitAt, 0.2);
    std::printf(
        "wave backend: before the hit L %.4f R %.4f RMS (wind and engine); in the 200 ms from "
        "the hit L %.4f R %.4f RMS, right/left %.1f dB\n",
        before[0], before[1], left, right, 20.0 * std::log10(right / left));
    EXPECT_GT(right, 0.05) << "the splat and the horn are heard";
    EXPECT_GT(right, 2.0 * left) << "at least 6 dB louder on the right";
    // The file's clock and ours drift apart by as much as the device took to
    // open, so the window may hold a little of the hum before the hit: 10 dB
    // above it is a margin that a busy machine keeps.
    EXPECT_GT(right, 3.0 * before[1]) << "well above the wind and the engine";
    unsetenv("ALSOFT_CONF");
    setenv("ALSOFT_DRIVERS", "null", 1);
}
