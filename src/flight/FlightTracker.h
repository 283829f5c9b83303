#pragma once

#include "base/TickReport.h"
#include "flight/Flight.h"

#include <cstdint>

class World;

// FlightTracker: follows the game tick by tick and says where its flights
// begin and end. A flight begins with the first tick that moves the game
// after start-up or after a START; it ends at the tick that first shows
// "Ohhh you died!" or "Ohhh you took too long!" (with the score after that
// tick), at a new START, or when the session ends (QUIT, the window closed).
// Pausing in between, a completed mission and a RESUME do not end it; a
// RESUME after the end does not begin another. It changes nothing in the
// game, so the play and its replay track the same flights.
class FlightTracker {
public:
    // The seed of the session and when it began on the wall clock and on the
    // game clock: a flight's date is the session's start plus the game time
    // to the flight's first tick, so nothing reads the wall clock in a tick.
    void StartSession(int32_t seed, int64_t startedAt, uint32_t startedAtClock);
    // After each tick that ran: its number (from 1), its game clock, its
    // report, whether it pressed START, and the game after it. True when a
    // flight ended at this tick; Finished() is that flight.
    bool AfterTick(uint32_t tick, uint32_t now, const TickReport& report, bool startPressed,
                   const World& world);
    // The session ends: true if a flight was under way; Finished() is it.
    bool EndSession();
    bool Flying() const { return flying; }
    const Flight& Finished() const { return finished; }

private:
    bool Finish();

    int32_t seed = 0;
    int64_t startedAt = 0;
    uint32_t startedAtClock = 0;
    bool flying = false;
    bool mayBegin = true; // until a START, only play right after start-up begins a flight
    bool lastTickMoved = false;
    uint32_t lastTickTime = 0;
    Flight current;
    Flight finished;
};
