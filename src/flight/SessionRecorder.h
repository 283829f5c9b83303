#pragma once

#include "flight/Recording.h"

#include <cstdio>
#include <string>
#include <vector>

// SessionRecorder: writes a play session's recording as it happens, a chunk
// after every tick, flushed at once, so that a session ended by a crash is
// kept up to its last tick. While it writes it holds an exclusive lock on its
// file, so that no other game deletes it. If a write fails (a full disk), it
// says so in one line and stops; the game plays on unrecorded.
//
// Inputs are kept in the order they came, with the frames drawn before each;
// a pointer move, a steering offset or a menus' pointer that follows one of
// its own kind with nothing between them replaces it, since only the last
// one counts at the next tick.
class SessionRecorder {
public:
    SessionRecorder() = default;
    ~SessionRecorder() { Close(); }
    SessionRecorder(const SessionRecorder&) = delete;
    SessionRecorder& operator=(const SessionRecorder&) = delete;

    // Creates the file and writes its header; false with `error` if it cannot.
    bool Open(const std::string& path, const RecordingHeader& header, std::string& error);
    bool IsOpen() const { return file != nullptr; }
    const std::string& Path() const { return path; }

    // A frame of the main window (0) or the second view (1).
    void Frame(int window);
    // What an input meant to the game: a command of a kind that recordings
    // keep (Recorded).
    void Input(const Command& command);
    // The main window's new size.
    void Window(int width, int height);
    // The control a menu acted on in the tick about to be noted.
    void MenuAct(const Record& record);
    // A tick ran at game clock `time`; with its checksum when one is due, and
    // the flight that ended at it, if one did. Writes the chunk.
    void Tick(uint32_t time, const uint32_t* checksum, const Flight* ended);
    // A flight that ended outside a tick (the session's end).
    void FlightEnded(const Flight& flight);
    // Writes the end of the session, after the checksum of the game as it
    // ended if there is one, and closes the file.
    void Close(const uint32_t* checksum = nullptr);

private:
    void Add(const Record& record);
    void FlushMove();
    void FlushFrames();
    void Write(const std::string& bytes);

    std::FILE* file = nullptr;
    std::string path;
    RecordingWriter writer;
    Record move; // the pending pointer, steering or menus' pointer
    bool moving = false;
    uint32_t frames[2] = {};
};
