#pragma once

#include "shell/TickReport.h"

// The fixed-rate game tick. OnIdle samples the game clock and calls RunTick;
// a tick is due once the clock has passed the last tick's deadline, and then
// checks the intro text, the bird's death and the mission's time, updates the
// game or lets the menus handle the mouse, and hands its report to the
// listeners (Listeners.h).

// Runs a due tick and posts a redisplay; otherwise sleeps a little
// (IdleWakeTime). Registered as GLUT's idle callback.
void OnIdle();
// One idle call at game clock `now` (ms). Its report says whether a tick was
// due and ran, and what happened in it.
TickReport RunTick(unsigned int now);
// Until when an idle call that ran no tick sleeps: a tick runs once the clock
// has passed nextTickTime, so until just after it, instead of spinning; but
// never more than a few milliseconds, so that keys and the mouse are still
// handled promptly at the slowest game speed.
unsigned int IdleWakeTime(unsigned int now);
// Hides the intro text once the tick time reaches start time + 15000 ms.
void CheckIntroTimeout();
