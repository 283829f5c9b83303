#include "flight/BestFlights.h"
#include "shell/Platform.h"
#include "shell/Session.h"

#include <emscripten/emscripten.h>

#include <string>

// What the page and the game tell each other beyond GLUT: the page keeps the
// player's files in the browser's storage when they change and shows the
// best flights, which it reads from here.

void PlayerFilesChanged() {
    EM_ASM({
        Module.gullmarKeep();
        Module.gullmarFlightsChanged();
    });
}

void EndProcess(const int status) {
    // The page's timers and listeners keep the runtime alive, which a plain
    // exit would leave running: this ends it, the atexit handlers and the
    // page's onExit included.
    emscripten_force_exit(status);
}

// The best flights, one a line: its place, the line --scores prints, and its
// recording's path in the player's folder, separated by tabs.
extern "C" EMSCRIPTEN_KEEPALIVE const char* gullmar_best_flights() {
    static std::string text;
    BestFlights best(flightsFolder);
    best.Load(false);
    text.clear();
    int place = 0;
    for (const Flight& flight : best.Best()) {
        ++place;
        const bool recorded = !flight.session.empty() && flight.session != "-";
        text += std::to_string(place) + "\t" + FlightLine(flight) + "\t" +
                (recorded ? std::string(flightsFolder) + "/" + flight.session : "") + "\n";
    }
    return text.c_str();
}

// Ticks run this session: the page's tick rate is measured by them
// (bench/web_tick_rate.py).
extern "C" EMSCRIPTEN_KEEPALIVE unsigned int gullmar_session_ticks() {
    return SessionTicks();
}
