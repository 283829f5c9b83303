#pragma once

// Hands a fuzz input to a reader that takes a file name: the bytes go to a
// temporary file private to this process (the fuzzer may run several
// processes side by side), removed again once the reader is done with it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

class FuzzInputFile {
public:
    // Aborts if the file cannot be written: a reader fed nothing tests nothing.
    FuzzInputFile(const uint8_t* data, const size_t size) {
        const char* directory = std::getenv("TMPDIR");
        path = std::string(directory != nullptr ? directory : "/tmp") + "/gullmar-fuzz-" +
               std::to_string(getpid());
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr || std::fwrite(data, 1, size, file) != size ||
            std::fclose(file) != 0) {
            std::perror(path.c_str());
            std::abort();
        }
    }
    ~FuzzInputFile() { std::remove(path.c_str()); }
    FuzzInputFile(const FuzzInputFile&) = delete;
    FuzzInputFile& operator=(const FuzzInputFile&) = delete;

    const char* Path() const { return path.c_str(); }

private:
    std::string path;
};
