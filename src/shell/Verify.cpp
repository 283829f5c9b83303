#include "shell/Verify.h"

#include "base/Settings.h"
#include "flight/BestFlights.h"
#include "flight/Recording.h"
#include "game/Game.h"
#include "game/GameMenus.h"
#include "shell/Replay.h"
#include "shell/Session.h"
#include "shell/ShellHost.h"
#include "shell/Startup.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Builds the recorded game without a window and plays the whole recording;
// false after the one line that --replay gives when it cannot.
bool PlayWithoutWindow(const std::string& path) {
    if (!LoadReplay(path, 0, 0)) {
        return false;
    }
    settings.sound = 0;
    settings.gamepad = 0;
    UseShellHost();
    InitGame();
    BuildMenus();
    BeginReplay();
    while (ReplayTick()) {
    }
    if (!ReplayDrift().empty()) {
        std::fprintf(stderr, "Gullmar: %s: %s\n", path.c_str(), ReplayDrift().c_str());
        return false;
    }
    return true;
}

bool WriteAll(const int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written <= 0) {
            return false;
        }
        done += static_cast<size_t>(written);
    }
    return true;
}

// Finishes one recording, in a process of its own (it builds the recorded
// game into this process's World). Holds the file's lock throughout, as its
// game did.
void FinishRecording(const std::string& folder, const std::string& name) {
    const std::string path = folder + "/" + name;
    const int fd = open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
        return; // gone, or a running game's
    }
    Recording recording;
    std::string error;
    if (ReadRecordingFile(path, recording, error) || !recording.cutShort ||
        recording.ticks == 0 || !PlayWithoutWindow(path)) {
        return;
    }
    const size_t before = SessionFlights().size();
    EndFlightUnderWay();
    RecordingWriter writer;
    Flight cut;
    const bool flying = SessionFlights().size() > before;
    if (flying) {
        cut = SessionFlights().back();
        writer.AddFlight(cut);
    }
    Record sum;
    sum.kind = Record::Kind::Checksum;
    sum.checksum = GameChecksum();
    writer.Add(sum);
    writer.Add(Record{});
    if (ftruncate(fd, static_cast<off_t>(recording.wholeBytes)) != 0 ||
        lseek(fd, 0, SEEK_END) < 0 || !WriteAll(fd, writer.TakeChunk()) || fsync(fd) != 0) {
        std::fprintf(stderr, "Gullmar: %s: cut short after tick %u, and cannot be finished\n",
                     path.c_str(), recording.ticks);
        return;
    }
    if (flying) {
        cut.session = name;
        BestFlights(folder).Add(cut);
    }
    std::fprintf(stderr,
                 "Gullmar: %s was cut short after tick %u; its game is finished there%s.\n",
                 path.c_str(), recording.ticks,
                 flying ? " and its last flight joins the best flights" : "");
}

// Finishes every recording of the folder that was cut short, each in a
// process of its own when `apart` (a file that breaks the reader then takes
// only that process down).
void FinishEach(const std::string& folder, const bool apart) {
    for (const std::string& name : BestFlights(folder).Recordings()) {
        Recording recording;
        std::string error;
        if (ReadRecordingFile(folder + "/" + name, recording, error) || !recording.cutShort) {
            continue;
        }
        const pid_t one = apart ? fork() : 0;
        if (one == 0) {
            FinishRecording(folder, name);
            if (apart) {
                _exit(EXIT_SUCCESS);
            }
        } else if (one > 0) {
            waitpid(one, nullptr, 0);
        }
    }
}

} // namespace

void FinishCutRecordings(const std::string& folder) {
    const pid_t first = fork();
    if (first < 0) {
        // No second process to be had (the browser has none): the recordings
        // are finished here, before the game starts.
        FinishEach(folder, false);
        return;
    }
    if (first != 0) {
        waitpid(first, nullptr, 0);
        return;
    }
    // The first child leaves at once, so the game need not wait for its
    // own child, which works on in the background.
    if (fork() != 0) {
        _exit(EXIT_SUCCESS);
    }
    FinishEach(folder, true);
    _exit(EXIT_SUCCESS);
}

int VerifyRecording(const std::string& path) {
    if (!PlayWithoutWindow(path)) {
        return EXIT_FAILURE;
    }
    std::string last = std::to_string(ReplayedTicks()) + " ticks and " +
                       std::to_string(ReplayedChecksums()) + " checksums verified";
    const std::string ending = ReplayEnding();
    if (!ending.empty()) {
        last += ". " + ending;
    }
    EndSession(last);
}
