#pragma once

// Hands a fuzz input to a reader that takes a file name: the bytes are
// written to a temporary file private to this process (the fuzzer may run
// several processes side by side), removed again when the process ends.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

inline const std::string& FuzzInputPath() {
    static const std::string path = [] {
        const char* directory = std::getenv("TMPDIR");
        std::string name = std::string(directory != nullptr ? directory : "/tmp") +
                           "/gullmar-fuzz-" + std::to_string(getpid());
        std::atexit([] { std::remove(FuzzInputPath().c_str()); });
        return name;
    }();
    return path;
}

// Writes the input to the process's file and returns its name; aborts if the
// file cannot be written, since a reader fed nothing would test nothing.
inline const char* WriteFuzzInput(const uint8_t* data, const size_t size) {
    const std::string& path = FuzzInputPath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::perror(path.c_str());
        std::abort();
    }
    return path.c_str();
}
