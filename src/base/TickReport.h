#pragma once

#include "base/GameEvent.h"

// TickReport: what one idle call did, for whoever listens (the sound, the
// HUD's flash) and for tests: whether a tick was due and ran, whether it
// moved the game (no menu was open), and the events of the tick in the order
// they happened: those of the World's update, a completed mission, the
// controls the menus acted on and a game that has just ended.
struct TickReport {
    bool ran = false;
    bool updated = false;
    bool gameOverShown = false; // the died or time-up title was shown
    GameEvents events;
};
