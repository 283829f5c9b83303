#pragma once

#include "world/GameEvent.h"

class World;

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

// GameOverWatch: notices, at the end of each tick, the moment a game ends,
// once: the bird has died or the mission's time has run out. When both
// happen the main menu shows the time-up title, so that is the end reported.
class GameOverWatch {
public:
    // The GameOver event of this moment, if the game has just ended.
    bool Check(const World& world, GameEvent& ended);

private:
    bool wasDead = false;
    bool wasTimeUp = false;
};
