#pragma once

#include <string>

// Texture generator: paints every texture the game loads and writes it as a
// raw file (256 by 256 pixels, RGB bytes, no header, first row = texture row
// t = 0). The output is the same byte for byte on every run.

namespace texgen {

// Writes all texture files into dir, creating it if needed. Throws
// std::runtime_error naming the file or directory that could not be written.
void WriteAllTextures(const std::string& dir);

} // namespace texgen
