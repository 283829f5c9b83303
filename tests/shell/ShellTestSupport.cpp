#include "shell/ShellTestSupport.h"

#include "base/GameClock.h"
#include "game/GameMenus.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "shell/Settings.h"
#include "shell/ShellHost.h"
#include "shell/Windows.h"
#include "support/GlContext.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// One directory per test process, removed when the process ends.
struct TempDirectory {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("gullmar-tests-" + std::to_string(getpid()));
    TempDirectory() { std::filesystem::create_directories(path); }
    ~TempDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

// The tests drive the game as the shell runs it: its inputs reach the
// session, its ticks the listeners.
const bool shellHosts = (UseShellHost(), true);

const std::filesystem::path& Directory() {
    static const TempDirectory directory;
    return directory.path;
}

} // namespace

std::string TempPath(const std::string& name) {
    return (Directory() / name).string();
}

std::string WriteTempFile(const std::string& name, const std::string& contents) {
    const std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
    return path;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void EnsureWorldReady() {
    EnsureGlContext();
    if (world.GetCityMap().GetWidth() == 0) {
        // The same city in every run, so that no test depends on the day's luck.
        const int32_t seed = settings.seed;
        settings.seed = cityOfTheTests;
        world.Init(100, 100, 100.0f);
        settings.seed = seed;
    }
}

void StartUpGame(const unsigned int seed) {
    shell = ShellState{};
    currentLevel = 1;
    OnReshape(800, 800);
    configMenu.Hide();
    ShowMainMenu("MAIN MENU");
    world.freezeActors = 0;
    world.ClearClouds();
    GameClock::SetTickTime(0);
    std::srand(seed);
    world.SetupLevel(1);
    // A START keeps the last game's angles; a new process's bird has them at 0.
    world.GetBird().SetAngles(0.0f, 0.0f);
    world.GetBird().StartGame();
}

void ParseArguments(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "gullmar");
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    ParseCommandLine(static_cast<int>(arguments.size()), argv.data());
}
