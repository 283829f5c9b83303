#include "screenshot/Screenshot.h"

#include "legacygl/Gl.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

constexpr int channels = 3;
// Names tried within one second before giving up.
constexpr int mostShotsPerSecond = 1000;
constexpr std::size_t stampSize = 16; // "YYYYMMDD-HHMMSS" and its zero
constexpr std::size_t nameSize = 48;  // "gullmar-", the stamp, "-" and any int, ".png"
constexpr const char* noSize = "the window has no size";

} // namespace

PngPicture Screenshot::ReadBackBuffer(const int width, const int height) {
    PngPicture picture;
    picture.width = width;
    picture.height = height;
    picture.channels = channels;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * channels;
    std::vector<std::uint8_t> bottomUp(rowBytes * static_cast<std::size_t>(height));
    gl::PushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    gl::PushAttrib(GL_PIXEL_MODE_BIT);
    gl::PixelStorei(GL_PACK_ALIGNMENT, 1);
    gl::ReadBuffer(GL_BACK);
    gl::ReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    gl::PopAttrib();
    gl::PopClientAttrib();
    picture.pixels.resize(bottomUp.size());
    for (int row = 0; row < height; ++row) {
        const auto source = bottomUp.begin() + static_cast<std::ptrdiff_t>(rowBytes * row);
        std::copy(source, source + static_cast<std::ptrdiff_t>(rowBytes),
                  picture.pixels.begin() +
                      static_cast<std::ptrdiff_t>(rowBytes * (height - 1 - row)));
    }
    return picture;
}

void Screenshot::Paste(PngPicture& into, const PngPicture& part, const int left, const int top) {
    const int first = std::max(0, -left);
    const int last = std::min(part.width, into.width - left);
    if (first >= last || part.channels != into.channels) {
        return;
    }
    const auto pixelBytes = static_cast<std::size_t>(into.channels);
    for (int row = std::max(0, -top); row < std::min(part.height, into.height - top); ++row) {
        const auto from = part.pixels.begin() +
                          static_cast<std::ptrdiff_t>(
                              (static_cast<std::size_t>(row) * part.width + first) * pixelBytes);
        const auto to =
            into.pixels.begin() +
            static_cast<std::ptrdiff_t>(
                (static_cast<std::size_t>(row + top) * into.width + left + first) * pixelBytes);
        std::copy(from, from + static_cast<std::ptrdiff_t>((last - first) * pixelBytes), to);
    }
}

void Screenshot::TakeIfRequested(const int width, const int height, const bool waitForInset) {
    if (!requested) {
        return;
    }
    requested = false;
    if (width <= 0 || height <= 0) {
        std::fprintf(stderr, "Screenshot not saved: %s\n", noSize);
        return;
    }
    held = ReadBackBuffer(width, height);
    pending = true;
    if (!waitForInset) {
        SaveIfPending();
    }
}

void Screenshot::AddInsetIfPending(const int left, const int top, const int width,
                                   const int height) {
    if (pending) {
        Paste(held, ReadBackBuffer(width, height), left, top);
        SaveIfPending();
    }
}

void Screenshot::SaveIfPending() {
    if (pending) {
        pending = false;
        Save(held);
        held = PngPicture{};
    }
}

void Screenshot::Save(const PngPicture& picture) {
    const std::time_t seconds = std::time(nullptr);
    std::tm now{};
    localtime_r(&seconds, &now);
    std::string result;
    if (Write(picture, folder, now, result)) {
        std::printf("Screenshot saved: %s\n", result.c_str());
        std::fflush(stdout);
    } else {
        std::fprintf(stderr, "Screenshot not saved: %s\n", result.c_str());
    }
}

bool Screenshot::Take(const int width, const int height, const std::string& directory,
                      const std::tm& now, std::string& result) {
    if (width <= 0 || height <= 0) {
        result = noSize;
        return false;
    }
    return Write(ReadBackBuffer(width, height), directory, now, result);
}

bool Screenshot::Write(const PngPicture& picture, const std::string& directory, const std::tm& now,
                       std::string& result) {
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        result = "cannot make the folder " + directory + ": " + error.message();
        return false;
    }
    // "x" creates the file only if no file of that name exists, so no earlier
    // shot is ever overwritten.
    for (int number = 1; number <= mostShotsPerSecond; ++number) {
        const std::string path = directory + "/" + FileName(now, number);
        std::FILE* file = std::fopen(path.c_str(), "wbx");
        if (file == nullptr) {
            if (errno == EEXIST) {
                continue;
            }
            result = path + ": " + std::strerror(errno);
            return false;
        }
        const std::string writeError = PngFile::Write(file, picture);
        if (!writeError.empty()) {
            std::remove(path.c_str());
            result = path + ": " + writeError;
            return false;
        }
        result = path;
        return true;
    }
    result = "too many screenshots in one second in " + directory;
    return false;
}

std::string Screenshot::FileName(const std::tm& time, const int number) {
    char stamp[stampSize];
    std::strftime(stamp, sizeof(stamp), "%Y%m%d-%H%M%S", &time);
    char name[nameSize];
    if (number > 1) {
        std::snprintf(name, sizeof(name), "gullmar-%s-%d.png", stamp, number);
    } else {
        std::snprintf(name, sizeof(name), "gullmar-%s.png", stamp);
    }
    return name;
}
