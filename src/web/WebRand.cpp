#include "base/GlibcRand.h"

// The browser's C library has a rand of its own; the city, its trees and its
// people are drawn from the desktop's sequence instead, so that a seed gives
// the same game on both. These definitions take the place of the library's.

namespace {

GlibcRand sequence;

} // namespace

extern "C" int rand() {
    return sequence.Next();
}

extern "C" void srand(const unsigned int seed) {
    sequence.Seed(seed);
}
