#include "shell/Settings.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

Settings settings;
char introText[introTextSize] = "";

namespace {

// Settings-file keys, in the order each line is compared with them.
enum class Key {
    FastComputer,
    ShowClouds,
    WindowMode,
    ShowTrees,
    Lighting,
    Texture,
    GameSpeed,
    Shading
};

struct KeyName {
    Key key;
    const char* name;
};

constexpr KeyName keyNames[] = {
    {Key::FastComputer, "FAST_COMPUTER"},  {Key::ShowClouds, "POOP_SHOW_CLOUDS"},
    {Key::WindowMode, "POOP_WINDOW_MODE"}, {Key::ShowTrees, "POOP_SHOW_TREES"},
    {Key::Lighting, "POOP_LIGHTING"},      {Key::Texture, "POOP_TEXTURE_2D"},
    {Key::GameSpeed, "POOP_GAME_SPEED"},   {Key::Shading, "POOP_SHADING_TYPE"},
};

constexpr const char fastComputerOption[] = "--fast-computer";
constexpr size_t fastComputerLength = sizeof(fastComputerOption) - 1;
// The intro file is read in pieces of this many characters; a longer line
// continues on the next line of the text.
constexpr size_t introLineLength = 158;

// Like atoi (leading blanks, sign, digits; anything else gives 0), but a
// number too large for an int is clamped instead of being undefined.
int ParseInt(const std::string& text) {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

void Apply(const Key key, const int value) {
    switch (key) {
    case Key::FastComputer:
        settings.fastComputer = static_cast<int16_t>(value);
        break;
    case Key::ShowClouds:
        settings.showClouds = value;
        break;
    case Key::WindowMode:
        settings.windowMode = static_cast<int16_t>(value);
        break;
    case Key::ShowTrees:
        settings.showTrees = value;
        break;
    case Key::Lighting:
        settings.lighting = static_cast<int16_t>(value);
        break;
    case Key::Texture:
        if (value == 0) {
            settings.textureTarget = 0;
        } else if (value == 1) {
            settings.textureTarget = Settings::textureOn;
        }
        break;
    case Key::GameSpeed:
        settings.gameSpeed = static_cast<uint16_t>(value);
        if (settings.gameSpeed == 0) {
            settings.gameSpeed = Settings::defaultGameSpeed;
        }
        break;
    case Key::Shading:
        if (value == 0) {
            settings.shadingModel = 0;
        } else if (value == 1) {
            settings.shadingModel = Settings::flatShading;
        } else if (value == 2) {
            settings.shadingModel = Settings::smoothShading;
        }
        break;
    }
}

} // namespace

void LoadConfig() {
    LoadConfig(settingsFile);
}

void LoadConfig(const char* fileName) {
    std::ifstream in(fileName);
    std::string line;
    while (std::getline(in, line)) {
        // A value line is itself compared with the keys after the one it
        // belongs to.
        for (const KeyName& entry : keyNames) {
            if (line == entry.name) {
                if (!std::getline(in, line)) {
                    return;
                }
                Apply(entry.key, ParseInt(line));
            }
        }
    }
}

void SaveConfig() {
    SaveConfig(settingsFile);
}

void SaveConfig(const char* fileName) {
    std::FILE* out = std::fopen(fileName, "w");
    if (out == nullptr) {
        return;
    }
    std::fprintf(out, "FAST_COMPUTER\n%d\n\n", settings.fastComputer);
    std::fprintf(out, "POOP_SHOW_CLOUDS\n%d\n\n", settings.showClouds);
    std::fprintf(out, "POOP_SHOW_TREES\n%d\n\n", settings.showTrees);
    std::fprintf(out, "POOP_WINDOW_MODE\n%d\n\n", settings.windowMode);
    std::fprintf(out, "POOP_LIGHTING\n%d\n\n", settings.lighting);
    std::fprintf(out, "POOP_TEXTURE_2D\n%d\n\n", settings.textureTarget);
    std::fprintf(out, "POOP_SHADING_TYPE\n%d\n\n", settings.shadingModel);
    std::fprintf(out, "POOP_GAME_SPEED\n%d\n\n", settings.gameSpeed);
    std::fclose(out);
}

void ParseCommandLine(const int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strncmp(arg, fastComputerOption, fastComputerLength) == 0) {
            // "--fast-computer" alone is level 1; otherwise one separator
            // character is skipped and the next character is the level digit.
            // arg[fastComputerLength] is not the terminator here, so the
            // character after it is at worst the terminator itself.
            settings.fastComputer = arg[fastComputerLength] == '\0'
                                        ? 1
                                        : static_cast<int16_t>(arg[fastComputerLength + 1] - '0');
        } else if (std::strcmp(arg, "--no-textures") == 0) {
            settings.textureTarget = 0;
        } else if (std::strcmp(arg, "--flat-shading") == 0) {
            settings.shadingModel = Settings::flatShading;
        } else if (std::strcmp(arg, "--no-clouds") == 0) {
            settings.showClouds = 0;
        } else if (std::strcmp(arg, "--no-trees") == 0) {
            settings.showTrees = 0;
        } else if (std::strcmp(arg, "--window-mode") == 0) {
            settings.windowMode = 1;
        } else if (std::strcmp(arg, "--no-lighting") == 0) {
            settings.lighting = 0;
        }
    }
}

void LoadIntroText() {
    LoadIntroText(introTextFile);
}

void LoadIntroText(const char* fileName) {
    introText[0] = '\0';
    std::ifstream in(fileName);
    size_t length = 0;
    std::string line;
    // Stops at the end of the file and at any read error, so an unreadable
    // file leaves the text empty. Whatever does not fit the buffer is cut.
    while (std::getline(in, line)) {
        size_t start = 0;
        do {
            const std::string piece = line.substr(start, introLineLength) + "\n";
            const size_t room = introTextSize - 1 - length;
            const size_t count = std::min(piece.size(), room);
            std::memcpy(introText + length, piece.data(), count);
            length += count;
            introText[length] = '\0';
            if (count < piece.size()) {
                return;
            }
            start += introLineLength;
        } while (start < line.size());
    }
}
