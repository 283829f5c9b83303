// Records a long game without a window, for measuring --verify: the
// timedemo's scripted flight (steering, speed changes, drops) played through
// the game's commands for TICKS ticks of 17 ms, one frame a tick, START
// clicked through the menus' pointer after every death or timeout and Enter
// after every completed mission. The recording lands in flights/ of the
// folder it runs in, as a game's does, and is a game --verify must replay
// exactly.
//
// Usage: gullmar_record_flight TICKS [game options...], in a folder with the
// game's config/ (bench/verify_speed.sh runs it).

#include "base/GameClock.h"
#include "game/Commands.h"
#include "game/GameMenus.h"
#include "game/GameTick.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "shell/Session.h"
#include "shell/Settings.h"
#include "shell/ShellHost.h"
#include "shell/Startup.h"
#include "shell/Timedemo.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr unsigned int tickStep = 17; // ms of game clock between ticks, as at 60 a second

// A click on a control of the main menu, through the menus' pointer.
void Click(const int item) {
    const MenuItem* control = mainMenu.GetItem(item);
    ApplyCommand(Command::PointInMenus(control->GetX() - mainMenu.GetX() + 5.0f,
                                       control->GetY() - mainMenu.GetY() + 5.0f));
    ApplyCommand(Command::Button(GLUT_LEFT_BUTTON, true, 0, 0));
    ApplyCommand(Command::Button(GLUT_LEFT_BUTTON, false, 0, 0));
}

} // namespace

int main(int argc, char** argv) {
    const long ticks = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 0;
    if (ticks <= 0) {
        std::fprintf(stderr, "usage: %s TICKS [game options...]\n", argv[0]);
        return EXIT_FAILURE;
    }
    LoadConfig();
    LoadIntroText();
    ParseCommandLine(argc - 1, argv + 1);
    if (settings.seed == Settings::noSeed) {
        settings.seed = Timedemo::defaultSeed;
    }
    settings.sound = 0;
    settings.gamepad = 0;
    UseShellHost();
    InitGame();
    BuildMenus();
    StartSession(std::time(nullptr), 0);
    if (SessionRecordingPath().empty()) {
        return EXIT_FAILURE;
    }
    Click(startButton);
    unsigned int now = 0;
    for (long tick = 1; tick <= ticks; ++tick) {
        Timedemo::ApplyScript(static_cast<int>(tick));
        now += tickStep;
        RunTick(now);
        // A frame a tick, as the game draws one after each.
        world.AnimatePeds();
        NoteFrame(0);
        if (mainMenu.IsVisible() && tick % 30 == 0) {
            const bool over = !world.GetBird().IsAlive() || world.GetMission().TimeIsUp();
            if (over) {
                Click(startButton);
            } else {
                ApplyCommand(Command::KeyPressed(13));
            }
        }
    }
    std::printf("%s\n", SessionRecordingPath().c_str());
    std::fflush(stdout);
    CloseSession();
    return EXIT_SUCCESS;
}
