#include "shell/Session.h"

#include "base/GameClock.h"
#include "base/Settings.h"
#include "flight/BestFlights.h"
#include "flight/FlightTracker.h"
#include "flight/ScoresPanel.h"
#include "flight/SessionRecorder.h"
#include "game/Game.h"
#include "game/GameMenus.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "shell/Platform.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

// A checksum every so many ticks: about two seconds at the usual speed.
constexpr uint32_t checksumEvery = 128;

SessionRecorder recorder;
FlightTracker tracker;
BestFlights table(flightsFolder);
ScoresPanel panel;
bool panelShown = false;
uint32_t ticks = 0;
bool ended = false;
std::vector<Flight> flights; // ended this session
uint32_t shownFrom = 1;

RecordingHeader HeaderOfThisGame(const int64_t startedAt, const uint32_t startedAtClock) {
    RecordingHeader header;
    header.build = ThisBuild();
    header.seed = settings.seed;
    header.startedAt = startedAt;
    header.startedAtClock = startedAtClock;
    header.startClock = shell.startTime;
    header.windowWidth = static_cast<int32_t>(shell.windowWidth);
    header.windowHeight = static_cast<int32_t>(shell.windowHeight);
    header.settings = RecordedSettings::Of(settings);
    for (int level = 0; level < Mission::levelCount; ++level) {
        header.levels[static_cast<size_t>(level)] = world.GetMission().GetRow(level);
    }
    header.introText = introText;
    return header;
}

// session-YYYYMMDD-HHMMSS-PID.gullrec: names sort by time, and two games
// started in the same second differ by their process.
std::string SessionFileName(const std::time_t startedAt) {
    std::tm local{};
    localtime_r(&startedAt, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return std::string("session-") + stamp + "-" + std::to_string(getpid()) + ".gullrec";
}

void OpenRecording(const std::time_t startedAt, const uint32_t startedAtClock) {
    if (mkdir(flightsFolder, 0777) != 0 && errno != EEXIST) {
        std::fprintf(stderr,
                     "Gullmar: cannot make the folder %s/: %s; this game is not recorded.\n",
                     flightsFolder, std::strerror(errno));
        return;
    }
    const std::string path = std::string(flightsFolder) + "/" + SessionFileName(startedAt);
    std::string error;
    if (!recorder.Open(path, HeaderOfThisGame(startedAt, startedAtClock), error)) {
        std::fprintf(stderr,
                     "Gullmar: cannot write the recording %s: %s; this game is not recorded.\n",
                     path.c_str(), error.c_str());
    }
}

std::string SessionName() {
    const std::string& path = recorder.Path();
    return path.substr(path.find_last_of('/') + 1);
}

// A flight of a recorded game joins the table, marked on the panel when it
// made it; a replay's only goes on the list it prints.
void FlightEnded(Flight flight) {
    flight.session = SessionName();
    flights.push_back(flight);
    if (recorder.IsOpen()) {
        panel.SetFlights(table.Best(), table.Add(flight));
        PlayerFilesChanged();
    }
}

} // namespace

void CloseSession() {
    if (ended) {
        return;
    }
    ended = true;
    EndFlightUnderWay();
    if (recorder.IsOpen()) {
        // The game as it ended, which a replay reaches after the last tick.
        const uint32_t checksum = GameChecksum();
        recorder.Close(&checksum);
    }
}

void EndFlightUnderWay() {
    if (tracker.EndSession()) {
        recorder.FlightEnded(tracker.Finished());
        FlightEnded(tracker.Finished());
    }
}

namespace {

// Set by QUIT, or by a signal (hence its type); read by the idle call.
volatile std::sig_atomic_t endRequested = 0;

bool PressedStart(const TickReport& report) {
    for (const GameEvent& event : report.events) {
        if (event.kind == GameEvent::Kind::MenuAction && event.menu == GameEvent::MainMenu &&
            event.control == startButton) {
            return true;
        }
    }
    return false;
}

} // namespace

void StartSession(const int64_t startedAt, const uint32_t startedAtClock) {
    static bool closesAtExit = false;
    if (!closesAtExit) {
        std::atexit(CloseSession);
        closesAtExit = true;
    }
    ticks = 0;
    ended = false;
    endRequested = 0;
    flights.clear();
    shownFrom = 1;
    tracker.StartSession(settings.seed, startedAt, startedAtClock);
    if (settings.record != 0) {
        OpenRecording(static_cast<std::time_t>(startedAt), startedAtClock);
    }
    // The table stands beside the menu of every game played, recorded or
    // not; only a recorded one writes to it.
    panelShown = !settings.Replaying() && settings.timedemoFrames == 0;
    if (panelShown) {
        table.Load(recorder.IsOpen());
        panel.SetFlights(table.Best(), 0);
    }
    if (recorder.IsOpen()) {
        table.KeepSessions(SessionName());
    }
}

void DrawScoresPanel() {
    if (!panelShown || !mainMenu.IsVisible()) {
        return;
    }
    const OverlayRect menu{mainMenu.GetX(), mainMenu.GetY(), mainMenu.GetWidth(),
                           mainMenu.GetHeight()};
    const OverlayRect intro = ScoresPanel::TextRect(introX, introY, introText);
    panel.Draw(shell.windowWidth, shell.windowHeight, menu,
               shell.introHidden == 0 ? &intro : nullptr);
}

void PrintBestFlights() {
    BestFlights best(flightsFolder);
    best.Load();
    best.Print(stdout);
    std::fflush(stdout);
}

bool FindBestFlight(const int place, std::string& path, Flight& flight) {
    if (place < 1 || place > static_cast<int>(BestFlights::tableSize)) {
        std::fprintf(stderr,
                     "Gullmar: --replay-best: the place must be a whole number from 1 to %zu\n",
                     BestFlights::tableSize);
        return false;
    }
    BestFlights best(flightsFolder);
    best.Load(false);
    if (place > static_cast<int>(best.Best().size())) {
        std::fprintf(stderr, "Gullmar: --replay-best=%d: %s/%s holds %zu best flights\n", place,
                     flightsFolder, BestFlights::fileName, best.Best().size());
        return false;
    }
    flight = best.Best()[static_cast<size_t>(place - 1)];
    if (flight.session.empty() || flight.session == "-") {
        std::fprintf(stderr, "Gullmar: --replay-best=%d: that flight has no recording\n", place);
        return false;
    }
    path = std::string(flightsFolder) + "/" + flight.session;
    return true;
}

const std::string& SessionRecordingPath() {
    return recorder.Path();
}

const std::vector<Flight>& SessionFlights() {
    return flights;
}

void ShowFlightsFrom(const uint32_t firstTick) {
    shownFrom = firstTick;
}

void NoteInput(const Command& effect) {
    if (Recorded(effect.kind)) {
        recorder.Input(effect);
    }
}

void NoteFrame(const int window) {
    recorder.Frame(window);
}

void NoteWindow(const int width, const int height) {
    recorder.Window(width, height);
}

void NoteTick(const TickReport& report) {
    ++ticks;
    for (const GameEvent& event : report.events) {
        if (event.kind == GameEvent::Kind::MenuAction) {
            Record act;
            act.kind = Record::Kind::MenuAct;
            act.menu = event.menu;
            act.code = event.control;
            act.x = event.place.GetX();
            act.y = event.place.GetY();
            recorder.MenuAct(act);
        }
    }
    const bool flightEnded =
        tracker.AfterTick(ticks, GameClock::TickTime(), report, PressedStart(report), world);
    const uint32_t checksum = ticks % checksumEvery == 0 ? GameChecksum() : 0;
    recorder.Tick(GameClock::TickTime(), ticks % checksumEvery == 0 ? &checksum : nullptr,
                  flightEnded ? &tracker.Finished() : nullptr);
    if (flightEnded) {
        FlightEnded(tracker.Finished());
    }
}

uint32_t SessionTicks() {
    return ticks;
}

namespace {

void RequestEndOnSignal(const int) {
    endRequested = 1;
}

} // namespace

void RequestEnd() {
    endRequested = 1;
}

bool EndRequested() {
    return endRequested != 0;
}

void EndOnSignals() {
    struct sigaction action {};
    action.sa_handler = RequestEndOnSignal;
    sigemptyset(&action.sa_mask);
    // The recording's writes and the window's reads go on where the signal
    // found them.
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        sigaction(signal, &action, nullptr);
    }
}

void EndSession(const std::string& lastLine) {
    CloseSession();
    if (settings.Replaying()) {
        for (const Flight& flight : flights) {
            if (flight.firstTick >= shownFrom) {
                std::printf("%s\n", FlightLine(flight).c_str());
            }
        }
        if (!lastLine.empty()) {
            std::printf("%s\n", lastLine.c_str());
        }
        std::fflush(stdout);
    } else {
        timeStats.WriteReport();
    }
    EndProcess(EXIT_SUCCESS);
}
