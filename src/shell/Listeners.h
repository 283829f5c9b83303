#pragma once

#include "base/TickReport.h"

// Where the game's events go. The World, the menus and the shell's tick only
// report what happened; these hand it to everyone who reacts to it: the sound
// and the HUD's flash, and the session (the recording, the flights). A new
// listener of the game's events joins here.

// One event as it happens between ticks (a drop made by a key or a button).
void HandOut(const GameEvent& event);
// A finished tick: its events in order, then the HUD's flash (after a tick
// that moved the game), the sound's end of tick and the session's note.
void HandOutTick(const TickReport& report);
