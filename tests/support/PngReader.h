#pragma once

#include "screenshot/PngFile.h"

#include <string>

// Reads a PNG file through libpng as 8-bit pixels with the given number of
// channels (3: RGB, 4: RGBA), rows top first; a picture of no size if the
// file is not a PNG file libpng can read.
PngPicture ReadPng(const std::string& path, int channels);
