#include "flight/SessionRecorder.h"

#include <sys/file.h>

#include <cerrno>
#include <cstring>

namespace {

bool IsMove(const Record::Kind kind) {
    return kind == Record::Kind::Pointer || kind == Record::Kind::Steer ||
           kind == Record::Kind::MenuPointer;
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

void SessionRecorder::Input(const Record& record) {
    if (file == nullptr) {
        return;
    }
    const bool framesBetween = frames[0] != 0 || frames[1] != 0;
    if (IsMove(record.kind) && moving && move.kind == record.kind && !framesBetween) {
        move = record;
        return;
    }
    FlushMove();
    FlushFrames();
    if (IsMove(record.kind)) {
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

void SessionRecorder::Close() {
    if (file == nullptr) {
        return;
    }
    FlushMove();
    FlushFrames();
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
