#include "screenshot/PngFile.h"
#include "screenshot/StoredPng.h"

#include <emscripten/emscripten.h>

#include <cerrno>
#include <cstring>

// The browser build's PNG files, written without libpng (StoredPng); each
// one written (a screenshot) leaves the page as a download too. PngFile::Save
// serves only the icon generator, which the browser build leaves out.

namespace {

EM_JS(void, Download, (int descriptor), {
    Module.gullmarDownload(FS.getStream(descriptor).path, 'image/png');
});

} // namespace

std::string PngFile::Write(std::FILE* file, const PngPicture& picture) {
    std::string error;
    const std::vector<std::uint8_t> bytes = StoredPng(picture);
    if (bytes.empty()) {
        error = "the picture has no pixels or the wrong number of them";
    } else if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
               std::fflush(file) != 0) {
        error = std::strerror(errno);
    } else {
        Download(fileno(file));
    }
    if (std::fclose(file) != 0 && error.empty()) {
        error = std::strerror(errno);
    }
    return error;
}
