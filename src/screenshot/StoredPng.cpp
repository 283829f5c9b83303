#include "screenshot/StoredPng.h"

#include "base/Crc32.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace {

constexpr std::size_t longestStoredBlock = 65535;

void Put32(std::vector<std::uint8_t>& out, const std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

// One chunk: length, type, data, and the CRC of type and data.
void PutChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
    Put32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    Put32(out, Crc32(out.data() + typeAt, 4 + data.size()));
}

std::uint32_t Adler32(const std::vector<std::uint8_t>& data) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

} // namespace

std::vector<std::uint8_t> StoredPng(const PngPicture& picture) {
    const std::size_t row = static_cast<std::size_t>(picture.width) *
                            static_cast<std::size_t>(picture.channels);
    if (picture.width <= 0 || picture.height <= 0 ||
        (picture.channels != 3 && picture.channels != 4) ||
        picture.pixels.size() != row * static_cast<std::size_t>(picture.height)) {
        return {};
    }
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<std::uint8_t> header;
    Put32(header, static_cast<std::uint32_t>(picture.width));
    Put32(header, static_cast<std::uint32_t>(picture.height));
    // 8 bits a channel, RGB (2) or RGBA (6), deflate, adaptive filters, no interlace.
    header.insert(header.end(), {8, static_cast<std::uint8_t>(picture.channels == 4 ? 6 : 2), 0, 0, 0});
    PutChunk(out, "IHDR", header);

    // Each row behind its filter byte (0: none).
    std::vector<std::uint8_t> raw;
    raw.reserve((row + 1) * static_cast<std::size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        raw.push_back(0);
        const auto start = picture.pixels.begin() + static_cast<std::ptrdiff_t>(row * static_cast<std::size_t>(y));
        raw.insert(raw.end(), start, start + static_cast<std::ptrdiff_t>(row));
    }
    std::vector<std::uint8_t> zlib = {0x78, 0x01};
    for (std::size_t at = 0; at < raw.size(); at += longestStoredBlock) {
        const std::size_t length = std::min(longestStoredBlock, raw.size() - at);
        const bool last = at + length == raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back(static_cast<std::uint8_t>(length));
        zlib.push_back(static_cast<std::uint8_t>(length >> 8));
        zlib.push_back(static_cast<std::uint8_t>(~length));
        zlib.push_back(static_cast<std::uint8_t>(~length >> 8));
        zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                    raw.begin() + static_cast<std::ptrdiff_t>(at + length));
    }
    Put32(zlib, Adler32(raw));
    PutChunk(out, "IDAT", zlib);
    PutChunk(out, "IEND", {});
    return out;
}
