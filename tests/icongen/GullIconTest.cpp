// The icon: every size the icon theme asks for, as PNG files a reader opens,
// a round patch of sky on a transparent square, and the gull on it.

#include "GullIcon.h"
#include "shell/ShellTestSupport.h"
#include "support/PngReader.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

struct Count {
    int white = 0;
    int black = 0;
};

TEST(GullIconTest, EverySizeIsARoundSkyWithAWhiteGullAndBlackWingTips) {
    const std::string folder = TempPath("icons");
    icongen::GullIcon::WriteAll(folder);
    for (const int size : icongen::GullIcon::sizes) {
        const std::string side = std::to_string(size);
        const PngPicture icon =
            ReadPng(folder + "/" + side + "x" + side + "/apps/gullmar.png", 4);
        ASSERT_EQ(icon.width, size);
        ASSERT_EQ(icon.height, size);
        EXPECT_EQ(icon.pixels, icongen::GullIcon::Draw(size).pixels) << "not the same drawing";
        const auto alpha = [&icon](const int x, const int y) {
            return icon.pixels[static_cast<std::size_t>((y * icon.width + x) * 4 + 3)];
        };
        EXPECT_EQ(alpha(size - 1, size - 1), 0) << size << ": the corners are not transparent";
        EXPECT_EQ(alpha(size / 2, size * 3 / 4), 255) << size << ": the patch is not opaque";
        Count count;
        for (std::size_t i = 0; i < icon.pixels.size(); i += 4) {
            const int sum = icon.pixels[i] + icon.pixels[i + 1] + icon.pixels[i + 2];
            count.white += icon.pixels[i + 3] == 255 && sum >= 3 * 245 ? 1 : 0;
            count.black += icon.pixels[i + 3] == 255 && sum <= 3 * 40 ? 1 : 0;
        }
        // The gull's body and head cover about 6% of the square, less its
        // soft edges at the smallest sizes.
        EXPECT_GT(count.white, size * size / 60) << size;
        if (size >= 48) {
            EXPECT_GT(count.black, 0) << size << ": no black wing tips";
        }
    }
    fs::remove_all(folder);
}

} // namespace
