#include "base/Crc32.h"
#include "flight/RecordingSamples.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::vector<Flight> twoFlights{SampleFlight(300, 1, 4), SampleFlight(120, 5, 9)};

TEST(RecordingTest, ASmallRecordingReadsBackWithItsFlights) {
    Recording recording;
    std::string error;
    ASSERT_TRUE(ReadRecording(SampleRecording(twoFlights), recording, error)) << error;
    EXPECT_EQ(recording.header.build, ThisBuild());
    EXPECT_EQ(recording.header.windowWidth, 800);
    EXPECT_EQ(recording.ticks, 9u);
    EXPECT_EQ(recording.records.back().kind, Record::Kind::End);
    EXPECT_EQ(recording.records[8].time, 16u * 8);
    ASSERT_EQ(recording.flights.size(), 2u);
    EXPECT_EQ(recording.flights[1].score, 120);
    EXPECT_EQ(recording.flights[1].firstTick, 5u);
    EXPECT_EQ(recording.flights[1].playedMs, 80u);

    // Reading up to a tick needs no end: a flight plays from a cut session.
    ASSERT_TRUE(ReadRecording(SampleRecording(twoFlights, false), recording, error, 4)) << error;
    EXPECT_EQ(recording.ticks, 4u);
    EXPECT_EQ(recording.flights.size(), 1u);
}

TEST(RecordingTest, EveryCutAndEveryFlippedBitIsRefusedWithAReason) {
    const std::string whole = SampleRecording(twoFlights);
    Recording recording;
    std::string error;
    for (size_t size = 0; size < whole.size(); ++size) {
        error.clear();
        EXPECT_FALSE(ReadRecording(whole.substr(0, size), recording, error)) << size;
        EXPECT_FALSE(error.empty()) << size;
    }
    for (size_t at = 0; at < whole.size(); ++at) {
        for (const int bit : {0, 3, 7}) {
            std::string damaged = whole;
            damaged[at] = static_cast<char>(damaged[at] ^ (1 << bit));
            error.clear();
            EXPECT_FALSE(ReadRecording(damaged, recording, error)) << at << " bit " << bit;
            EXPECT_FALSE(error.empty());
        }
    }
}

TEST(RecordingTest, ASessionCutByACrashKeepsTheFlightsItFinished) {
    const std::string cut = SampleRecording(twoFlights, false);
    Recording recording;
    std::string error;
    EXPECT_FALSE(ReadRecording(cut, recording, error));
    EXPECT_EQ(error, "cut short after tick 9");
    EXPECT_EQ(recording.flights.size(), 2u);

    // Cut inside the last chunk, which holds the second flight: only the
    // first is sound.
    EXPECT_FALSE(ReadRecording(cut.substr(0, cut.size() - 2), recording, error));
    EXPECT_EQ(recording.flights.size(), 1u);
    std::string damaged = cut;
    damaged[damaged.size() - 6] ^= 0x10;
    EXPECT_FALSE(ReadRecording(damaged, recording, error));
    EXPECT_EQ(error, "damaged after tick 8");
    ASSERT_EQ(recording.flights.size(), 1u);
    EXPECT_EQ(recording.flights[0].score, 300);
}

// The header chunk's payload: where it starts and how long it is.
std::pair<size_t, size_t> HeaderPayload(const std::string& bytes) {
    constexpr size_t sizeAt = 10; // after the magic line and the version
    size_t size = 0;
    size_t at = sizeAt;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes[at++]);
        size |= static_cast<size_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) {
            return {at, size};
        }
    }
}

TEST(RecordingTest, AnotherFormatVersionOrAnotherBuildIsRefusedByName) {
    const std::string whole = SampleRecording(twoFlights);
    Recording recording;
    std::string error;
    std::string otherVersion = whole;
    otherVersion[8] = 1;
    EXPECT_FALSE(ReadRecording(otherVersion, recording, error));
    EXPECT_EQ(error, "a recording of format version 1; this game reads 2");

    // A sound file of another build: its build name changed, its CRC right.
    std::string otherBuild = whole;
    const auto [start, size] = HeaderPayload(otherBuild);
    const size_t buildStart = start + 1; // after the name's length
    otherBuild[buildStart] = otherBuild[buildStart] == 'x' ? 'y' : 'x';
    const uint32_t crc = Crc32(otherBuild.data() + start, size);
    for (size_t i = 0; i < 4; ++i) {
        otherBuild[start + size + i] = static_cast<char>((crc >> (8 * i)) & 0xFF);
    }
    EXPECT_FALSE(ReadRecording(otherBuild, recording, error));
    EXPECT_NE(error.find("recorded by another build of the game"), std::string::npos) << error;
    EXPECT_TRUE(recording.flights.empty());
}

} // namespace
