#include "shell/Replay.h"

#include "actors/Ped.h"
#include "base/DrawText.h"
#include "base/GameClock.h"
#include "base/Settings.h"
#include "flight/Recording.h"
#include "game/Commands.h"
#include "game/Game.h"
#include "game/GameTick.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "legacygl/Gl.h"
#include "shell/Platform.h"
#include "shell/Session.h"
#include "shell/Windows.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int slowestStep = -2; // a quarter of the recorded speed
constexpr int fastestStep = 4;  // sixteen times
constexpr uint32_t skipMilliseconds = 10000;
// Work done between two frames when the playback runs behind or skips, so
// that the window and the keys stay alive.
constexpr uint32_t longestWork = 40;
constexpr unsigned int longestIdleSleep = 5;
constexpr unsigned char keyEscape = 27;
constexpr float barMargin = 8.0f;

struct Playback {
    std::string path;
    Recording recording;
    std::vector<size_t> tickAt; // where each tick's entry is
    size_t next = 0;            // the next entry to play
    uint32_t played = 0;        // ticks played
    uint32_t firstTick = 1;     // the first tick shown; those before are skipped
    uint32_t lastTick = 0;      // 0: play to the session's end
    float windowWidth = 0.0f;   // the recorded window, for the recorded pointer
    float windowHeight = 0.0f;
    int speedStep = 0;
    bool paused = false;
    double playhead = 0.0; // the recorded game clock the playback has reached
    uint32_t skipTo = 0;   // skipping ahead, without pacing, to this recorded time
    uint32_t wallBefore = 0;
    uint32_t checksums = 0;     // checksums compared
    size_t flightsCompared = 0; // of the replay's flights, those compared with the recording's
    std::string drift;          // how the replay drifted from the recording, once it has
};

Playback playback;

void Drifted(const char* how) {
    playback.drift = "the replay drifted from the recording at tick " +
                     std::to_string(playback.played) + " (" + how + "); stopped";
}

// What drawing that many frames did to the recorded game.
void AnimateFrames(const uint32_t frames) {
    Ped::animateWhenDrawn = true;
    for (uint32_t i = 0; i < frames; ++i) {
        world.AnimatePeds();
    }
    Ped::animateWhenDrawn = false;
}

// The recorded pointer as it steered and pointed in the recorded window; the
// HUD's steering cone follows it in this one.
void PointerAt(const float x, const float y) {
    const float steerX = SteerOffset(x, playback.windowWidth);
    const float steerY = SteerOffset(y, playback.windowHeight);
    ApplyCommand(Command::SteerTo(steerX, steerY));
    const float overlayY = y - playback.windowHeight / 2.0f;
    const int menuX = static_cast<int>(playback.windowWidth) / 5;
    const int menuY = static_cast<int>(playback.windowHeight) / 4;
    ApplyCommand(
        Command::PointInMenus(x - static_cast<float>(menuX), overlayY - static_cast<float>(menuY)));
    world.mousePosition.Set((steerX + 1.0f) * shell.windowWidth / 2.0f,
                            steerY * shell.windowHeight / 2.0f, 0.0f);
}

// A recorded command, carried out as the recorded game did.
void PlayCommand(const Command& command) {
    using Kind = Command::Kind;
    switch (command.kind) {
    case Kind::Pointer:
        PointerAt(command.x, command.y);
        break;
    case Kind::Steer:
        ApplyCommand(command);
        world.mousePosition.Set((command.x + 1.0f) * shell.windowWidth / 2.0f,
                                command.y * shell.windowHeight / 2.0f, 0.0f);
        break;
    case Kind::MenuPointer:
    case Kind::SpeedChange:
    case Kind::Drop:
    case Kind::Resume:
    case Kind::OpenMainMenu:
    case Kind::ShowMainMenu:
    case Kind::ZoomRadarIn:
    case Kind::ZoomRadarOut:
    case Kind::OpenSecondView:
    case Kind::CloseSecondView:
    case Kind::ToggleFreeze:
    case Kind::ToggleMute:
        ApplyCommand(command);
        break;
    case Kind::PointerButton:
    case Kind::Key:
    case Kind::SpecialKey:
    case Kind::Screenshot:
        // Never in a recording: kept as what they did.
        break;
    }
}

bool SameFlight(const Flight& a, const Flight& b) {
    return a.score == b.score && a.level == b.level && a.peds == b.peds && a.cars == b.cars &&
           a.fries == b.fries && a.playedMs == b.playedMs && a.firstTick == b.firstTick &&
           a.lastTick == b.lastTick;
}

// A flight the recorded game ended here; one that ended with its session
// (QUIT, the window closed) ends here in the replay too.
void CompareFlight(const Flight& recorded, const bool sessionOver) {
    if (SessionFlights().size() <= playback.flightsCompared && sessionOver) {
        EndFlightUnderWay();
    }
    if (SessionFlights().size() <= playback.flightsCompared) {
        Drifted("a flight of the recording did not end");
        return;
    }
    if (!SameFlight(SessionFlights()[playback.flightsCompared++], recorded)) {
        Drifted("a flight came out differently");
    }
}

void CompareChecksum(const uint32_t recorded) {
    ++playback.checksums;
    if (recorded != GameChecksum()) {
        Drifted("the game's state differs");
    }
}

void PlayEntry(const Record& record) {
    using Kind = Record::Kind;
    switch (record.kind) {
    case Kind::Tick:
        AnimateFrames(record.frames + record.secondFrames);
        ++playback.played;
        if (!RunTick(record.time).ran) {
            Drifted("its tick was not due");
        }
        break;
    case Kind::Frames:
        AnimateFrames(record.frames + record.secondFrames);
        break;
    case Kind::Window:
        playback.windowWidth = record.x;
        playback.windowHeight = record.y;
        break;
    case Kind::Input:
        PlayCommand(record.command);
        break;
    case Kind::MenuAct:
        ScriptMenuAction({record.menu, record.code, record.x, record.y});
        break;
    case Kind::Checksum:
        CompareChecksum(record.checksum);
        break;
    case Kind::Flight:
        CompareFlight(playback.recording.flights[static_cast<size_t>(record.code)],
                      playback.played == playback.tickAt.size());
        break;
    case Kind::End:
        break;
    }
}

bool AtTheEnd() {
    return !playback.drift.empty() || playback.next >= playback.recording.records.size() ||
           (playback.lastTick != 0 && playback.played >= playback.lastTick);
}

// Plays the entries up to the next tick, the tick, and the checks after it;
// after the last tick, the rest of the session too.
void PlayTick() {
    const std::vector<Record>& records = playback.recording.records;
    const uint32_t before = playback.played;
    while (playback.next < records.size() && playback.drift.empty()) {
        const Record& record = records[playback.next];
        const bool followsTheTick = record.kind == Record::Kind::Checksum ||
                                    record.kind == Record::Kind::Flight ||
                                    playback.played == playback.tickAt.size();
        if (playback.played != before && !followsTheTick) {
            break;
        }
        ++playback.next;
        PlayEntry(record);
    }
    if (playback.drift.empty() && SessionFlights().size() > playback.flightsCompared) {
        Drifted("a flight ended that the recording did not end");
    }
}

// The recorded clock of the next tick; 0 after the last, so that the rest
// of the session plays at once.
uint32_t NextTickTime() {
    if (playback.played >= playback.tickAt.size()) {
        return 0;
    }
    return playback.recording.records[playback.tickAt[playback.played]].time;
}

double Speed() {
    return playback.speedStep >= 0 ? static_cast<double>(1 << playback.speedStep)
                                   : 1.0 / static_cast<double>(1 << -playback.speedStep);
}

void ReplayIdle() {
    const uint32_t wall = GameClock::Now();
    const uint32_t elapsed = wall - playback.wallBefore;
    playback.wallBefore = wall;
    bool ran = false;
    const bool skipping = playback.played + 1 < playback.firstTick || playback.skipTo != 0;
    if (!skipping && !playback.paused) {
        playback.playhead += static_cast<double>(elapsed) * Speed();
    }
    while (!AtTheEnd() && GameClock::Now() - wall < longestWork) {
        if (playback.played + 1 < playback.firstTick) {
            PlayTick();
        } else if (playback.skipTo != 0) {
            if (NextTickTime() > playback.skipTo) {
                playback.playhead = playback.skipTo;
                playback.skipTo = 0;
                break;
            }
            PlayTick();
        } else if (!playback.paused && NextTickTime() <= playback.playhead) {
            PlayTick();
        } else {
            break;
        }
        ran = true;
    }
    if (!AtTheEnd() && playback.played + 1 == playback.firstTick && playback.skipTo == 0 &&
        playback.playhead < NextTickTime() - 1.0) {
        // The skip to the first tick shown is over: play on from there.
        playback.playhead = std::max(playback.playhead, static_cast<double>(NextTickTime()) - 1.0);
    }
    if (!playback.drift.empty()) {
        std::fprintf(stderr, "Gullmar: %s: %s\n", playback.path.c_str(), playback.drift.c_str());
        EndProcess(EXIT_FAILURE);
    }
    if (AtTheEnd() || EndRequested()) {
        EndSession(ReplayEnding());
    }
    if (ran) {
        PostRedisplayAll();
        return;
    }
    GameClock::SleepUntil(GameClock::Now() + longestIdleSleep);
}

void ReplayKey(const unsigned char key, int, int) {
    switch (key) {
    case ' ':
    case 'p':
    case 'P':
        playback.paused = !playback.paused;
        break;
    case '+':
    case '=':
    case 'f':
    case 'F':
        playback.speedStep = std::min(playback.speedStep + 1, fastestStep);
        break;
    case '-':
    case 's':
    case 'S':
        playback.speedStep = std::max(playback.speedStep - 1, slowestStep);
        break;
    case 'j':
    case 'J':
        playback.skipTo = static_cast<uint32_t>(playback.playhead) + skipMilliseconds;
        break;
    case keyEscape:
    case 'q':
    case 'Q':
        EndSession(ReplayEnding());
    default:
        break;
    }
    PostRedisplayAll();
}

void ReplaySpecialKey(const int key, int, int) {
    if (key == GLUT_KEY_RIGHT) {
        ReplayKey('+', 0, 0);
    } else if (key == GLUT_KEY_LEFT) {
        ReplayKey('-', 0, 0);
    } else if (key == GLUT_KEY_PAGE_DOWN) {
        ReplayKey('j', 0, 0);
    }
}

std::string Clock(const uint32_t milliseconds) {
    const uint32_t seconds = milliseconds / GameClock::millisecondsPerSecond;
    char text[16];
    std::snprintf(text, sizeof text, "%u:%02u", seconds / 60, seconds % 60);
    return text;
}

} // namespace

bool LoadReplay(const std::string& path, const uint32_t firstTick, const uint32_t lastTick) {
    playback = Playback{};
    playback.path = path;
    Recording& recording = playback.recording;
    std::string error;
    if (!ReadRecordingFile(path, recording, error, lastTick) && !recording.cutShort) {
        std::fprintf(stderr, "Gullmar: %s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    if (lastTick > recording.ticks || firstTick > std::max(lastTick, recording.ticks)) {
        std::fprintf(stderr, "Gullmar: %s: holds %u ticks, not the flight asked for\n",
                     path.c_str(), recording.ticks);
        return false;
    }
    for (size_t i = 0; i < recording.records.size(); ++i) {
        if (recording.records[i].kind == Record::Kind::Tick) {
            playback.tickAt.push_back(i);
        }
    }
    playback.firstTick = std::max<uint32_t>(firstTick, 1);
    playback.lastTick = lastTick;

    // The recording's game, in the viewer's window and with the viewer's sound.
    const RecordingHeader& header = recording.header;
    settings.seed = header.seed;
    header.settings.PutInForce(settings);
    settings.record = 0;
    for (int level = 0; level < Mission::levelCount; ++level) {
        world.GetMission().SetRow(level, header.levels[static_cast<size_t>(level)]);
    }
    std::snprintf(introText, introTextSize, "%s", header.introText.c_str());
    playback.windowWidth = static_cast<float>(header.windowWidth);
    playback.windowHeight = static_cast<float>(header.windowHeight);
    return true;
}

void BeginReplay() {
    const RecordingHeader& header = playback.recording.header;
    shell.startTime = header.startClock;
    StartSession(header.startedAt, header.startedAtClock);
    ShowFlightsFrom(playback.firstTick);
    // Drawn frames leave the pedestrians as the recording has them.
    Ped::animateWhenDrawn = false;
    if (!playback.tickAt.empty()) {
        playback.playhead = static_cast<double>(NextTickTime()) - 1.0;
    }
    playback.wallBefore = GameClock::Now();
}

bool ReplayTick() {
    if (AtTheEnd()) {
        return false;
    }
    const uint32_t before = playback.played;
    PlayTick();
    return playback.drift.empty() && playback.played != before;
}

uint32_t ReplayedTicks() {
    return playback.played;
}

uint32_t ReplayedChecksums() {
    return playback.checksums;
}

std::string ReplayEnding() {
    if (!playback.recording.cutShort || playback.played < playback.tickAt.size() ||
        !playback.drift.empty()) {
        return {};
    }
    return "The recording is cut short after tick " + std::to_string(playback.played) +
           ": played to there.";
}

const std::string& ReplayDrift() {
    return playback.drift;
}

void StartReplay() {
    BeginReplay();
    glut::IdleFunc(ReplayIdle);
    glut::KeyboardFunc(ReplayKey);
    glut::SpecialFunc(ReplaySpecialKey);
    glut::MouseFunc(nullptr);
    glut::MotionFunc(nullptr);
    glut::PassiveMotionFunc(nullptr);
    glut::SetCursor(GLUT_CURSOR_LEFT_ARROW);
}

void DrawReplayBar() {
    const uint32_t first = playback.tickAt.empty()
                               ? 0
                               : playback.recording
                                     .records[playback.tickAt[std::min<size_t>(
                                         playback.firstTick - 1, playback.tickAt.size() - 1)]]
                                     .time;
    const size_t lastIndex = playback.lastTick != 0
                                 ? std::min<size_t>(playback.lastTick, playback.tickAt.size())
                                 : playback.tickAt.size();
    const uint32_t last =
        lastIndex == 0 ? first : playback.recording.records[playback.tickAt[lastIndex - 1]].time;
    const uint32_t now = std::clamp(GameClock::TickTime(), first, last);
    char speed[16];
    if (playback.speedStep >= 0) {
        std::snprintf(speed, sizeof speed, "x%d", 1 << playback.speedStep);
    } else {
        std::snprintf(speed, sizeof speed, "x1/%d", 1 << -playback.speedStep);
    }
    char line[160];
    std::snprintf(line, sizeof line,
                  "REPLAY %s %s / %s%s\nSpace pause  +/- speed  J skip 10 s  Esc quit", speed,
                  Clock(now - first).c_str(), Clock(last - first).c_str(),
                  playback.paused ? "  PAUSED" : "");
    DrawText(barMargin, shell.windowHeight / 2.0f - barMargin - static_cast<float>(textLineHeight),
             line);
}
