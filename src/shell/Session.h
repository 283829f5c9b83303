#pragma once

#include "base/TickReport.h"
#include "flight/Flight.h"
#include "input/Command.h"

#include <cstdint>
#include <string>
#include <vector>

// The play session: from start-up to exit, its recording in flights/, its
// flights and the best-flights table, and how it ends. The shell tells it
// what happens (the inputs as they meant to the game, the frames, the ticks);
// it never changes the game.

// Where recordings and the best flights are kept, in the folder the game runs in.
constexpr const char* flightsFolder = "flights";

// After start-up, before the main loop, with when the session began on the
// wall clock and on the game clock (for a replay: when the recorded one
// began): its flights are dated from them, and its recording is opened
// unless --no-record, a replay or a timedemo.
void StartSession(int64_t startedAt, uint32_t startedAtClock);
// The best flights beside the main menu, while it is shown (not in a replay
// or a timedemo), in the 2D overlay.
void DrawScoresPanel();
// --scores: the table, one flight a line, best first, on standard output.
void PrintBestFlights();
// --replay-best=N: the recording of the N-th best flight and the flight;
// false after one line on stderr when there is no such flight.
bool FindBestFlight(int place, std::string& path, Flight& flight);
// A replay prints, at its end, the flights that began at this tick or later.
void ShowFlightsFrom(uint32_t firstTick);
// What an input meant to the game, as ApplyCommand carried it out: a
// Pointer, Steer, MenuPointer, Key, SpeedChange or Drop.
void NoteInput(const Command& effect);
// A frame drawn in the main window (0) or the second view (1).
void NoteFrame(int window);
// The main window's new size.
void NoteWindow(int width, int height);
// After every tick that ran, with its report.
void NoteTick(const TickReport& report);
// Ticks run this session.
uint32_t SessionTicks();
// The window closed, or exit() for any other reason: the flight under way
// ends and the recording gets its end, with the checksum of the game as it
// ended, so the session is whole.
void CloseSession();
// The flight under way, if any, ends here (as at the session's end) and is
// noted; a replay does so where its recording's session ended.
void EndFlightUnderWay();
// The recording's file (empty when there is none) and the flights ended so
// far.
const std::string& SessionRecordingPath();
const std::vector<Flight>& SessionFlights();
// QUIT asks for the end of the session: the idle call ends it once the tick
// it came in is over and noted, so the recording holds that tick.
void RequestEnd();
// SIGTERM, SIGHUP and SIGINT (the terminal closed, kill, a logout, Ctrl-C)
// ask for the end as QUIT does.
void EndOnSignals();
bool EndRequested();
// QUIT, a signal, or the end of a replay: the flight under way ends and the
// recording is closed; a play session writes the timing report, a replay
// prints the line of each flight it played, then `lastLine` if there is one.
// The process ends with status 0.
[[noreturn]] void EndSession(const std::string& lastLine = {});
