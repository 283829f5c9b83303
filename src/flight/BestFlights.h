#pragma once

#include "flight/Flight.h"

#include <cstdio>
#include <string>
#include <vector>

// BestFlights: the ten best flights of every play session in a folder, kept
// in its file best.txt, and the housekeeping of the session recordings
// beside it.
//
// Several games may run at once on one folder, so every change happens
// under an exclusive lock on the folder's .lock file and starts by reading
// the file again. The file is replaced whole: written to a temporary file,
// flushed to disk and renamed over the old one, so a crash or a full disk
// leaves either the old table or the new one. A damaged file is set aside
// under a name of its own, with one line on stderr, and the table is rebuilt
// from the recordings, which hold every flight.
//
// best.txt, a text file: the line "Gullmar best flights, format 1", then one
// line per flight, best first, at most ten, such as
//   score=1200 level=3 peds=10 cars=2 fries=1 played_ms=95000 date=1718000000
//   seed=42 first_tick=1 last_tick=5000 session=session-20240610-081320-42.gullrec
// (one line in the file), then "crc32=" and the CRC-32 of every byte before
// it in eight hex digits. A flight without a recording has the session "-".
class BestFlights {
public:
    static constexpr size_t tableSize = 10;
    static constexpr size_t keptSessions = 20; // the newest, besides those of the table
    static constexpr const char* fileName = "best.txt";
    static constexpr const char* recordingSuffix = ".gullrec";

    explicit BestFlights(std::string folder = "flights");

    // Reads the table. No folder or no file and no recordings: an empty
    // table. No file but recordings, or a damaged file: the table is rebuilt
    // from the recordings and written, unless `mayWrite` is false (a replay
    // writes nothing): then the damaged file stays where it is.
    void Load(bool mayWrite = true);
    // Best first, at most ten.
    const std::vector<Flight>& Best() const { return best; }
    // Adds a finished flight to the table as it now is on disk and writes it
    // back. Returns the flight's place, 1..10, or 0 if it did not make the
    // table. A failed write says so on stderr and leaves the old file whole;
    // the table in memory still holds the flight. `flight.session` is the
    // recording's file name in the folder; a name that is not a plain file
    // name is stored as no recording.
    int Add(const Flight& flight);
    // Deletes the recordings neither among the newest `keptSessions` (by
    // name, which sorts by time), nor holding a flight of the table, nor
    // locked by a running game (flock), nor `current`, this game's own
    // recording (a file name in the folder).
    void KeepSessions(const std::string& current);
    // One FlightLine a line, best first; nothing for an empty table.
    void Print(std::FILE* out) const;
    // The file names of the recordings in the folder, oldest first.
    std::vector<std::string> Recordings() const;

    // The file's text for a table, and the table read from a text: false
    // with `error` (a few words) when the text is not a whole, sound table.
    static std::string Format(const std::vector<Flight>& flights);
    static bool Parse(const std::string& text, std::vector<Flight>& flights, std::string& error);

private:
    std::string PathOf(const std::string& name) const { return folder + "/" + name; }
    bool FolderExists() const;
    // Under the lock: the table as the file has it, or as the recordings
    // give it when the file is missing or damaged (written back then).
    std::vector<Flight> ReadOrRebuild(bool locked);
    std::vector<Flight> Rebuild() const;
    // Sets a damaged file aside; the name it now has, or "" when it stays.
    std::string SetAside() const;
    bool Write(const std::vector<Flight>& flights) const;

    std::string folder;
    std::vector<Flight> best;
};
