#include "actors/Ped.h"
#include "city/TextureSet.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int side = 256;
constexpr Rgb red{255, 0, 0};
constexpr Rgb green{0, 255, 0};
constexpr Rgb blue{0, 0, 255};
constexpr Rgb white{255, 255, 255};
constexpr Rgb magenta{255, 0, 255};

// Writes a raw texture of four quadrants, top row first.
std::string WriteRaw(const char* name, const Rgb& topLeft, const Rgb& topRight,
                     const Rgb& bottomLeft, const Rgb& bottomRight) {
    const std::string path = std::string(::testing::TempDir()) + name;
    std::vector<Rgb> pixels;
    for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
            const bool left = column < side / 2;
            pixels.push_back(row < side / 2 ? (left ? topLeft : topRight)
                                            : (left ? bottomLeft : bottomRight));
        }
    }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(pixels.data()),
               static_cast<std::streamsize>(pixels.size() * sizeof(Rgb)));
    return path;
}

// The colour at a world point seen from +x (screen right is world +y, screen
// up is world +z), with the orthographic view set up below.
Rgb PixelAt(const float worldY, const float worldZ) {
    return ReadPixels(static_cast<int>((worldY + 10.0f) / 20.0f * side),
                      static_cast<int>((worldZ - 10.0f) / 40.0f * side), 1, 1)[0];
}

} // namespace

using PedTextureTest = GlTest;

// The torso front must show its picture upright and unmirrored, seen from
// the front, and must survive back-face culling.
TEST_F(PedTextureTest, PedTorsoFrontShowsThePictureUprightFromOutside) {
    TextureSet textures;
    ASSERT_NE(textures.LoadTexture(WriteRaw("front.raw", red, green, blue, white).c_str(),
                                   TextureSet::PedFront),
              0u);
    ASSERT_NE(textures.LoadTexture(WriteRaw("back.raw", magenta, magenta, magenta, magenta).c_str(),
                                   TextureSet::PedBack),
              0u);
    Ped ped;
    ped.SetTextures(textures);
    ped.SetColour(1.0f, 1.0f, 1.0f);
    ped.Translate(0.0f, 0.0f, 1.0f); // facing 0: walks towards +x

    glViewport(0, 0, side, side);
    glMatrixMode(GL_PROJECTION);
    glOrtho(-10.0, 10.0, -20.0, 20.0, 1.0, 1000.0);
    // Eye on +x looking back at the ped, up along z (gluLookAt by hand).
    const GLfloat lookFromPlusX[16] = {0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -30, -100, 1};
    glMultMatrixf(lookFromPlusX);
    glMatrixMode(GL_MODELVIEW);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_CULL_FACE);
    ped.Draw();
    glDisable(GL_CULL_FACE);

    // The torso spans world y -5..5 and z 19.75..44.75; on screen, left is -y.
    EXPECT_EQ(PixelAt(-2.5f, 38.0f), red);
    EXPECT_EQ(PixelAt(2.5f, 38.0f), green);
    EXPECT_EQ(PixelAt(-2.5f, 26.0f), blue);
    EXPECT_EQ(PixelAt(2.5f, 26.0f), white);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
