#pragma once

#include "screenshot/PngFile.h"

#include <cstdint>
#include <vector>

// StoredPng: a picture as the bytes of a PNG file, with no compression at
// all (zlib's stored blocks), for where libpng is not at hand: the browser
// build's screenshots. Larger than libpng's files, read by every PNG reader.
// The picture must have the shape PngFile checks (pixels for every
// channel of every row); an empty vector comes back otherwise.
std::vector<std::uint8_t> StoredPng(const PngPicture& picture);
