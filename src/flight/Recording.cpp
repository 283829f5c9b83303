#include "flight/Recording.h"

#include "base/Settings.h"
#include "base/Crc32.h"
#include "gullmar_build.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr char magic[] = "GULLREC\n";
constexpr size_t magicSize = sizeof(magic) - 1;
// Limits that no sound recording comes near; a hostile file meets them first.
constexpr uint64_t largestChunk = 1u << 20;
constexpr uint64_t largestFile = 64u << 20;
constexpr size_t longestBuild = 200;
constexpr size_t longestIntro = 1023;
constexpr uint32_t mostFramesBetweenTicks = 1000000;
constexpr int32_t farthestPointer = 1000000;
constexpr float farthestMenuPointer = 100000.0f;
constexpr float largestSpeedChange = 100.0f;
constexpr int32_t largestWindow = 65535;
constexpr int menuCount = 2;

// The recorded settings in the file's order, each with the values the
// settings file and the options could have given it.
struct SettingField {
    int32_t RecordedSettings::*field;
    int64_t lowest;
    int64_t highest;
};
constexpr SettingField settingFields[] = {
    {&RecordedSettings::fastComputer, INT16_MIN, INT16_MAX},
    {&RecordedSettings::showClouds, INT32_MIN, INT32_MAX},
    {&RecordedSettings::showTrees, INT32_MIN, INT32_MAX},
    {&RecordedSettings::lighting, INT16_MIN, INT16_MAX},
    {&RecordedSettings::textureTarget, INT32_MIN, INT32_MAX},
    {&RecordedSettings::shadingModel, INT32_MIN, INT32_MAX},
    {&RecordedSettings::gameSpeed, 1, UINT16_MAX},
    {&RecordedSettings::classicRenderer, 0, 1},
};

// --- writing: little-endian, whole numbers as LEB128 (signed ones zigzagged)

void PutUnsigned(std::string& out, uint64_t value) {
    while (value >= 0x80) {
        out.push_back(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<char>(value));
}

void PutSigned(std::string& out, const int64_t value) {
    PutUnsigned(out, (static_cast<uint64_t>(value) << 1) ^ static_cast<uint64_t>(value >> 63));
}

void PutFixed32(std::string& out, const uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// A float's bits and back (std::bit_cast, which the browser build's library lacks).
uint32_t BitsOf(const float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float FloatOf(const uint32_t bits) {
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void PutFloat(std::string& out, const float value) {
    PutFixed32(out, BitsOf(value));
}

void PutString(std::string& out, const std::string& text) {
    PutUnsigned(out, text.size());
    out += text;
}

std::string Chunk(const std::string& payload) {
    std::string chunk;
    PutUnsigned(chunk, payload.size());
    chunk += payload;
    PutFixed32(chunk, Crc32(payload.data(), payload.size()));
    return chunk;
}

// --- reading: every read checks the bytes left, and fails once for good

class Input {
public:
    Input(const char* data, const size_t size) : at(data), end(data + size) {}

    bool Ok() const { return ok; }
    bool AtEnd() const { return at == end; }
    size_t Left() const { return static_cast<size_t>(end - at); }
    const char* Here() const { return at; }
    void Skip(const size_t count) { at += count; }
    bool Fail() { return ok = false; }

    uint64_t Unsigned() {
        uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (at == end) {
                Fail();
                return 0;
            }
            const auto byte = static_cast<unsigned char>(*at++);
            value |= static_cast<uint64_t>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0) {
                return value;
            }
        }
        Fail();
        return 0;
    }
    int64_t Signed() {
        const uint64_t raw = Unsigned();
        return static_cast<int64_t>(raw >> 1) ^ -static_cast<int64_t>(raw & 1);
    }
    // A whole number that must lie within [low, high].
    int64_t Within(const int64_t low, const int64_t high) {
        const int64_t value = Signed();
        if (value < low || value > high) {
            Fail();
        }
        return value;
    }
    uint32_t UnsignedUpTo(const uint64_t high) {
        const uint64_t value = Unsigned();
        if (value > high) {
            Fail();
        }
        return static_cast<uint32_t>(value);
    }
    uint32_t Fixed32() {
        if (Left() < 4) {
            Fail();
            return 0;
        }
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value |= static_cast<uint32_t>(static_cast<unsigned char>(*at++)) << (8 * i);
        }
        return value;
    }
    // A finite float within [-limit, limit].
    float Float(const float limit) {
        const float value = FloatOf(Fixed32());
        if (!std::isfinite(value) || std::fabs(value) > limit) {
            Fail();
        }
        return value;
    }
    std::string String(const size_t longest) {
        const uint64_t size = Unsigned();
        if (!ok || size > longest || size > Left()) {
            Fail();
            return {};
        }
        std::string text(at, static_cast<size_t>(size));
        at += size;
        return text;
    }

private:
    const char* at;
    const char* end;
    bool ok = true;
};

void PutHeader(std::string& out, const RecordingHeader& header) {
    PutString(out, header.build);
    PutSigned(out, header.seed);
    PutSigned(out, header.startedAt);
    PutUnsigned(out, header.startedAtClock);
    PutUnsigned(out, header.startClock);
    PutSigned(out, header.windowWidth);
    PutSigned(out, header.windowHeight);
    for (const SettingField& setting : settingFields) {
        PutSigned(out, header.settings.*setting.field);
    }
    for (const LevelRow& row : header.levels) {
        PutSigned(out, row.fries);
        PutSigned(out, row.peds);
        PutSigned(out, row.cars);
        PutFloat(out, row.seconds);
    }
    PutString(out, header.introText);
}

bool GetHeader(Input& in, RecordingHeader& header) {
    header.build = in.String(longestBuild);
    header.seed = static_cast<int32_t>(in.Within(0, INT32_MAX));
    header.startedAt = in.Signed();
    header.startedAtClock = in.UnsignedUpTo(UINT32_MAX);
    header.startClock = in.UnsignedUpTo(UINT32_MAX);
    header.windowWidth = static_cast<int32_t>(in.Within(0, largestWindow));
    header.windowHeight = static_cast<int32_t>(in.Within(0, largestWindow));
    RecordedSettings& s = header.settings;
    for (const SettingField& setting : settingFields) {
        s.*setting.field = static_cast<int32_t>(in.Within(setting.lowest, setting.highest));
    }
    if (s.textureTarget != 0 && s.textureTarget != Settings::textureOn) {
        in.Fail();
    }
    if (s.shadingModel != 0 && s.shadingModel != Settings::flatShading &&
        s.shadingModel != Settings::smoothShading) {
        in.Fail();
    }
    for (LevelRow& row : header.levels) {
        row.fries = static_cast<int32_t>(in.Within(INT32_MIN, INT32_MAX));
        row.peds = static_cast<int32_t>(in.Within(INT32_MIN, INT32_MAX));
        row.cars = static_cast<int32_t>(in.Within(INT32_MIN, INT32_MAX));
        row.seconds = in.Float(3.0e38f);
    }
    header.introText = in.String(longestIntro);
    return in.Ok() && in.AtEnd();
}

// What a command carries in a recording after its kind.
enum class Payload { NotRecorded, Nothing, WindowPoint, Offsets, MenuOffsets, Amount };

Payload PayloadOf(const Command::Kind kind) {
    using Kind = Command::Kind;
    switch (kind) {
    case Kind::Pointer:
        return Payload::WindowPoint;
    case Kind::Steer:
        return Payload::Offsets;
    case Kind::MenuPointer:
        return Payload::MenuOffsets;
    case Kind::SpeedChange:
        return Payload::Amount;
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
        return Payload::Nothing;
    case Kind::PointerButton:
    case Kind::Key:
    case Kind::SpecialKey:
    case Kind::Screenshot:
        return Payload::NotRecorded;
    }
    return Payload::NotRecorded;
}

void PutCommand(std::string& out, const Command& command) {
    out.push_back(static_cast<char>(command.kind));
    switch (PayloadOf(command.kind)) {
    case Payload::WindowPoint:
        PutSigned(out, static_cast<int64_t>(command.x));
        PutSigned(out, static_cast<int64_t>(command.y));
        break;
    case Payload::Offsets:
    case Payload::MenuOffsets:
        PutFloat(out, command.x);
        PutFloat(out, command.y);
        break;
    case Payload::Amount:
        PutFloat(out, command.x);
        break;
    case Payload::Nothing:
    case Payload::NotRecorded:
        break;
    }
}

// A command of a kind that recordings keep; false for any other byte.
bool GetCommand(Input& in, Command& command) {
    if (in.Left() == 0) {
        return in.Fail();
    }
    command = Command::Of(static_cast<Command::Kind>(*in.Here()));
    in.Skip(1);
    switch (PayloadOf(command.kind)) {
    case Payload::WindowPoint:
        command.x = static_cast<float>(in.Within(-farthestPointer, farthestPointer));
        command.y = static_cast<float>(in.Within(-farthestPointer, farthestPointer));
        break;
    case Payload::Offsets:
        command.x = in.Float(1.0f);
        command.y = in.Float(1.0f);
        break;
    case Payload::MenuOffsets:
        command.x = in.Float(farthestMenuPointer);
        command.y = in.Float(farthestMenuPointer);
        break;
    case Payload::Amount:
        command.x = in.Float(largestSpeedChange);
        break;
    case Payload::Nothing:
        break;
    case Payload::NotRecorded:
        return in.Fail();
    }
    return in.Ok();
}

// One entry of a body chunk; false if it is not sound.
bool GetRecord(Input& in, Record& record, Recording& recording, uint32_t& lastTime) {
    using Kind = Record::Kind;
    record = Record{};
    if (in.Left() == 0) {
        return in.Fail();
    }
    record.kind = static_cast<Kind>(*in.Here());
    in.Skip(1);
    switch (record.kind) {
    case Kind::Tick: {
        const uint64_t delta = in.Unsigned();
        if (delta == 0 || delta > UINT32_MAX - lastTime) {
            return in.Fail();
        }
        lastTime += static_cast<uint32_t>(delta);
        record.time = lastTime;
        record.frames = in.UnsignedUpTo(mostFramesBetweenTicks);
        record.secondFrames = in.UnsignedUpTo(mostFramesBetweenTicks);
        break;
    }
    case Kind::Frames:
        record.frames = in.UnsignedUpTo(mostFramesBetweenTicks);
        record.secondFrames = in.UnsignedUpTo(mostFramesBetweenTicks);
        break;
    case Kind::Window:
        record.x = static_cast<float>(in.Within(0, largestWindow));
        record.y = static_cast<float>(in.Within(0, largestWindow));
        break;
    case Kind::Input:
        if (!GetCommand(in, record.command)) {
            return in.Fail();
        }
        break;
    case Kind::End:
        break;
    case Kind::MenuAct:
        record.menu = static_cast<int32_t>(in.UnsignedUpTo(menuCount - 1));
        record.code = static_cast<int32_t>(in.UnsignedUpTo(9));
        record.x = in.Float(farthestMenuPointer);
        record.y = in.Float(farthestMenuPointer);
        break;
    case Kind::Checksum:
        record.checksum = in.Fixed32();
        break;
    case Kind::Flight: {
        Flight flight;
        flight.score = static_cast<int32_t>(in.Within(INT32_MIN, INT32_MAX));
        flight.level = static_cast<int32_t>(in.Within(0, INT32_MAX));
        flight.peds = static_cast<int32_t>(in.Within(0, INT32_MAX));
        flight.cars = static_cast<int32_t>(in.Within(0, INT32_MAX));
        flight.fries = static_cast<int32_t>(in.Within(0, INT32_MAX));
        flight.playedMs = in.UnsignedUpTo(UINT32_MAX);
        flight.date = in.Signed();
        flight.seed = static_cast<int32_t>(in.Within(0, INT32_MAX));
        flight.firstTick = in.UnsignedUpTo(UINT32_MAX);
        flight.lastTick = in.UnsignedUpTo(UINT32_MAX);
        if (flight.firstTick == 0 || flight.firstTick > flight.lastTick ||
            flight.lastTick > recording.ticks) {
            return in.Fail();
        }
        record.code = static_cast<int32_t>(recording.flights.size());
        recording.flights.push_back(flight);
        break;
    }
    default:
        return in.Fail();
    }
    return in.Ok();
}

std::string Describe(const char* what, const uint32_t ticks) {
    return std::string(what) + " after tick " + std::to_string(ticks);
}

} // namespace

const std::string& ThisBuild() {
    static const std::string build = GULLMAR_BUILD_ID;
    return build;
}

bool Recorded(const Command::Kind kind) {
    return PayloadOf(kind) != Payload::NotRecorded;
}

RecordedSettings RecordedSettings::Of(const Settings& from) {
    RecordedSettings recorded;
    recorded.fastComputer = from.fastComputer;
    recorded.showClouds = from.showClouds;
    recorded.showTrees = from.showTrees;
    recorded.lighting = from.lighting;
    recorded.textureTarget = from.textureTarget;
    recorded.shadingModel = from.shadingModel;
    recorded.gameSpeed = from.gameSpeed;
    recorded.classicRenderer = from.classicRenderer;
    return recorded;
}

void RecordedSettings::PutInForce(Settings& to) const {
    to.fastComputer = static_cast<int16_t>(fastComputer);
    to.showClouds = showClouds;
    to.showTrees = showTrees;
    to.lighting = static_cast<int16_t>(lighting);
    to.textureTarget = textureTarget;
    to.shadingModel = shadingModel;
    to.gameSpeed = static_cast<uint16_t>(gameSpeed);
    to.classicRenderer = classicRenderer;
}

std::string RecordingWriter::Start(const RecordingHeader& header) {
    std::string out(magic, magicSize);
    out.push_back(static_cast<char>(recordingVersion & 0xFF));
    out.push_back(static_cast<char>(recordingVersion >> 8));
    std::string payload;
    PutHeader(payload, header);
    return out + Chunk(payload);
}

void RecordingWriter::Add(const Record& record) {
    using Kind = Record::Kind;
    pending.push_back(static_cast<char>(record.kind));
    switch (record.kind) {
    case Kind::Tick:
        PutUnsigned(pending, record.time - lastTime);
        lastTime = record.time;
        PutUnsigned(pending, record.frames);
        PutUnsigned(pending, record.secondFrames);
        break;
    case Kind::Frames:
        PutUnsigned(pending, record.frames);
        PutUnsigned(pending, record.secondFrames);
        break;
    case Kind::Window:
        PutSigned(pending, static_cast<int64_t>(record.x));
        PutSigned(pending, static_cast<int64_t>(record.y));
        break;
    case Kind::Input:
        PutCommand(pending, record.command);
        break;
    case Kind::MenuAct:
        PutUnsigned(pending, static_cast<uint64_t>(record.menu));
        PutUnsigned(pending, static_cast<uint64_t>(record.code));
        PutFloat(pending, record.x);
        PutFloat(pending, record.y);
        break;
    case Kind::Checksum:
        PutFixed32(pending, record.checksum);
        break;
    case Kind::End:
    case Kind::Flight:
        break;
    }
}

void RecordingWriter::AddFlight(const Flight& flight) {
    pending.push_back(static_cast<char>(Record::Kind::Flight));
    PutSigned(pending, flight.score);
    PutSigned(pending, flight.level);
    PutSigned(pending, flight.peds);
    PutSigned(pending, flight.cars);
    PutSigned(pending, flight.fries);
    PutUnsigned(pending, flight.playedMs);
    PutSigned(pending, flight.date);
    PutSigned(pending, flight.seed);
    PutUnsigned(pending, flight.firstTick);
    PutUnsigned(pending, flight.lastTick);
}

std::string RecordingWriter::TakeChunk() {
    std::string chunk = Chunk(pending);
    pending.clear();
    return chunk;
}

bool ReadRecording(const std::string& bytes, Recording& recording, std::string& error,
                   const uint32_t untilTick) {
    recording = Recording{};
    if (bytes.size() < magicSize + 2 || bytes.compare(0, magicSize, magic) != 0) {
        error = "not a Gullmar recording";
        return false;
    }
    const unsigned version = static_cast<unsigned char>(bytes[magicSize]) |
                             static_cast<unsigned>(static_cast<unsigned char>(bytes[magicSize + 1]))
                                 << 8;
    if (version != recordingVersion) {
        error = "a recording of format version " + std::to_string(version) + "; this game reads " +
                std::to_string(recordingVersion);
        return false;
    }
    if (bytes.size() > largestFile) {
        error = "too large to be a recording";
        return false;
    }
    Input file(bytes.data() + magicSize + 2, bytes.size() - magicSize - 2);
    bool headerRead = false;
    bool ended = false;
    uint32_t lastTime = 0;
    while (!file.AtEnd()) {
        // A fault keeps only the flights of the sound chunks before it.
        const size_t soundFlights = recording.flights.size();
        const uint64_t size = file.Unsigned();
        if (file.Ok() && size > largestChunk) {
            error = headerRead ? Describe("damaged", recording.ticks) : "damaged in its header";
            return false;
        }
        if (!file.Ok() || file.Left() < size + 4) {
            // The last write was torn: what came before is whole.
            error = headerRead ? Describe("cut short", recording.ticks) : "cut short in its header";
            recording.cutShort = headerRead;
            return false;
        }
        const char* payload = file.Here();
        file.Skip(static_cast<size_t>(size));
        if (file.Fixed32() != Crc32(payload, static_cast<size_t>(size))) {
            error = headerRead ? Describe("damaged", recording.ticks) : "damaged in its header";
            return false;
        }
        Input chunk(payload, static_cast<size_t>(size));
        const size_t chunkEnd = static_cast<size_t>(file.Here() - bytes.data());
        if (!headerRead) {
            if (!GetHeader(chunk, recording.header)) {
                error = "damaged in its header";
                return false;
            }
            if (recording.header.build != ThisBuild()) {
                error = "recorded by another build of the game (" + recording.header.build +
                        "), which may play differently";
                return false;
            }
            headerRead = true;
            recording.wholeBytes = chunkEnd;
            continue;
        }
        while (!chunk.AtEnd()) {
            if (ended) {
                recording.flights.resize(soundFlights);
                error = Describe("damaged: entries after its end", recording.ticks);
                return false;
            }
            Record record;
            if (!GetRecord(chunk, record, recording, lastTime)) {
                recording.flights.resize(soundFlights);
                error = Describe("damaged", recording.ticks);
                return false;
            }
            recording.records.push_back(record);
            if (record.kind == Record::Kind::Tick) {
                ++recording.ticks;
            }
            ended = record.kind == Record::Kind::End;
        }
        recording.wholeBytes = chunkEnd;
        if (untilTick != 0 && recording.ticks >= untilTick) {
            return true;
        }
    }
    if (!headerRead) {
        error = "cut short in its header";
        return false;
    }
    if (!ended) {
        error = Describe("cut short", recording.ticks);
        recording.cutShort = true;
        return false;
    }
    return true;
}

bool ReadRecordingFile(const std::string& path, Recording& recording, std::string& error,
                       const uint32_t untilTick) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = std::string("cannot be read: ") + std::strerror(errno);
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<uint64_t>(size) > largestFile) {
        error = size < 0 ? "cannot be read" : "too large to be a recording";
        return false;
    }
    in.seekg(0);
    std::string bytes(static_cast<size_t>(size), '\0');
    if (!in.read(bytes.data(), size)) {
        error = "cannot be read";
        return false;
    }
    return ReadRecording(bytes, recording, error, untilTick);
}
