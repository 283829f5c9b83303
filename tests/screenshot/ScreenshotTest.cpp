// Screenshots: the file holds the frame in the back buffer, top row first;
// names never overwrite an earlier shot; a shot that cannot be written says
// so in one line and nothing else happens.

#include "screenshot/PngFile.h"
#include "screenshot/Screenshot.h"
#include "screenshot/StoredPng.h"
#include "shell/ShellTestSupport.h"
#include "support/GlContext.h"
#include "support/PngReader.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

namespace fs = std::filesystem;

constexpr int side = 256; // the test window
constexpr int band = 32;

std::tm SevenDecember() {
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 7;
    time.tm_hour = 9;
    time.tm_min = 1;
    time.tm_sec = 2;
    return time;
}

// Blue, with a red band along the top and a green one along the left edge,
// so a picture upside down or mirrored shows.
void DrawMarkedFrame() {
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, side, side);
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glScissor(0, side - band, side, band);
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glScissor(0, 0, band, side - band);
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
}

Rgb PixelAt(const PngPicture& picture, const int x, const int y) {
    const auto at = static_cast<std::size_t>((y * picture.width + x) * picture.channels);
    return {picture.pixels[at], picture.pixels[at + 1], picture.pixels[at + 2]};
}

class ScreenshotGlTest : public GlTest {};

TEST_F(ScreenshotGlTest, TheFileHoldsTheBackBufferTopRowFirst) {
    const std::string folder = TempPath("shots-frame");
    DrawMarkedFrame();
    std::string result;
    ASSERT_TRUE(Screenshot::Take(side, side, folder, SevenDecember(), result)) << result;
    EXPECT_EQ(result, folder + "/gullmar-20261207-090102.png");

    const PngPicture picture = ReadPng(result, 3);
    ASSERT_EQ(picture.width, side);
    ASSERT_EQ(picture.height, side);
    const std::vector<Rgb> frame = ReadPixels(0, 0, side, side); // bottom row first
    int differing = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            differing += PixelAt(picture, x, y) != frame[(side - 1 - y) * side + x] ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(PixelAt(picture, side / 2, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(PixelAt(picture, 0, side / 2), (Rgb{0, 255, 0}));
    EXPECT_EQ(PixelAt(picture, side - 1, side - 1), (Rgb{0, 0, 255}));
    fs::remove_all(folder);
}

TEST_F(ScreenshotGlTest, ShotsInTheSameSecondGetNumbersAndNothingIsOverwritten) {
    const std::string folder = TempPath("shots-numbered") + "/nested/screenshots";
    std::string first;
    std::string second;
    std::string third;
    ASSERT_TRUE(Screenshot::Take(side, side, folder, SevenDecember(), first)) << first;
    const auto firstSize = fs::file_size(first);
    fs::resize_file(first, 1); // so an overwrite would show
    ASSERT_TRUE(Screenshot::Take(side, side, folder, SevenDecember(), second)) << second;
    ASSERT_TRUE(Screenshot::Take(side, side, folder, SevenDecember(), third)) << third;
    EXPECT_EQ(second, folder + "/gullmar-20261207-090102-2.png");
    EXPECT_EQ(third, folder + "/gullmar-20261207-090102-3.png");
    EXPECT_EQ(fs::file_size(first), 1u);
    EXPECT_EQ(fs::file_size(second), firstSize);
    fs::remove_all(TempPath("shots-numbered"));
}

TEST_F(ScreenshotGlTest, AShotThatCannotBeSavedSaysWhyInOneLineAndLeavesNoFile) {
    std::string result;
    EXPECT_FALSE(Screenshot::Take(0, side, TempPath("shots-none"), SevenDecember(), result));
    EXPECT_EQ(result, "the window has no size");
    EXPECT_FALSE(fs::exists(TempPath("shots-none")));

    // The key's own path: the working directory's screenshots/ is a file.
    const fs::path previous = fs::current_path();
    const fs::path scratch = TempPath("shots-key");
    fs::create_directories(scratch);
    fs::current_path(scratch);
    std::ofstream(Screenshot::folder) << "in the way";
    Screenshot screenshot;
    screenshot.Request();
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    screenshot.TakeIfRequested(side, side);
    const std::string refusedOut = testing::internal::GetCapturedStdout();
    const std::string refusedErr = testing::internal::GetCapturedStderr();
    fs::remove(Screenshot::folder);
    // Asked once, taken once: the frame after shoots nothing.
    screenshot.TakeIfRequested(side, side);
    const bool nothingMore = !fs::exists(Screenshot::folder);
    screenshot.Request();
    testing::internal::CaptureStdout();
    screenshot.TakeIfRequested(side, side);
    const std::string savedOut = testing::internal::GetCapturedStdout();
    const auto saved = fs::directory_iterator(Screenshot::folder);
    const std::string name = saved->path().filename().string();
    fs::current_path(previous);
    fs::remove_all(scratch);

    EXPECT_EQ(refusedOut, "");
    EXPECT_EQ(refusedErr.rfind("Screenshot not saved: cannot make the folder screenshots: ", 0), 0u)
        << refusedErr;
    EXPECT_EQ(refusedErr.find('\n'), refusedErr.size() - 1);
    EXPECT_TRUE(nothingMore);
    EXPECT_EQ(savedOut, "Screenshot saved: screenshots/" + name + "\n");
    EXPECT_EQ(name.size(), std::string("gullmar-YYYYMMDD-HHMMSS.png").size());
}

// The second view is a window inside the main one: the shot waits for its
// frame and lays it over at its place, clipped to the main window.
TEST_F(ScreenshotGlTest, AnInnerWindowsFrameIsLaidOverTheHeldShotAtItsPlace) {
    const fs::path previous = fs::current_path();
    const fs::path scratch = TempPath("shots-inset");
    fs::create_directories(scratch);
    fs::current_path(scratch);
    auto shotsTaken = [] {
        return fs::exists(Screenshot::folder)
                   ? std::distance(fs::directory_iterator(Screenshot::folder), {})
                   : 0;
    };
    Screenshot screenshot;
    testing::internal::CaptureStdout();
    DrawMarkedFrame();
    screenshot.Request();
    screenshot.TakeIfRequested(side, side, true);
    const auto whileHeld = shotsTaken();
    glClearColor(1.0f, 1.0f, 0.0f, 1.0f); // the inner window's frame: yellow
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    screenshot.AddInsetIfPending(side - 16, 100, 64, 64);
    const auto withInset = shotsTaken();
    screenshot.AddInsetIfPending(0, 0, 64, 64); // nothing held: nothing happens
    // Held, then the inner window closes before it draws: saved as it is.
    DrawMarkedFrame();
    screenshot.Request();
    screenshot.TakeIfRequested(side, side, true);
    screenshot.SaveIfPending();
    std::istringstream printed(testing::internal::GetCapturedStdout());
    std::vector<std::string> files;
    for (std::string line; std::getline(printed, line);) {
        files.push_back(line.substr(line.find(Screenshot::folder)));
    }
    ASSERT_EQ(files.size(), 2u);
    const PngPicture inset = ReadPng(files[0], 3);
    const PngPicture plain = ReadPng(files[1], 3);
    fs::current_path(previous);
    fs::remove_all(scratch);

    EXPECT_EQ(whileHeld, 0);
    EXPECT_EQ(withInset, 1);
    constexpr Rgb yellow{255, 255, 0};
    constexpr Rgb blue{0, 0, 255};
    EXPECT_EQ(PixelAt(inset, side - 16, 100), yellow);
    EXPECT_EQ(PixelAt(inset, side - 1, 163), yellow);
    EXPECT_EQ(PixelAt(inset, side - 17, 100), blue);
    EXPECT_EQ(PixelAt(inset, side - 1, 164), blue);
    EXPECT_EQ(PixelAt(inset, side - 1, 99), blue);
    EXPECT_EQ(PixelAt(inset, side / 2, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(PixelAt(plain, side - 1, 120), blue);
}

TEST(PngFileTest, WritesRgbaThatReadsBackAndReportsAFullDisk) {
    PngPicture picture;
    picture.width = 3;
    picture.height = 2;
    picture.channels = 4;
    picture.pixels = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0,
                      1, 2, 3, 4, 250, 251, 252, 253, 9, 8, 7, 255};
    const std::string path = TempPath("picture.png");
    ASSERT_EQ(PngFile::Save(path, picture), "");
    const PngPicture back = ReadPng(path, 4);
    EXPECT_EQ(back.width, 3);
    EXPECT_EQ(back.height, 2);
    EXPECT_EQ(back.pixels, picture.pixels);

    picture.pixels.pop_back();
    EXPECT_NE(PngFile::Save(TempPath("short.png"), picture), "");
    EXPECT_FALSE(fs::exists(TempPath("short.png")));
    EXPECT_EQ(PngFile::Save(TempPath("no/such/folder/x.png"), back), "No such file or directory");

    std::FILE* full = std::fopen("/dev/full", "wb");
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(PngFile::Write(full, back), "No space left on device");
}

} // namespace

namespace {

// The browser's screenshots: libpng reads them back pixel for pixel, RGB and
// RGBA, with rows that span several stored blocks; a picture of the wrong
// shape gives no bytes.
TEST(StoredPngTest, LibpngReadsBackEveryPixel) {
    for (const int channels : {3, 4}) {
        PngPicture picture;
        picture.width = 300;
        picture.height = 181; // more than one 64 KB block
        picture.channels = channels;
        for (int i = 0; i < picture.width * picture.height * channels; ++i) {
            picture.pixels.push_back(static_cast<std::uint8_t>((i * 7 + i / 301) & 0xff));
        }
        const std::vector<std::uint8_t> bytes = StoredPng(picture);
        const std::string path = TempPath("stored.png");
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        const PngPicture back = ReadPng(path, channels);
        EXPECT_EQ(back.width, picture.width);
        EXPECT_EQ(back.height, picture.height);
        EXPECT_EQ(back.pixels, picture.pixels) << channels << " channels";
        picture.pixels.pop_back();
        EXPECT_TRUE(StoredPng(picture).empty());
    }
}

} // namespace
