#pragma once

#include <cstdint>
#include <string>

// Flight: one game flown from START (or from the first play after start-up)
// to the bird's death, the end of its time, a new START, QUIT or the end of
// the play session. What the best-flights table keeps of it, and where its
// recording is.
struct Flight {
    int32_t score = 0;
    int32_t level = 0; // the highest level reached
    int32_t peds = 0;  // pedestrians, cars and fries that scored
    int32_t cars = 0;
    int32_t fries = 0;
    uint32_t playedMs = 0; // played time: paused time does not count
    int64_t date = 0;      // when it began, seconds since the epoch
    int32_t seed = 0;
    // The recording that holds it (a file name in flights/) and the ticks
    // of the session it began and ended at, counted from 1.
    std::string session;
    uint32_t firstTick = 0;
    uint32_t lastTick = 0;
};

// Better first: the higher score, then the higher level, then the earlier.
bool Better(const Flight& a, const Flight& b);
// The line --scores prints for a flight, and a replay for each flight it
// played: the score first, then the level, the counts, the played time, the
// date (local time) and the seed.
std::string FlightLine(const Flight& flight);
// The flight's date in local time, written in strftime's format.
std::string FlightDate(const Flight& flight, const char* format);
