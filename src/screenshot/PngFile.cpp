#include "screenshot/PngFile.h"

#include <png.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr int rgbChannels = 3;
constexpr int rgbaChannels = 4;

} // namespace

std::string PngFile::Write(std::FILE* file, const PngPicture& picture) {
    std::string error;
    const bool shapeFits =
        picture.width > 0 && picture.height > 0 &&
        (picture.channels == rgbChannels || picture.channels == rgbaChannels) &&
        picture.pixels.size() == static_cast<std::size_t>(picture.width) *
                                     static_cast<std::size_t>(picture.height) *
                                     static_cast<std::size_t>(picture.channels);
    if (!shapeFits) {
        error = "the picture has no pixels or the wrong number of them";
    } else {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        image.width = static_cast<png_uint_32>(picture.width);
        image.height = static_cast<png_uint_32>(picture.height);
        image.format = picture.channels == rgbaChannels ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
        const png_int_32 rowStride = picture.width * picture.channels;
        errno = 0;
        if (png_image_write_to_stdio(&image, file, 0, picture.pixels.data(), rowStride, nullptr) ==
            0) {
            // libpng reports a failed fwrite as "Write Error"; errno says why.
            error = errno != 0 ? std::strerror(errno) : image.message;
        } else if (std::fflush(file) != 0 || std::ferror(file) != 0) {
            error = std::strerror(errno);
        }
    }
    if (std::fclose(file) != 0 && error.empty()) {
        error = std::strerror(errno);
    }
    return error;
}

std::string PngFile::Save(const std::string& path, const PngPicture& picture) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return std::strerror(errno);
    }
    const std::string error = Write(file, picture);
    if (!error.empty()) {
        std::remove(path.c_str());
    }
    return error;
}
