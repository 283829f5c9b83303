#include "shell/Verify.h"

#include "base/Settings.h"
#include "game/GameMenus.h"
#include "shell/Replay.h"
#include "shell/Session.h"
#include "shell/ShellHost.h"
#include "shell/Startup.h"

#include <cstdio>
#include <cstdlib>

int VerifyRecording(const std::string& path) {
    if (!LoadReplay(path, 0, 0)) {
        return EXIT_FAILURE;
    }
    settings.sound = 0;
    settings.gamepad = 0;
    UseShellHost();
    InitGame();
    BuildMenus();
    BeginReplay();
    while (ReplayTick()) {
    }
    if (!ReplayDrift().empty()) {
        std::fprintf(stderr, "Gullmar: %s: %s\n", path.c_str(), ReplayDrift().c_str());
        return EXIT_FAILURE;
    }
    std::string last = std::to_string(ReplayedTicks()) + " ticks and " +
                       std::to_string(ReplayedChecksums()) + " checksums verified";
    const std::string ending = ReplayEnding();
    if (!ending.empty()) {
        last += ". " + ending;
    }
    EndSession(last);
}
