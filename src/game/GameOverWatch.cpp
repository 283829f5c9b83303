#include "game/GameOverWatch.h"

#include "world/World.h"

bool GameOverWatch::Check(const World& game, GameEvent& ended) {
    const bool dead = !game.GetBird().IsAlive();
    const bool timeUp = game.GetMission().TimeIsUp();
    bool over = false;
    if (timeUp && !wasTimeUp) {
        ended = GameEvent::Ended(GameEvent::Reason::TimeUp);
        over = true;
    } else if (dead && !wasDead && !timeUp) {
        ended = GameEvent::Ended(GameEvent::Reason::Died);
        over = true;
    }
    wasDead = dead;
    wasTimeUp = timeUp;
    return over;
}
