// Fuzz target: the recording reader. The first byte says what the rest is:
// even, a whole file (magic line, version, chunks, header); odd, the entries
// of one body chunk, which the target frames and checksums after a sound
// header of this build, so that the fuzzer reaches the entries without
// having to guess checksums or the build's name. Whatever the bytes, a
// reading must stay in bounds, say why it failed, and keep only flights
// that lie within the ticks it read.

#include "base/Crc32.h"
#include "flight/Recording.h"

#include <cstdlib>
#include <string>

namespace {

std::string Framed(const std::string& payload) {
    std::string chunk;
    for (uint64_t size = payload.size();; size >>= 7) {
        chunk.push_back(static_cast<char>((size & 0x7F) | (size >= 0x80 ? 0x80 : 0)));
        if (size < 0x80) {
            break;
        }
    }
    chunk += payload;
    const uint32_t crc = Crc32(payload.data(), payload.size());
    for (int i = 0; i < 4; ++i) {
        chunk.push_back(static_cast<char>((crc >> (8 * i)) & 0xFF));
    }
    return chunk;
}

void Check(const std::string& bytes, const uint32_t untilTick) {
    Recording recording;
    std::string error;
    const bool read = ReadRecording(bytes, recording, error, untilTick);
    if (read == !error.empty()) {
        std::abort();
    }
    for (const Flight& flight : recording.flights) {
        if (flight.firstTick == 0 || flight.firstTick > flight.lastTick ||
            flight.lastTick > recording.ticks) {
            std::abort();
        }
    }
    if (read && untilTick == 0 && recording.records.back().kind != Record::Kind::End) {
        std::abort();
    }
    // A recording cut short keeps its whole chunks, which lie within the bytes.
    if ((recording.cutShort && read) || recording.wholeBytes > bytes.size()) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, const size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string bytes = rest;
    if ((data[0] & 1) != 0) {
        RecordingHeader header;
        header.build = ThisBuild();
        bytes = RecordingWriter::Start(header) + Framed(rest);
    }
    Check(bytes, 0);
    Check(bytes, data[0] >> 1);
    return 0;
}
