#include "flight/BestFlights.h"

#include "base/Crc32.h"
#include "flight/Recording.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cinttypes>
#include <cstring>
#include <filesystem>
#include <set>
#include <tuple>
#include <utility>

namespace {

constexpr const char* formatLine = "Gullmar best flights, format 1";
constexpr const char* formatPrefix = "Gullmar best flights, format ";
constexpr const char* checksumKey = "crc32=";
constexpr const char* noSession = "-";
constexpr const char* lockName = ".lock";
constexpr const char* temporarySuffix = ".tmp";
constexpr const char* asideSuffix = ".damaged-";
constexpr int mostSetAside = 1000;
// Ten lines of a few hundred bytes; anything much larger is not our file.
constexpr size_t largestFile = 16384;
constexpr size_t longestSession = 200;
constexpr size_t checksumDigits = 8;
constexpr size_t fieldCount = 11;

bool IsLetterOrDigit(const char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// A file name of the folder that cannot climb out of it or hide: letters,
// digits, '.', '-' and '_', starting with a letter or digit.
bool IsPlainName(const std::string& name) {
    if (name.empty() || name.size() > longestSession || !IsLetterOrDigit(name[0])) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](const char c) {
        return IsLetterOrDigit(c) || c == '.' || c == '-' || c == '_';
    });
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

auto Fields(const Flight& f) {
    return std::tie(f.score, f.level, f.peds, f.cars, f.fries, f.playedMs, f.date, f.seed,
                    f.session, f.firstTick, f.lastTick);
}

bool Same(const Flight& a, const Flight& b) {
    return Fields(a) == Fields(b);
}

// Best first; flights equal in everything Better looks at keep one order all
// the same, so that duplicates end up side by side.
void Tidy(std::vector<Flight>& flights) {
    std::sort(flights.begin(), flights.end(), [](const Flight& a, const Flight& b) {
        if (Better(a, b) || Better(b, a)) {
            return Better(a, b);
        }
        return Fields(a) < Fields(b);
    });
    flights.erase(std::unique(flights.begin(), flights.end(), Same), flights.end());
    if (flights.size() > BestFlights::tableSize) {
        flights.resize(BestFlights::tableSize);
    }
}

// The exclusive lock on the folder's lock file while it lives. A folder we
// may not write in can still be locked when its lock file exists.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder) {
        const std::string path = folder + "/" + lockName;
        fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = errno;
            fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        }
        if (fd >= 0) {
            while (flock(fd, LOCK_EX) != 0) {
                if (errno != EINTR) {
                    error = errno;
                    close(fd);
                    fd = -1;
                    break;
                }
            }
        }
    }
    ~FolderLock() {
        if (fd >= 0) {
            close(fd); // lets go of the lock
        }
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool Held() const { return fd >= 0; }
    int Error() const { return error; }

private:
    int fd = -1;
    int error = 0;
};

// The whole file, or its first bytes past the largest table; false with
// errno set when it cannot be read.
bool ReadWhole(const std::string& path, std::string& text) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    text.clear();
    char buffer[4096];
    ssize_t count = 0;
    do {
        count = read(fd, buffer, sizeof buffer);
        if (count > 0) {
            text.append(buffer, static_cast<size_t>(count));
        }
    } while ((count > 0 && text.size() <= largestFile) || (count < 0 && errno == EINTR));
    const int readError = errno;
    close(fd);
    errno = readError;
    return count >= 0;
}

bool WriteWhole(const int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t count = write(fd, text.data() + done, text.size() - done);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            if (count == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        done += static_cast<size_t>(count);
    }
    return true;
}

template <typename Number> bool ParseNumber(const std::string_view text, Number& value) {
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, value);
    return fault == std::errc{} && stop == end;
}

// One flight line: every field as key=value, in a fixed order.
bool ParseFlight(const std::string_view line, Flight& flight) {
    std::string_view values[fieldCount];
    static constexpr const char* keys[fieldCount] = {"score",      "level",     "peds",   "cars",
                                                     "fries",      "played_ms", "date",   "seed",
                                                     "first_tick", "last_tick", "session"};
    size_t at = 0;
    for (size_t i = 0; i < fieldCount; ++i) {
        const size_t end = i + 1 < fieldCount ? line.find(' ', at) : line.size();
        if (end == std::string_view::npos) {
            return false;
        }
        const std::string_view field = line.substr(at, end - at);
        const size_t keySize = std::strlen(keys[i]);
        if (field.size() <= keySize || field.compare(0, keySize, keys[i]) != 0 ||
            field[keySize] != '=') {
            return false;
        }
        values[i] = field.substr(keySize + 1);
        at = end + 1;
    }
    const std::string session(values[fieldCount - 1]);
    if (session != noSession && !IsPlainName(session)) {
        return false;
    }
    flight.session = session == noSession ? "" : session;
    return ParseNumber(values[0], flight.score) && ParseNumber(values[1], flight.level) &&
           ParseNumber(values[2], flight.peds) && ParseNumber(values[3], flight.cars) &&
           ParseNumber(values[4], flight.fries) && ParseNumber(values[5], flight.playedMs) &&
           ParseNumber(values[6], flight.date) && ParseNumber(values[7], flight.seed) &&
           ParseNumber(values[8], flight.firstTick) && ParseNumber(values[9], flight.lastTick);
}

// The last line: the key and eight lower-case hex digits, as written.
bool ParseChecksum(const std::string& line, uint32_t& checksum) {
    const size_t keySize = std::strlen(checksumKey);
    if (line.size() != keySize + checksumDigits || line.compare(0, keySize, checksumKey) != 0) {
        return false;
    }
    const std::string_view digits = std::string_view(line).substr(keySize);
    const bool lowerHex = std::all_of(digits.begin(), digits.end(), [](const char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
    });
    return lowerHex &&
           std::from_chars(digits.data(), digits.data() + digits.size(), checksum, 16).ec ==
               std::errc{};
}

} // namespace

BestFlights::BestFlights(std::string folder) : folder(std::move(folder)) {}

std::string BestFlights::Format(const std::vector<Flight>& flights) {
    std::string text = std::string(formatLine) + "\n";
    for (const Flight& f : flights) {
        char line[200];
        std::snprintf(line, sizeof line,
                      "score=%" PRId32 " level=%" PRId32 " peds=%" PRId32 " cars=%" PRId32
                      " fries=%" PRId32 " played_ms=%" PRIu32 " date=%" PRId64 " seed=%" PRId32
                      " first_tick=%" PRIu32 " last_tick=%" PRIu32 " session=",
                      f.score, f.level, f.peds, f.cars, f.fries, f.playedMs, f.date, f.seed,
                      f.firstTick, f.lastTick);
        text += line;
        text += IsPlainName(f.session) ? f.session : noSession;
        text += "\n";
    }
    char checksum[32];
    std::snprintf(checksum, sizeof checksum, "%s%08" PRIx32 "\n", checksumKey,
                  Crc32(text.data(), text.size()));
    return text + checksum;
}

bool BestFlights::Parse(const std::string& text, std::vector<Flight>& flights, std::string& error) {
    flights.clear();
    if (text.size() > largestFile) {
        error = "too large to be a table of best flights";
        return false;
    }
    const size_t firstEnd = text.find('\n');
    const std::string first = text.substr(0, firstEnd);
    if (first != formatLine) {
        const size_t prefix = std::strlen(formatPrefix);
        const bool otherFormat = first.compare(0, prefix, formatPrefix) == 0 &&
                                 first.size() > prefix && firstEnd != std::string::npos;
        error = otherFormat ? "of format " + first.substr(prefix) + "; this game reads 1"
                            : "not a table of best flights";
        return false;
    }
    if (text.back() != '\n') {
        error = "cut short";
        return false;
    }
    const size_t lastStart = text.rfind('\n', text.size() - 2) + 1;
    const std::string last = text.substr(lastStart, text.size() - 1 - lastStart);
    uint32_t checksum = 0;
    if (!ParseChecksum(last, checksum)) {
        error = "cut short: no checksum at its end";
        return false;
    }
    if (checksum != Crc32(text.data(), lastStart)) {
        error = "its checksum does not match";
        return false;
    }
    size_t at = firstEnd + 1;
    for (int lineNumber = 2; at < lastStart; ++lineNumber) {
        const size_t end = text.find('\n', at);
        Flight flight;
        if (!ParseFlight(std::string_view(text).substr(at, end - at), flight)) {
            error = "line " + std::to_string(lineNumber) + " is not a flight";
            flights.clear();
            return false;
        }
        if (flights.size() == tableSize) {
            error = "more than ten flights";
            flights.clear();
            return false;
        }
        flights.push_back(flight);
        at = end + 1;
    }
    Tidy(flights);
    return true;
}

std::vector<std::string> BestFlights::Recordings() const {
    std::vector<std::string> names;
    std::error_code fault;
    for (std::filesystem::directory_iterator it(folder, fault), end; !fault && it != end;
         it.increment(fault)) {
        const std::string name = it->path().filename().string();
        std::error_code gone; // deleted by another game meanwhile
        if (EndsWith(name, recordingSuffix) && IsPlainName(name) &&
            it->symlink_status(gone).type() == std::filesystem::file_type::regular) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<Flight> BestFlights::Rebuild() const {
    std::vector<Flight> flights;
    for (const std::string& name : Recordings()) {
        // A recording cut by a crash or damaged later still gives the
        // flights before the fault; one of another build gives none.
        Recording recording;
        std::string ignored;
        ReadRecordingFile(PathOf(name), recording, ignored);
        for (Flight& flight : recording.flights) {
            flight.session = name;
            flights.push_back(flight);
        }
        Tidy(flights);
    }
    return flights;
}

std::string BestFlights::SetAside() const {
    const std::string path = PathOf(fileName);
    for (int n = 1; n <= mostSetAside; ++n) {
        const std::string aside = path + asideSuffix + std::to_string(n);
        std::error_code fault;
        if (std::filesystem::symlink_status(aside, fault).type() !=
            std::filesystem::file_type::not_found) {
            continue;
        }
        return std::rename(path.c_str(), aside.c_str()) == 0 ? aside : "";
    }
    errno = EEXIST;
    return "";
}

std::vector<Flight> BestFlights::ReadOrRebuild(const bool locked) {
    const std::string path = PathOf(fileName);
    std::string text;
    std::string error;
    std::vector<Flight> flights;
    if (ReadWhole(path, text)) {
        if (Parse(text, flights, error)) {
            return flights;
        }
    } else if (errno == ENOENT || errno == ENOTDIR) {
        if (Recordings().empty()) {
            return {};
        }
        flights = Rebuild();
        if (locked) {
            Write(flights);
        }
        return flights;
    } else {
        error = std::strerror(errno);
    }
    const std::string aside = locked ? SetAside() : "";
    const std::string fate = !aside.empty() ? "it is kept as " + aside + " and the table is rebuilt"
                                            : "it stays as it is and this game rebuilds the table";
    std::fprintf(stderr, "Gullmar: %s is damaged (%s); %s from the recordings.\n", path.c_str(),
                 error.c_str(), fate.c_str());
    flights = Rebuild();
    if (!aside.empty()) {
        Write(flights);
    }
    return flights;
}

bool BestFlights::Write(const std::vector<Flight>& flights) const {
    const std::string path = PathOf(fileName);
    const std::string temporary = path + temporarySuffix;
    const std::string text = Format(flights);
    int cause = 0;
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        cause = errno;
    } else {
        if (!WriteWhole(fd, text) || fsync(fd) != 0) {
            cause = errno;
        }
        if (close(fd) != 0 && cause == 0) {
            cause = errno;
        }
        if (cause == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) {
            cause = errno;
        }
    }
    if (cause != 0) {
        std::fprintf(stderr,
                     "Gullmar: cannot write the best flights to %s: %s; the old table is kept.\n",
                     path.c_str(), std::strerror(cause));
        if (fd >= 0) {
            unlink(temporary.c_str());
        }
        return false;
    }
    // The rename itself reaches the disk with the folder.
    const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        fsync(folderFd);
        close(folderFd);
    }
    return true;
}

bool BestFlights::FolderExists() const {
    struct stat status {};
    return stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

void BestFlights::Load(const bool mayWrite) {
    best.clear();
    if (!FolderExists()) {
        return;
    }
    const FolderLock lock(folder);
    best = ReadOrRebuild(mayWrite && lock.Held());
}

int BestFlights::Add(const Flight& flight) {
    Flight added = flight;
    if (!IsPlainName(added.session)) {
        added.session.clear();
    }
    mkdir(folder.c_str(), 0777);
    const FolderLock lock(folder);
    std::vector<Flight> flights = lock.Held() ? ReadOrRebuild(true) : best;
    flights.push_back(added);
    Tidy(flights);
    const auto at = std::find_if(flights.begin(), flights.end(),
                                 [&added](const Flight& f) { return Same(f, added); });
    const int place = at == flights.end() ? 0 : static_cast<int>(at - flights.begin()) + 1;
    best = std::move(flights);
    if (!lock.Held()) {
        std::fprintf(stderr,
                     "Gullmar: cannot write the best flights to %s: %s; the old table is kept.\n",
                     PathOf(fileName).c_str(), std::strerror(lock.Error()));
    } else if (place != 0) {
        Write(best);
    }
    return place;
}

void BestFlights::KeepSessions(const std::string& current) {
    if (!FolderExists()) {
        return;
    }
    const FolderLock lock(folder);
    if (!lock.Held()) {
        return;
    }
    best = ReadOrRebuild(true);
    const std::vector<std::string> names = Recordings();
    std::set<std::string> kept{current};
    for (const Flight& flight : best) {
        kept.insert(flight.session);
    }
    // Names sort by time: all but the last keptSessions are the older ones.
    const size_t olderCount = names.size() > keptSessions ? names.size() - keptSessions : 0;
    for (size_t i = 0; i < olderCount; ++i) {
        if (kept.count(names[i]) != 0) {
            continue;
        }
        // A running game holds a lock on its own recording as long as it
        // writes it; one we cannot lock is in use.
        const std::string path = PathOf(names[i]);
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) {
            continue;
        }
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            unlink(path.c_str());
        }
        close(fd);
    }
}

void BestFlights::Print(std::FILE* out) const {
    for (const Flight& flight : best) {
        std::fprintf(out, "%s\n", FlightLine(flight).c_str());
    }
}
