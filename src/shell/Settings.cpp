#include "shell/Settings.h"

#include "mission/Mission.h"
#include "shell/Platform.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>

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
constexpr const char seedOption[] = "--seed=";
constexpr size_t seedLength = sizeof(seedOption) - 1;
constexpr const char timedemoOption[] = "--timedemo";
constexpr size_t timedemoLength = sizeof(timedemoOption) - 1;
constexpr const char timedemoLevelOption[] = "--timedemo-level=";
constexpr size_t timedemoLevelLength = sizeof(timedemoLevelOption) - 1;
constexpr const char volumeOption[] = "--volume=";
constexpr size_t volumeLength = sizeof(volumeOption) - 1;
constexpr const char replayOption[] = "--replay=";
constexpr size_t replayLength = sizeof(replayOption) - 1;
constexpr const char verifyOption[] = "--verify=";
constexpr size_t verifyLength = sizeof(verifyOption) - 1;
constexpr const char replayBestOption[] = "--replay-best";
constexpr size_t replayBestLength = sizeof(replayBestOption) - 1;
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

// A whole argument of decimal digits that fits an int, or -1.
int ParseCount(const char* text) {
    if (*text == '\0') {
        return -1;
    }
    long value = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9') {
            return -1;
        }
        value = value * 10 + (*c - '0');
        if (value > INT_MAX) {
            return -1;
        }
    }
    return static_cast<int>(value);
}

// "--timedemo" alone runs the default number of frames; "--timedemo=N" runs
// N (at least one). Anything else is not the option.
void ApplyTimedemo(const char* arg) {
    if (arg[timedemoLength] == '\0') {
        settings.timedemoFrames = Settings::defaultTimedemoFrames;
    } else if (arg[timedemoLength] == '=') {
        const int frames = ParseCount(arg + timedemoLength + 1);
        if (frames > 0) {
            settings.timedemoFrames = frames;
        }
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
    // The new file is written beside the old one and renamed over it only
    // once it is complete on disk, so a failed write (full disk, unwritable
    // folder) leaves the old settings whole instead of an empty file.
    const std::string temporary = std::string(fileName) + ".tmp";
    std::FILE* out = std::fopen(temporary.c_str(), "w");
    if (out == nullptr) {
        std::fprintf(stderr, "Gullmar: cannot save the settings to %s: %s\n", temporary.c_str(),
                     std::strerror(errno));
        return;
    }
    bool written = std::fprintf(out,
                                "FAST_COMPUTER\n%d\n\nPOOP_SHOW_CLOUDS\n%d\n\n"
                                "POOP_SHOW_TREES\n%d\n\nPOOP_WINDOW_MODE\n%d\n\n"
                                "POOP_LIGHTING\n%d\n\nPOOP_TEXTURE_2D\n%d\n\n"
                                "POOP_SHADING_TYPE\n%d\n\nPOOP_GAME_SPEED\n%d\n\n",
                                settings.fastComputer, settings.showClouds, settings.showTrees,
                                settings.windowMode, settings.lighting, settings.textureTarget,
                                settings.shadingModel, settings.gameSpeed) > 0;
    written = std::fflush(out) == 0 && written;
    written = fsync(fileno(out)) == 0 && written;
    written = std::fclose(out) == 0 && written;
    if (!written || std::rename(temporary.c_str(), fileName) != 0) {
        std::fprintf(stderr, "Gullmar: cannot save the settings to %s: %s; the old file is kept.\n",
                     fileName, std::strerror(errno));
        std::remove(temporary.c_str());
        return;
    }
    PlayerFilesChanged();
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
        } else if (std::strncmp(arg, seedOption, seedLength) == 0) {
            // A seed that is not a whole number in 0..INT_MAX is ignored.
            const int seed = ParseCount(arg + seedLength);
            if (seed >= 0) {
                settings.seed = seed;
            }
        } else if (std::strncmp(arg, timedemoLevelOption, timedemoLevelLength) == 0) {
            // A level of the level table; anything else is ignored.
            const int level = ParseCount(arg + timedemoLevelLength);
            if (level >= 1 && level < Mission::levelCount) {
                settings.timedemoLevel = level;
            }
        } else if (std::strncmp(arg, timedemoOption, timedemoLength) == 0) {
            ApplyTimedemo(arg);
        } else if (std::strcmp(arg, "--classic-renderer") == 0) {
            settings.classicRenderer = 1;
        } else if (std::strcmp(arg, "--gles") == 0) {
            settings.gles = 1;
        } else if (std::strcmp(arg, "--no-sound") == 0) {
            settings.sound = 0;
        } else if (std::strcmp(arg, "--no-record") == 0) {
            settings.record = 0;
        } else if (std::strcmp(arg, "--scores") == 0) {
            settings.printScores = 1;
        } else if (std::strncmp(arg, replayOption, replayLength) == 0) {
            settings.replayFile = arg + replayLength;
        } else if (std::strncmp(arg, verifyOption, verifyLength) == 0) {
            settings.verifyFile = arg + verifyLength;
        } else if (std::strcmp(arg, replayBestOption) == 0) {
            settings.replayBest = 1;
        } else if (std::strncmp(arg, replayBestOption, replayBestLength) == 0 &&
                   arg[replayBestLength] == '=') {
            // Not a place of the table: start-up says so and ends.
            const int place = ParseCount(arg + replayBestLength + 1);
            settings.replayBest = place >= 1 ? place : Settings::badReplayBest;
        } else if (std::strncmp(arg, volumeOption, volumeLength) == 0) {
            // A volume that is not a whole number in 0..100 is ignored.
            const int volume = ParseCount(arg + volumeLength);
            if (volume >= 0 && volume <= Settings::fullVolume) {
                settings.volume = volume;
            }
        } else if (std::strcmp(arg, "--no-gamepad") == 0) {
            settings.gamepad = 0;
        } else if (std::strcmp(arg, "--no-rumble") == 0) {
            settings.rumble = 0;
        } else if (std::strcmp(arg, "--invert-pitch") == 0) {
            settings.invertPitch = 1;
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
