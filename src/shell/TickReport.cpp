#include "shell/TickReport.h"

#include "world/World.h"

bool GameOverWatch::Check(const World& game, GameEvent& ended) {
    const bool dead = !game.GetBird().IsAlive();
    const bool timeUp = game.GetMission().TimeIsUp();
    bool over = false;
    if (timeUp && !wasTimeUp) {
        ended = {GameEvent::Kind::GameOver, GameEvent::TimeUp, 0, {}};
        over = true;
    } else if (dead && !wasDead && !timeUp) {
        ended = {GameEvent::Kind::GameOver, GameEvent::Died, 0, {}};
        over = true;
    }
    wasDead = dead;
    wasTimeUp = timeUp;
    return over;
}
