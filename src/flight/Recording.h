#pragma once

#include "flight/Flight.h"
#include "input/Command.h"
#include "mission/Mission.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Recording: what a play session holds so that a replay reproduces it
// exactly, and the file it is kept in.
//
// The header holds what the game was built from: the seed, the settings
// and options in force, the level table, the intro text, the build that
// recorded it, when the session began (on the wall clock and on the game
// clock) and the window's size. The body is the session, in the order it
// happened: what every input meant to the game (a command: a pointer
// position, a steering offset, a drop, a speed change, what a key meant),
// the controls the menus acted on, every tick with its game clock and the
// frames each window drew before it (drawing animates the pedestrians, and a
// panicking one turns at random as it is drawn), a checksum of the game's
// state every few seconds, each flight as it ended, and the end of the
// session with a checksum of the game as it ended.
//
// The file: a magic line, then chunks, each its length, its bytes and their
// CRC-32. The header is the first chunk; the game writes a chunk after every
// tick, so a session ended by a crash is kept up to its last tick, and a
// file cut or damaged anywhere is noticed.

struct Settings;

// The game's settings and options that change what happens in it.
struct RecordedSettings {
    // Those in force, and putting these in force; field by field, by name.
    static RecordedSettings Of(const Settings& settings);
    void PutInForce(Settings& settings) const;

    int32_t fastComputer = 1;
    int32_t showClouds = 1;
    int32_t showTrees = 1;
    int32_t lighting = 1;
    int32_t textureTarget = 0;
    int32_t shadingModel = 0;
    int32_t gameSpeed = 60;
    int32_t classicRenderer = 0;
};

struct RecordingHeader {
    std::string build;
    int32_t seed = 0;
    int64_t startedAt = 0;       // wall clock at start-up, seconds since the epoch
    uint32_t startedAtClock = 0; // the game clock at that moment
    uint32_t startClock = 0;     // the game clock when the main loop began (the intro's start)
    int32_t windowWidth = 0;
    int32_t windowHeight = 0;
    RecordedSettings settings;
    std::array<LevelRow, Mission::levelCount> levels{};
    std::string introText;
};

// One entry of the session.
struct Record {
    enum class Kind : uint8_t {
        Tick = 'T',     // a tick ran at game clock `time` after `frames`/`secondFrames` were drawn
        Frames = 'F',   // frames drawn since the last entry, before an input
        Window = 'W',   // the main window's size became x by y (whole pixels)
        Input = 'I',    // what an input meant to the game: `command`, of a kind Recorded keeps
        MenuAct = 'A',  // menu `menu` acted on its control `code` at (x, y) on the control
        Checksum = 'C', // the game's state after the last tick, or as the session ended
        Flight = 'L',   // a flight ended after the last tick: flights[code] of the recording
        End = 'E',      // the session ended
    };
    Kind kind = Kind::End;
    uint32_t time = 0;
    uint32_t frames = 0;
    uint32_t secondFrames = 0;
    int32_t code = 0;
    int32_t menu = 0;
    float x = 0.0f;
    float y = 0.0f;
    uint32_t checksum = 0;
    Command command;
};

// Whether a recording keeps commands of this kind: what an input meant to
// the game. The pointer's buttons and the keys are kept as what they did (a
// drop, a menu's action, the command a key means); a screenshot changes
// nothing in the game.
bool Recorded(Command::Kind kind);

// The format written today; another cannot be read.
constexpr uint16_t recordingVersion = 2;
// The build this game is: recordings of another build may play differently.
const std::string& ThisBuild();

// Turns entries into the file's bytes, a chunk at a time.
class RecordingWriter {
public:
    // The magic line, the version and the header's chunk.
    static std::string Start(const RecordingHeader& header);
    void Add(const Record& record);
    // A Flight entry.
    void AddFlight(const Flight& flight);
    bool HasPending() const { return !pending.empty(); }
    // The entries added since the last chunk, as one chunk.
    std::string TakeChunk();

private:
    std::string pending;
    uint32_t lastTime = 0; // ticks hold their time as the step from the last one
};

struct Recording {
    RecordingHeader header;
    std::vector<Record> records;
    std::vector<Flight> flights; // as their Flight entries came, without the session's name
    uint32_t ticks = 0;          // ticks it holds
    // The session's end is missing: its writing stopped (the game was killed,
    // the machine lost power) after the last whole chunk, which is where the
    // records end.
    bool cutShort = false;
    size_t wholeBytes = 0; // the file up to the end of its last whole chunk
};

// Reads a recording's bytes. On failure, `error` says what is wrong in a few
// words (the caller names the file) and false is returned; `flights` then
// still holds the flights of the sound chunks before the fault, so a session
// ended by a crash keeps the flights it finished. A recording cut short
// ("cut short after tick N") also gives false, with `cutShort` set and every
// whole chunk's records: it can be replayed as far as it goes. Reading stops after
// `untilTick` ticks when it is not 0: a flight can be played from a session
// whose end was never written.
bool ReadRecording(const std::string& bytes, Recording& recording, std::string& error,
                   uint32_t untilTick = 0);
// Reads a file; false with `error` when it cannot be read or is not sound.
bool ReadRecordingFile(const std::string& path, Recording& recording, std::string& error,
                       uint32_t untilTick = 0);
