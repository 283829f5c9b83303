#pragma once

#include "base/TickReport.h"

// The fixed-rate game tick, without a window. A tick is due once the game
// clock has passed the last tick's deadline; it then checks the intro text,
// the bird's death and the mission's time, updates the game or lets the
// menus handle the mouse, and hands its report to the host (GameHost), which
// passes it on to whoever listens. The shell's idle call samples the clock
// and calls RunTick; a replay calls it with the recorded clock.

// One idle call at game clock `now` (ms). Its report says whether a tick was
// due and ran, and what happened in it.
TickReport RunTick(unsigned int now);
// Until when an idle call that ran no tick sleeps: a tick runs once the clock
// has passed nextTickTime, so until just after it, instead of spinning; but
// never more than a few milliseconds, so that keys and the mouse are still
// handled promptly at the slowest game speed.
unsigned int IdleWakeTime(unsigned int now);
// A control a replay acts on at the next tick, at the moment its menu would
// act on a click, as the recorded game's menu did: (dx, dy) is where on the
// control the pointer was.
struct ScriptedMenuAction {
    int menu = 0; // GameEvent::MainMenu or ConfigMenu
    int item = 0;
    float dx = 0.0f;
    float dy = 0.0f;
};
void ScriptMenuAction(const ScriptedMenuAction& action);
// Hides the intro text once the tick time reaches start time + 15000 ms.
void CheckIntroTimeout();
