// Texture generator: the complete set of files, byte-stable output, and the
// orientation of the road markings that the tile quads rely on.

#include "TextureGenerator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int size = 256;

fs::path ScratchDir(const std::string& tag) {
    return fs::temp_directory_path() /
           ("gullmar_texgen_" + tag + "_" + std::to_string(static_cast<long>(getpid())));
}

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The share of bright pixels along file row `index`, or along column `index`.
double BrightShare(const std::vector<std::uint8_t>& raw, const int index, const bool row) {
    int bright = 0;
    for (int i = 0; i < size; ++i) {
        const size_t at = static_cast<size_t>(row ? index * size + i : i * size + index) * 3;
        bright += (raw.at(at) * 3 + raw.at(at + 1) * 6 + raw.at(at + 2)) / 10 > 128;
    }
    return static_cast<double>(bright) / size;
}

} // namespace

TEST(TexgenTest, WritesEveryTextureAtFullSizeAndTheSameBytesEachRun) {
    const fs::path first = ScratchDir("first");
    const fs::path again = ScratchDir("again") / "nested" / "textures";
    texgen::WriteAllTextures(first.string());
    texgen::WriteAllTextures(again.string());
    int fileCount = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(first)) {
        ++fileCount;
    }
    EXPECT_EQ(fileCount, 28);
    for (const char* name :
         {"texture.raw",        "texture1.raw",     "texture2.raw",    "texture3.raw",
          "texture4.raw",       "texture5.raw",     "road.raw",        "road2.raw",
          "sidewalk.raw",       "intersection.raw", "skytop.raw",      "skyside.raw",
          "grass.raw",          "car_front.raw",    "car_back.raw",    "car_Top.raw",
          "car_windshield.raw", "car_wheel.raw",    "car_door2.raw",   "car_door.raw",
          "car_sidewindow.raw", "wc_headface.raw",  "wc_headside.raw", "wc_headside2.raw",
          "wc_headtop.raw",     "wc_headback.raw",  "wc_front.raw",    "wc_back.raw"}) {
        ASSERT_TRUE(fs::exists(first / name)) << name;
        EXPECT_EQ(fs::file_size(first / name), 196608u) << name;
        EXPECT_TRUE(ReadFile(first / name) == ReadFile(again / name)) << name;
    }

    // road.raw serves roads along world y, which the tile quad lays along the
    // file's rows; road2.raw is the same road turned a quarter. Edge lines are
    // solid, the centre line dashed, and crosswise the markings are only crossed.
    const auto along = ReadFile(first / "road.raw");
    const auto across = ReadFile(first / "road2.raw");
    for (const bool row : {true, false}) {
        const auto& road = row ? along : across;
        EXPECT_GT(BrightShare(road, 8, row), 0.95);
        EXPECT_GT(BrightShare(road, 247, row), 0.95);
        EXPECT_GT(BrightShare(road, 127, row), 0.4);
        EXPECT_LT(BrightShare(road, 127, row), 0.7);
        EXPECT_LT(BrightShare(road, 127, !row), 0.1);
    }
    EXPECT_LT(BrightShare(along, 64, true), 0.05);
    fs::remove_all(first);
    fs::remove_all(ScratchDir("again"));
}

TEST(TexgenTest, UnwritableDirectoryIsReported) {
    const fs::path blocker = ScratchDir("blocker");
    std::ofstream(blocker) << "a file where the directory should go";
    EXPECT_THROW(texgen::WriteAllTextures((blocker / "textures").string()), std::runtime_error);
    fs::remove_all(blocker);
}
