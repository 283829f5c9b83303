// Fuzz target: the command line. The input is split at zero bytes into the
// arguments after the program name, as the shell would pass them.

#include "shell/Settings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, const size_t size) {
    std::vector<std::string> args{"gullmar"};
    std::string current;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\0') {
            args.push_back(current);
            current.clear();
        } else {
            current.push_back(static_cast<char>(data[i]));
        }
    }
    args.push_back(current);
    // Each argument in an allocation of its own, so that reading past its
    // terminator is caught.
    std::vector<std::vector<char>> storage;
    std::vector<char*> argv;
    for (const std::string& arg : args) {
        storage.emplace_back(arg.begin(), arg.end());
        storage.back().push_back('\0');
    }
    for (std::vector<char>& arg : storage) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    settings = Settings{};
    ParseCommandLine(static_cast<int>(args.size()), argv.data());
    return 0;
}
