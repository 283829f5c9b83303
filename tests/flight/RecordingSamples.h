#pragma once

#include "flight/Recording.h"

#include <string>
#include <vector>

// Small recordings for the tests of the reader and of the best flights: a
// header of this build, a tick every 16 ms and each flight's entry after its
// last tick, a chunk per tick as the game writes them.

inline Flight SampleFlight(const int score, const uint32_t firstTick, const uint32_t lastTick) {
    Flight flight;
    flight.score = score;
    flight.level = score / 100;
    flight.peds = 3;
    flight.cars = 2;
    flight.fries = 1;
    flight.playedMs = (lastTick - firstTick + 1) * 16;
    flight.date = 1718000000 + score;
    flight.seed = 7;
    flight.firstTick = firstTick;
    flight.lastTick = lastTick;
    return flight;
}

// Ticks up to the last flight's end (flights in the order they ended), then
// the end of the session unless `ended` is false, as after a crash.
inline std::string SampleRecording(const std::vector<Flight>& flights, const bool ended = true) {
    RecordingHeader header;
    header.build = ThisBuild();
    header.seed = 7;
    header.windowWidth = 800;
    header.windowHeight = 600;
    header.introText = "Welcome\n";
    std::string bytes = RecordingWriter::Start(header);
    RecordingWriter writer;
    uint32_t tick = 0;
    for (const Flight& flight : flights) {
        while (tick < flight.lastTick) {
            ++tick;
            Record ticked;
            ticked.kind = Record::Kind::Tick;
            ticked.time = 16 * tick;
            ticked.frames = 1;
            writer.Add(ticked);
            if (tick < flight.lastTick) {
                bytes += writer.TakeChunk();
            }
        }
        writer.AddFlight(flight);
        bytes += writer.TakeChunk();
    }
    if (ended) {
        writer.Add(Record{});
        bytes += writer.TakeChunk();
    }
    return bytes;
}
