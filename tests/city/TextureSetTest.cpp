// Raw texture loading: missing, short and long files, the group loaders and
// what a face with a missing texture looks like.

#include "city/TextureSet.h"
#include "city/Tile.h"
#include "shell/Globals.h"
#include "shell/Settings.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr size_t textureBytes = 256 * 256 * 3;

// Runs a test inside a fresh directory with an empty textures/ folder, as
// the game reads "textures/..." relative to its working directory.
class TextureSetTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        previous = fs::current_path();
        char pattern[] = "/tmp/gullmar-textures-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory = pattern;
        fs::create_directory(directory / "textures");
        fs::current_path(directory);
    }
    void TearDown() override {
        glDisable(GL_CULL_FACE); // the tile list turns it on
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        fs::current_path(previous);
        fs::remove_all(directory);
    }

    static void Write(const std::string& name, const std::vector<char>& bytes) {
        std::ofstream out("textures/" + name, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    static std::vector<unsigned char> Pixels(const GLuint texture) {
        std::vector<unsigned char> pixels(textureBytes + 16, 0xAB);
        glBindTexture(GL_TEXTURE_2D, texture);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        pixels.resize(textureBytes);
        return pixels;
    }

    fs::path previous;
    fs::path directory;
};

const char* const cityFiles[] = {"texture.raw",  "texture1.raw", "texture2.raw",
                                 "texture3.raw", "texture4.raw", "texture5.raw",
                                 "road.raw",     "road2.raw",    "sidewalk.raw",
                                 "intersection.raw", "grass.raw", "skytop.raw",
                                 "skyside.raw"};

} // namespace

TEST_F(TextureSetTest, ShortFilesAreZeroFilledAndLongFilesCut) {
    Write("short.raw", {char(255), 0, 0, 0, char(255), 0, 7});
    std::vector<char> longFile(textureBytes + 1000, 3);
    longFile[textureBytes - 1] = 5;
    Write("long.raw", longFile);
    TextureSet set;

    const std::vector<unsigned char> shortPixels =
        Pixels(set.LoadTexture("textures/short.raw", TextureSet::Grass));
    EXPECT_EQ(shortPixels[0], 255);
    EXPECT_EQ(shortPixels[4], 255);
    EXPECT_EQ(shortPixels[6], 7);
    size_t nonZero = 0;
    for (size_t i = 7; i < textureBytes; ++i) {
        nonZero += shortPixels[i] != 0;
    }
    EXPECT_EQ(nonZero, 0u);

    const std::vector<unsigned char> longPixels =
        Pixels(set.LoadTexture("textures/long.raw", TextureSet::SkyTop));
    EXPECT_EQ(longPixels[0], 3);
    EXPECT_EQ(longPixels[textureBytes - 1], 5);
}

TEST_F(TextureSetTest, GroupsFillTheirSlotsAndAMissingRoadStaysUntextured) {
    for (const char* name : cityFiles) {
        if (std::string(name) != "road.raw") {
            Write(name, std::vector<char>(textureBytes, char(200)));
        }
    }
    TextureSet set;
    set.LoadCityTextures();
    set.LoadSkyTextures();
    for (int slot = 0; slot <= TextureSet::Grass; ++slot) {
        if (slot == TextureSet::RoadAlongY) {
            EXPECT_EQ(set.Get(slot), 0u);
        } else {
            EXPECT_NE(set.Get(slot), 0u) << "slot " << slot;
        }
    }
    EXPECT_EQ(set.Get(TextureSet::CarFront), 0u); // other groups untouched

    // A failed load returns 0 and keeps what the slot held.
    const uint32_t roof = set.Get(TextureSet::Roof);
    EXPECT_EQ(set.LoadTexture("textures/none.raw", TextureSet::Roof), 0u);
    EXPECT_EQ(set.Get(TextureSet::Roof), roof);
    EXPECT_EQ(set.LoadTexture("textures/grass.raw", TextureSet::slotCount), 0u);

    // A road tile without its texture shows its plain colour; with the
    // dark-grey texture it is tinted.
    const auto drawnColour = [](const uint32_t texture) {
        Tile tile;
        tile.SetExtent(-1.0f, -1.0f, 1.0f, 1.0f);
        tile.SetTopTexture(texture);
        tile.SetColour(1.0f, 1.0f, 1.0f);
        tile.SetListNumber(displayListTable.NextListIndex());
        tile.SetupDisplaylist();
        glDisable(GL_LIGHTING);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        tile.Draw();
        std::array<unsigned char, 3> pixel{};
        glReadBuffer(GL_BACK);
        glReadPixels(128, 128, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel.data());
        return pixel;
    };
    const Settings saved = settings;
    settings.textureTarget = Settings::textureOn;
    EXPECT_EQ(drawnColour(set.Get(TextureSet::RoadAlongY)),
              (std::array<unsigned char, 3>{255, 255, 255}));
    const std::array<unsigned char, 3> textured = drawnColour(set.Get(TextureSet::RoadAlongX));
    EXPECT_NEAR(textured[0], 200, 2);
    settings.textureTarget = 0;
    EXPECT_EQ(drawnColour(set.Get(TextureSet::RoadAlongX)),
              (std::array<unsigned char, 3>{255, 255, 255}));
    settings = saved;
}
