// Texture generator: the complete set of files, byte-stable output, and the
// orientation of the markings and facades that the game's quads rely on.

#include "TextureGenerator.h"

#include <gtest/gtest.h>

#include <cmath>
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

constexpr int Size = 256;
constexpr std::uintmax_t FileBytes = 196608;
constexpr int Bright = 128;

const char* const TextureNames[] = {
    "texture.raw",        "texture1.raw",     "texture2.raw",    "texture3.raw",
    "texture4.raw",       "texture5.raw",     "road.raw",        "road2.raw",
    "sidewalk.raw",       "intersection.raw", "skytop.raw",      "skyside.raw",
    "grass.raw",          "car_front.raw",    "car_back.raw",    "car_Top.raw",
    "car_windshield.raw", "car_wheel.raw",    "car_door2.raw",   "car_door.raw",
    "car_sidewindow.raw", "wc_headface.raw",  "wc_headside.raw", "wc_headside2.raw",
    "wc_headtop.raw",     "wc_headback.raw",  "wc_front.raw",    "wc_back.raw",
};

fs::path ScratchDir(const std::string& tag) {
    return fs::temp_directory_path() /
           ("gullmar_texgen_" + tag + "_" + std::to_string(static_cast<long>(getpid())));
}

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A raw texture read back, addressed by file row (texture row t) and column.
class Raw {
public:
    explicit Raw(const fs::path& path) : bytes(ReadFile(path)) {}

    int Luminance(const int column, const int row) const {
        const std::size_t i = static_cast<std::size_t>((row * Size + column) * 3);
        return (bytes.at(i) * 3 + bytes.at(i + 1) * 6 + bytes.at(i + 2)) / 10;
    }
    double BrightShareOfRow(const int row) const {
        int count = 0;
        for (int x = 0; x < Size; ++x) {
            count += Luminance(x, row) > Bright ? 1 : 0;
        }
        return static_cast<double>(count) / Size;
    }
    double BrightShareOfColumn(const int column) const {
        int count = 0;
        for (int y = 0; y < Size; ++y) {
            count += Luminance(column, y) > Bright ? 1 : 0;
        }
        return static_cast<double>(count) / Size;
    }
    // How much a band of file rows varies along the row, averaged over the band.
    double RowSpread(const int firstRow, const int rowCount) const {
        double sum = 0.0;
        for (int y = firstRow; y < firstRow + rowCount; ++y) {
            double mean = 0.0;
            for (int x = 0; x < Size; ++x) {
                mean += Luminance(x, y);
            }
            mean /= Size;
            double variance = 0.0;
            for (int x = 0; x < Size; ++x) {
                variance += (Luminance(x, y) - mean) * (Luminance(x, y) - mean);
            }
            sum += std::sqrt(variance / Size);
        }
        return sum / rowCount;
    }
    double MeanOfBlock(const int x0, const int y0, const int width, const int height) const {
        double sum = 0.0;
        for (int y = y0; y < y0 + height; ++y) {
            for (int x = x0; x < x0 + width; ++x) {
                sum += Luminance(x, y);
            }
        }
        return sum / (width * height);
    }

private:
    std::vector<std::uint8_t> bytes;
};

class TexgenTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = ScratchDir("shared");
        fs::remove_all(dir);
        texgen::WriteAllTextures(dir.string());
    }
    static void TearDownTestSuite() { fs::remove_all(dir); }

    static inline fs::path dir;
};

TEST_F(TexgenTest, WritesEveryTextureAtFullSizeAndTheSameBytesEachRun) {
    const fs::path again = ScratchDir("again") / "nested" / "textures";
    fs::remove_all(again.parent_path().parent_path());
    texgen::WriteAllTextures(again.string());

    int fileCount = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) {
        ++fileCount;
    }
    EXPECT_EQ(fileCount, 28);
    for (const char* name : TextureNames) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(fs::exists(dir / name));
        EXPECT_EQ(fs::file_size(dir / name), FileBytes);
        EXPECT_TRUE(ReadFile(dir / name) == ReadFile(again / name));
    }
    fs::remove_all(again.parent_path().parent_path());
}

TEST_F(TexgenTest, RoadMarkingsRunAlongTheirRoads) {
    // road.raw serves roads along world y, which the tile quad lays along the
    // file's rows; road2.raw is the same road turned a quarter.
    const Raw along(dir / "road.raw");
    const Raw across(dir / "road2.raw");
    for (const int line : {8, 247}) {
        EXPECT_GT(along.BrightShareOfRow(line), 0.95) << "edge line row " << line;
        EXPECT_GT(across.BrightShareOfColumn(line), 0.95) << "edge line column " << line;
    }
    // The centre line is dashed: about half bright, and gaps between the dashes.
    EXPECT_GT(along.BrightShareOfRow(127), 0.4);
    EXPECT_LT(along.BrightShareOfRow(127), 0.7);
    EXPECT_GT(across.BrightShareOfColumn(127), 0.4);
    EXPECT_LT(across.BrightShareOfColumn(127), 0.7);
    // Crosswise the markings are only crossed, never followed.
    EXPECT_LT(along.BrightShareOfColumn(127), 0.1);
    EXPECT_LT(across.BrightShareOfRow(127), 0.1);
    EXPECT_LT(along.BrightShareOfRow(64), 0.05);
}

TEST_F(TexgenTest, FacadesStandUprightOnTheirWalls) {
    // The parapet is an even band along the top of each facade, the street
    // level a busy row of doors and shop fronts at its foot. Three walls put
    // texture row 0 at the foot, the wall facing -x at the top.
    constexpr int Band = 5;
    struct Facade {
        const char* name;
        bool footFirst;
    };
    for (const Facade facade :
         {Facade{"texture.raw", true}, Facade{"texture1.raw", true}, Facade{"texture2.raw", false},
          Facade{"texture3.raw", true}, Facade{"texture4.raw", true}}) {
        SCOPED_TRACE(facade.name);
        const Raw raw(dir / facade.name);
        const int parapet = facade.footFirst ? Size - 2 - Band : 2;
        const int street = facade.footFirst ? 4 : Size - 4 - Band;
        EXPECT_LT(raw.RowSpread(parapet, Band), 12.0);
        EXPECT_GT(raw.RowSpread(street, Band), 20.0);
    }
}

TEST_F(TexgenTest, SkyIsEvenInEveryDirection) {
    // The sky box shows this picture turned four ways; a brightness drift would
    // show as seams where walls and ceiling meet.
    constexpr int Edge = 64;
    const Raw sky(dir / "skytop.raw");
    EXPECT_NEAR(sky.MeanOfBlock(0, 0, Size, Edge), sky.MeanOfBlock(0, Size - Edge, Size, Edge),
                20.0);
    EXPECT_NEAR(sky.MeanOfBlock(0, 0, Edge, Size), sky.MeanOfBlock(Size - Edge, 0, Edge, Size),
                20.0);
    // It is tinted darker in the game, so it starts out light.
    EXPECT_GT(sky.MeanOfBlock(0, 0, Size, Size), 150.0);
}

TEST(TexgenFailure, UnwritableDirectoryIsReported) {
    const fs::path blocker = ScratchDir("blocker");
    fs::remove_all(blocker);
    std::ofstream(blocker) << "a file where the directory should go";
    EXPECT_THROW(texgen::WriteAllTextures((blocker / "textures").string()), std::runtime_error);
    fs::remove_all(blocker);
}

} // namespace
