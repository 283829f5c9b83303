#include "flight/SessionRecorder.h"

#include <sys/file.h>

#include <cerrno>
#include <cstring>

namespace {

// Of these only the last before a tick counts.
bool IsMove(const Record& record) {
    if (record.kind != Record::Kind::Input) {
        return false;
    }
    const Command::Kind kind = record.command.kind;
    return kind == Command::Kind::Pointer || kind == Command::Kind::Steer ||
           kind == Command::Kind::MenuPointer;
}

} // namespace

bool SessionRecorder::Open(const std::string& filePath, const RecordingHeader& header,
                           std::string& error) {
    Close();
    // "x": never over another game's file.
    std::FILE* opened = std::fopen(filePath.c_str(), "wbx");
    if (opened == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    if (flock(fileno(opened), LOCK_EX | LOCK_NB) != 0) {
        error = std::strerror(errno);
        std::fclose(opened);
        std::remove(filePath.c_str());
        return false;
    }
    file = opened;
    path = filePath;
    writer = RecordingWriter{};
    moving = false;
    frames[0] = frames[1] = 0;
    Write(RecordingWriter::Start(header));
    if (file == nullptr) {
        error = "cannot be written";
        return false;
    }
    return true;
}

void SessionRecorder::Frame(const int window) {
    if (file != nullptr) {
        ++frames[window == 0 ? 0 : 1];
    }
}

void SessionRecorder::FlushMove() {
    if (moving) {
        writer.Add(move);
        moving = false;
    }
}

void SessionRecorder::FlushFrames() {
    if (frames[0] != 0 || frames[1] != 0) {
        Record drawn;
        drawn.kind = Record::Kind::Frames;
        drawn.frames = frames[0];
        drawn.secondFrames = frames[1];
        writer.Add(drawn);
        frames[0] = frames[1] = 0;
    }
}

void SessionRecorder::Input(const Command& command) {
    Record input;
    input.kind = Record::Kind::Input;
    input.command = command;
    Add(input);
}

void SessionRecorder::Window(const int width, const int height) {
    Record size;
    size.kind = Record::Kind::Window;
    size.x = static_cast<float>(width);
    size.y = static_cast<float>(height);
    Add(size);
}

void SessionRecorder::Add(const Record& record) {
    if (file == nullptr) {
        return;
    }
    const bool framesBetween = frames[0] != 0 || frames[1] != 0;
    if (IsMove(record) && moving && move.command.kind == record.command.kind && !framesBetween) {
        move = record;
        return;
    }
    FlushMove();
    FlushFrames();
    if (IsMove(record)) {
        move = record;
        moving = true;
    } else {
        writer.Add(record);
    }
}

void SessionRecorder::MenuAct(const Record& record) {
    if (file == nullptr) {
        return;
    }
    FlushMove();
    writer.Add(record);
}

void SessionRecorder::Tick(const uint32_t time, const uint32_t* checksum, const Flight* ended) {
    if (file == nullptr) {
        return;
    }
    FlushMove();
    Record tick;
    tick.kind = Record::Kind::Tick;
    tick.time = time;
    tick.frames = frames[0];
    tick.secondFrames = frames[1];
    frames[0] = frames[1] = 0;
    writer.Add(tick);
    if (checksum != nullptr) {
        Record sum;
        sum.kind = Record::Kind::Checksum;
        sum.checksum = *checksum;
        writer.Add(sum);
    }
    if (ended != nullptr) {
        writer.AddFlight(*ended);
    }
    Write(writer.TakeChunk());
}

void SessionRecorder::FlightEnded(const Flight& flight) {
    if (file != nullptr) {
        writer.AddFlight(flight);
    }
}

void SessionRecorder::Close(const uint32_t* checksum) {
    if (file == nullptr) {
        return;
    }
    FlushMove();
    FlushFrames();
    if (checksum != nullptr) {
        Record sum;
        sum.kind = Record::Kind::Checksum;
        sum.checksum = *checksum;
        writer.Add(sum);
    }
    Record end;
    end.kind = Record::Kind::End;
    writer.Add(end);
    Write(writer.TakeChunk());
    if (file != nullptr) {
        std::fclose(file); // also lets go of the lock
        file = nullptr;
    }
}

void SessionRecorder::Write(const std::string& bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
        std::fflush(file) == 0) {
        return;
    }
    std::fprintf(stderr,
                 "Gullmar: cannot write the recording %s: %s; the game goes on unrecorded.\n",
                 path.c_str(), std::strerror(errno));
    std::fclose(file);
    file = nullptr;
}
