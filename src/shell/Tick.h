#pragma once

// The idle call: the pads are read, then the game's tick runs at the game
// clock (game/GameTick.h); a tick that ran posts a redisplay, an idle call
// without one sleeps a little (IdleWakeTime). Registered as GLUT's idle
// callback.
void OnIdle();
