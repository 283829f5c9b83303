#include "flight/FlightTracker.h"

#include "base/GameClock.h"
#include "world/World.h"

#include <algorithm>

void FlightTracker::StartSession(const int32_t sessionSeed, const int64_t wallClock,
                                 const uint32_t gameClock) {
    *this = FlightTracker{};
    seed = sessionSeed;
    startedAt = wallClock;
    startedAtClock = gameClock;
}

bool FlightTracker::AfterTick(const uint32_t tick, const uint32_t now, const TickReport& report,
                              const bool startPressed, const World& world) {
    bool ended = false;
    if (startPressed) {
        // The new game's flight begins when it first moves.
        ended = Finish();
        mayBegin = true;
    }
    if (report.updated) {
        if (!flying && mayBegin) {
            flying = true;
            mayBegin = false;
            current = Flight{};
            current.seed = seed;
            current.firstTick = tick;
            current.date = startedAt + static_cast<int64_t>(now - std::min(now, startedAtClock)) /
                                           GameClock::millisecondsPerSecond;
        } else if (flying && lastTickMoved) {
            current.playedMs += now - lastTickTime;
        }
        if (flying) {
            for (const GameEvent& event : report.events) {
                if (event.kind == GameEvent::Kind::PedHit && event.scored) {
                    ++current.peds;
                } else if (event.kind == GameEvent::Kind::CarHit && event.scored) {
                    ++current.cars;
                } else if (event.kind == GameEvent::Kind::FriesEaten) {
                    ++current.fries;
                }
            }
            current.score = world.GetBird().GetScore();
            current.level = std::max(current.level, world.GetLevel());
            current.lastTick = tick;
        }
    }
    lastTickMoved = report.updated;
    lastTickTime = now;
    if (report.gameOverShown && flying) {
        current.lastTick = tick;
        ended = Finish() || ended;
    }
    return ended;
}

bool FlightTracker::EndSession() {
    return Finish();
}

bool FlightTracker::Finish() {
    if (!flying) {
        return false;
    }
    flying = false;
    finished = current;
    return true;
}
