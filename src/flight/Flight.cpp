#include "flight/Flight.h"

#include <cstdio>
#include <ctime>

bool Better(const Flight& a, const Flight& b) {
    if (a.score != b.score) {
        return a.score > b.score;
    }
    if (a.level != b.level) {
        return a.level > b.level;
    }
    if (a.date != b.date) {
        return a.date < b.date;
    }
    // Two flights of one second: the one flown first.
    if (a.session != b.session) {
        return a.session < b.session;
    }
    return a.firstTick < b.firstTick;
}

std::string FlightDate(const Flight& flight, const char* format) {
    const std::time_t when = static_cast<std::time_t>(flight.date);
    std::tm local{};
    localtime_r(&when, &local);
    char date[64];
    std::strftime(date, sizeof date, format, &local);
    return date;
}

std::string FlightLine(const Flight& flight) {
    const std::string date = FlightDate(flight, "%Y-%m-%d %H:%M");
    const uint32_t seconds = flight.playedMs / 1000;
    char line[200];
    std::snprintf(line, sizeof line,
                  "%d points, level %d, %d peds, %d cars, %d fries, %u:%02u played, %s, seed %d",
                  flight.score, flight.level, flight.peds, flight.cars, flight.fries, seconds / 60,
                  seconds % 60, date.c_str(), flight.seed);
    return line;
}
