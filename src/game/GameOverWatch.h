#pragma once

#include "base/GameEvent.h"

class World;

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
