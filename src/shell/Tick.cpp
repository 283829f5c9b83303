#include "shell/Tick.h"

#include "base/GameClock.h"
#include "game/GameTick.h"
#include "game/ShellState.h"
#include "shell/Pads.h"
#include "shell/Session.h"
#include "shell/Windows.h"

ShellState shell;
int currentLevel = 1;

void OnIdle() {
    const unsigned int now = GameClock::Now();
    PollPads(now);
    const bool ran = RunTick(now).ran;
    if (EndRequested()) {
        EndSession();
    }
    if (ran) {
        PostRedisplayAll();
        return;
    }
    GameClock::SleepUntil(IdleWakeTime(now));
}
