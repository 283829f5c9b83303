// Raw texture loading: short and long files, the group loaders and what a
// face with a missing texture looks like.

#include "city/TextureSet.h"
#include "base/Settings.h"
#include "city/Tile.h"
#include "game/Globals.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr size_t textureBytes = 256 * 256 * 3;

// Runs a test inside a fresh directory with a textures/ folder, as the game
// reads "textures/..." relative to its working directory.
class TextureSetTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        char pattern[] = "/tmp/gullmar-textures-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory = pattern;
        fs::create_directory(directory / "textures");
        fs::current_path(directory);
    }
    void TearDown() override {
        glDisable(GL_CULL_FACE); // the tile list turns it on
        settings = saved;
        fs::current_path(previous);
        fs::remove_all(directory);
    }

    static void Write(const std::string& name, const std::vector<char>& bytes) {
        std::ofstream("textures/" + name, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    static std::vector<unsigned char> Pixels(const GLuint texture) {
        std::vector<unsigned char> pixels(textureBytes + 16, 0xAB);
        glBindTexture(GL_TEXTURE_2D, texture);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        pixels.resize(textureBytes);
        return pixels;
    }

    // The colour a white 2 x 2 tile shows in the middle of the window.
    static Rgb DrawnColour(const uint32_t texture) {
        Tile tile;
        tile.SetExtent(-1.0f, -1.0f, 1.0f, 1.0f);
        tile.SetTopTexture(texture);
        tile.SetColour(1.0f, 1.0f, 1.0f);
        tile.SetListNumber(displayListTable.NextListIndex());
        tile.SetupDisplaylist();
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        tile.Draw();
        return ReadPixels(128, 128, 1, 1)[0];
    }

    fs::path previous = fs::current_path();
    fs::path directory;
    Settings saved = settings;
};

} // namespace

TEST_F(TextureSetTest, ShortFilesAreZeroFilledAndLongFilesCut) {
    Write("short.raw", {char(255), 0, 0, 0, char(255), 0, 7});
    std::vector<char> longFile(textureBytes + 1000, 3);
    longFile[textureBytes - 1] = 5;
    Write("long.raw", longFile);
    TextureSet set;
    std::vector<unsigned char> expected(textureBytes, 0);
    expected[0] = expected[4] = 255;
    expected[6] = 7;
    EXPECT_TRUE(Pixels(set.LoadTexture("textures/short.raw", TextureSet::Grass)) == expected);
    const auto longPixels = Pixels(set.LoadTexture("textures/long.raw", TextureSet::SkyTop));
    EXPECT_EQ(longPixels[0], 3);
    EXPECT_EQ(longPixels[textureBytes - 1], 5);
}

TEST_F(TextureSetTest, GroupsFillTheirSlotsAndAMissingRoadStaysUntextured) {
    for (const char* name : {"texture.raw", "texture1.raw", "texture2.raw", "texture3.raw",
                             "texture4.raw", "texture5.raw", "road2.raw", "sidewalk.raw",
                             "intersection.raw", "grass.raw", "skytop.raw", "skyside.raw"}) {
        Write(name, std::vector<char>(textureBytes, char(200)));
    }
    TextureSet set;
    set.LoadCityTextures();
    set.LoadSkyTextures();
    for (int slot = 0; slot <= TextureSet::Grass; ++slot) {
        EXPECT_EQ(set.Get(slot) == 0u, slot == TextureSet::RoadAlongY) << "slot " << slot;
    }
    EXPECT_EQ(set.Get(TextureSet::CarFront), 0u); // other groups untouched
    // A failed load returns 0 and keeps what the slot held.
    const uint32_t roof = set.Get(TextureSet::Roof);
    EXPECT_EQ(set.LoadTexture("textures/none.raw", TextureSet::Roof), 0u);
    EXPECT_EQ(set.Get(TextureSet::Roof), roof);
    EXPECT_EQ(set.LoadTexture("textures/grass.raw", TextureSet::slotCount), 0u);

    // A road tile without its texture shows its plain colour; with the
    // grey texture it is tinted, unless textures are off.
    glDisable(GL_LIGHTING);
    settings.textureTarget = Settings::textureOn;
    EXPECT_EQ(DrawnColour(set.Get(TextureSet::RoadAlongY)), (Rgb{255, 255, 255}));
    EXPECT_NEAR(DrawnColour(set.Get(TextureSet::RoadAlongX))[0], 200, 2);
    settings.textureTarget = 0;
    EXPECT_EQ(DrawnColour(set.Get(TextureSet::RoadAlongX)), (Rgb{255, 255, 255}));
}
