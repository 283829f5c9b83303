// Gullmar: a bird over a random city. Reads the settings, the intro text and
// the command line, opens the window, builds the game and the menus and hands
// control to GLUT; the game ends through the menu's Quit or by closing the window.
// With --timedemo it flies a scripted path instead and reports its frame times;
// with --replay it plays a recorded session back; --scores prints the best
// flights and --verify checks a recording, neither with a window. Every play session is recorded in
// flights/. Sound, unless --no-sound, comes from the default device; without one the game plays
// silently. Pads, unless --no-gamepad, come through SDL's game-controller subsystem and play
// through the same commands as the keys.

#include "base/GameClock.h"
#include "game/GameMenus.h"
#include "game/ShellState.h"
#include "legacygl/Gl.h"
#include "shell/Pads.h"
#include "shell/Replay.h"
#include "shell/Session.h"
#include "shell/Settings.h"
#include "shell/ShellHost.h"
#include "shell/Startup.h"
#include "shell/Timedemo.h"
#include "shell/Verify.h"
#include "shell/Windows.h"
#include "sound/GameSound.h"

#include <cstdlib>
#include <ctime>
#include <string>

int main(int argc, char** argv) {
    LoadConfig();
    LoadIntroText();
    ParseCommandLine(argc, argv);
    if (settings.timedemoFrames > 0) {
        settings.record = 0;
        if (settings.seed == Settings::noSeed) {
            settings.seed = Timedemo::defaultSeed;
        }
    }
    if (settings.printScores != 0) {
        PrintBestFlights();
        return EXIT_SUCCESS;
    }
    if (!settings.verifyFile.empty()) {
        return VerifyRecording(settings.verifyFile);
    }
    if (!settings.replayFile.empty() && !LoadReplay(settings.replayFile, 0, 0)) {
        return EXIT_FAILURE;
    }
    if (settings.replayFile.empty() && settings.replayBest != 0) {
        std::string path;
        Flight best;
        if (!FindBestFlight(settings.replayBest, path, best) ||
            !LoadReplay(path, best.firstTick, best.lastTick)) {
            return EXIT_FAILURE;
        }
    }
    if (settings.Replaying()) {
        // The viewer's pads do not reach a replayed game.
        settings.gamepad = 0;
    }
    if (settings.record != 0) {
        FinishCutRecordings(flightsFolder);
    }
    ChooseSeed();
    ChooseRenderer();
    UseShellHost();
    glut::Init(&argc, argv);
    CreateMainWindow();
    OpenPads();
    InitGame();
    BuildMenus();
    if (settings.sound != 0) {
        gameSound.Open(soundFolder, settings.volume);
    }
    if (settings.Replaying()) {
        StartReplay();
    } else {
        shell.startTime = GameClock::Now();
        StartSession(std::time(nullptr), GameClock::Now());
    }
    if (settings.timedemoFrames > 0) {
        StartTimedemo();
    } else {
        EndOnSignals();
    }
    glut::MainLoop();
    return 0;
}
