#pragma once

#include <cstddef>
#include <cstdint>

// The CRC-32 of zlib and PNG, by which a recording's chunks and the scores
// file notice damage.
uint32_t Crc32(const void* data, size_t size);
