#include "flight/BestFlights.h"
#include "flight/RecordingSamples.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A flight of a session, told apart by score, level and date.
Flight Made(const int score, const int level, const int64_t date,
            const std::string& session = "session-a.gullrec", const uint32_t firstTick = 1) {
    Flight flight = SampleFlight(score, firstTick, firstTick + 10);
    flight.level = level;
    flight.date = date;
    flight.session = session;
    return flight;
}

std::vector<int> Scores(const std::vector<Flight>& flights) {
    std::vector<int> scores;
    for (const Flight& flight : flights) {
        scores.push_back(flight.score);
    }
    return scores;
}

// Each test gets a folder of its own, removed afterwards.
class BestFlightsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("gullmar-best-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path Path(const std::string& name) const { return folder / name; }

    fs::path folder;
};

TEST_F(BestFlightsTest, KeepsTheTenBestInOrderAndSaysWhereANewFlightLanded) {
    BestFlights table(folder.string());
    table.Load();
    EXPECT_TRUE(table.Best().empty());
    EXPECT_FALSE(fs::exists(Path("best.txt"))) << "nothing to write yet";

    for (int i = 0; i < 9; ++i) {
        table.Add(Made(100 * (i + 1), 1, 1000 + i, "session-a.gullrec", 1 + 20 * i));
    }
    // Ties: the higher level first, then the earlier.
    EXPECT_EQ(table.Add(Made(500, 2, 5000)), 5);
    EXPECT_EQ(table.Add(Made(500, 2, 4000)), 5);
    EXPECT_EQ(table.Best()[5].date, 5000);
    EXPECT_EQ(table.Best()[6].date, 1004) << "a level 1 flight after both level 2 ones";
    EXPECT_EQ(Scores(table.Best()),
              (std::vector<int>{900, 800, 700, 600, 500, 500, 500, 400, 300, 200}));
    const std::string file = ReadAll(Path("best.txt"));
    EXPECT_EQ(table.Add(Made(150, 9, 1)), 0) << "below the tenth";
    EXPECT_EQ(ReadAll(Path("best.txt")), file) << "the file is not touched";
    EXPECT_EQ(table.Add(Made(900, 1, 1000 + 8, "session-a.gullrec", 1 + 20 * 8)), 1)
        << "the same flight again is not a second entry";
    EXPECT_EQ(table.Best().size(), 10u);

    BestFlights again(folder.string());
    again.Load();
    ASSERT_EQ(again.Best().size(), 10u);
    EXPECT_EQ(BestFlights::Format(again.Best()), BestFlights::Format(table.Best()));
    EXPECT_EQ(again.Best()[0].session, "session-a.gullrec");
    EXPECT_EQ(again.Best()[0].lastTick, 171u);

    // --scores: one line a flight, the score first; nothing for no flights.
    std::FILE* out = std::tmpfile();
    again.Print(out);
    std::rewind(out);
    char line[256];
    ASSERT_NE(std::fgets(line, sizeof line, out), nullptr);
    EXPECT_EQ(std::string(line).rfind("900 points, level 1,", 0), 0u) << line;
    std::fclose(out);
}

TEST_F(BestFlightsTest, TwoGamesAddingInTurnOrAtOnceKeepEachOthersFlights) {
    BestFlights first(folder.string());
    BestFlights second(folder.string());
    first.Load();
    second.Load();
    for (int i = 0; i < 6; ++i) {
        first.Add(Made(10 + 20 * i, 1, 100, "session-first.gullrec", 1 + 20 * i));
        second.Add(Made(20 + 20 * i, 1, 100, "session-second.gullrec", 1 + 20 * i));
    }
    EXPECT_EQ(Scores(second.Best()), (std::vector<int>{120, 110, 100, 90, 80, 70, 60, 50, 40, 30}));
    first.Load();
    EXPECT_EQ(Scores(first.Best()), Scores(second.Best()));

    // Two processes adding as fast as they can: the lock lets none be lost.
    fs::remove(Path("best.txt"));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    const int offset = child == 0 ? 1 : 0;
    BestFlights racer(folder.string());
    for (int i = 0; i < 30; ++i) {
        racer.Add(Made(1000 + 2 * i + offset, 1, 100, "session-race.gullrec", 1 + 20 * i + offset));
    }
    if (child == 0) {
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    BestFlights result(folder.string());
    result.Load();
    EXPECT_EQ(Scores(result.Best()),
              (std::vector<int>{1059, 1058, 1057, 1056, 1055, 1054, 1053, 1052, 1051, 1050}));
}

TEST_F(BestFlightsTest, ADamagedTableIsSetAsideAndRebuiltFromTheRecordings) {
    // Three sessions: one ended, one cut by a crash, one that is no recording.
    WriteAll(Path("session-1.gullrec"),
             SampleRecording({SampleFlight(300, 1, 4), SampleFlight(120, 5, 9)}));
    WriteAll(Path("session-2.gullrec"), SampleRecording({SampleFlight(250, 1, 3)}, false));
    WriteAll(Path("session-3.gullrec"), "GULLREC\nnot really");
    fs::create_directory(Path("session-4.gullrec"));
    const std::string damaged = "Gullmar best flights, format 1\nscore=9999 and so on\n";
    WriteAll(Path("best.txt"), damaged);

    BestFlights table(folder.string());
    ::testing::internal::CaptureStderr();
    table.Load();
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "Gullmar: " + Path("best.txt").string() +
                        " is damaged (cut short: no checksum at its end); it is kept as " +
                        Path("best.txt.damaged-1").string() +
                        " and the table is rebuilt from the recordings.\n");
    EXPECT_EQ(ReadAll(Path("best.txt.damaged-1")), damaged);
    EXPECT_EQ(Scores(table.Best()), (std::vector<int>{300, 250, 120}));
    EXPECT_EQ(table.Best()[1].session, "session-2.gullrec");
    EXPECT_EQ(table.Best()[1].lastTick, 3u);

    BestFlights again(folder.string());
    ::testing::internal::CaptureStderr();
    again.Load();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "the rebuilt table was written";
    EXPECT_EQ(Scores(again.Best()), Scores(table.Best()));

    // A second damage goes to a name of its own; a missing table is rebuilt
    // silently.
    WriteAll(Path("best.txt"), "");
    ::testing::internal::CaptureStderr();
    again.Load();
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("best.txt.damaged-2"),
              std::string::npos);
    fs::remove(Path("best.txt"));
    ::testing::internal::CaptureStderr();
    again.Load();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(Scores(again.Best()), Scores(table.Best()));
    EXPECT_TRUE(fs::exists(Path("best.txt")));
}

TEST_F(BestFlightsTest, EveryCutOrFlippedBitOfTheTableIsNoticed) {
    std::vector<Flight> flights;
    for (int i = 0; i < 10; ++i) {
        flights.push_back(Made(100 + i, i, -5 + i, "session-x.gullrec", 1 + 20 * i));
    }
    flights[3].session.clear();
    flights[4].score = -2147483647 - 1;
    flights[5].date = 9000000000000;
    std::sort(flights.begin(), flights.end(), Better);
    const std::string whole = BestFlights::Format(flights);
    std::vector<Flight> read;
    std::string error;
    ASSERT_TRUE(BestFlights::Parse(whole, read, error)) << error;
    ASSERT_EQ(read.size(), 10u);
    EXPECT_EQ(BestFlights::Format(read), whole) << "best first, every field back";
    for (size_t size = 0; size < whole.size(); ++size) {
        EXPECT_FALSE(BestFlights::Parse(whole.substr(0, size), read, error)) << size;
        EXPECT_TRUE(read.empty());
    }
    for (size_t at = 0; at < whole.size(); ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            std::string damaged = whole;
            damaged[at] = static_cast<char>(damaged[at] ^ (1 << bit));
            EXPECT_FALSE(BestFlights::Parse(damaged, read, error)) << at << " bit " << bit;
        }
    }
    EXPECT_FALSE(
        BestFlights::Parse("Gullmar best flights, format 2\ncrc32=00000000\n", read, error));
    EXPECT_EQ(error, "of format 2; this game reads 1");

    // Through the file: a cut table with no recordings left is set aside
    // and the table starts again empty, rather than crashing or guessing.
    WriteAll(Path("best.txt"), whole.substr(0, whole.size() / 2));
    BestFlights table(folder.string());
    ::testing::internal::CaptureStderr();
    table.Load();
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("is damaged"), std::string::npos);
    EXPECT_TRUE(table.Best().empty());
    EXPECT_TRUE(fs::exists(Path("best.txt.damaged-1")));
}

TEST_F(BestFlightsTest, AFailedWriteLeavesTheOldTableWhole) {
    BestFlights table(folder.string());
    table.Add(Made(100, 1, 1));
    const std::string old = ReadAll(Path("best.txt"));

    // A folder in the way of the temporary file.
    fs::create_directory(Path("best.txt.tmp"));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(table.Add(Made(200, 1, 2)), 1) << "the game still marks it";
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Gullmar: cannot write the best flights to " + Path("best.txt").string() +
                  ": Is a directory; the old table is kept.\n");
    EXPECT_EQ(ReadAll(Path("best.txt")), old);
    EXPECT_TRUE(fs::is_directory(Path("best.txt.tmp")));
    fs::remove(Path("best.txt.tmp"));

    // A full disk: files may not grow past a few bytes.
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{16, limit.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    table.Add(Made(300, 1, 3)); // says so on stderr, which cannot be captured to a file now
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(ReadAll(Path("best.txt")), old);
    EXPECT_FALSE(fs::exists(Path("best.txt.tmp")));

    // No folder can be made (a file is in its way): the game plays on.
    WriteAll(Path("blocked"), "");
    BestFlights nowhere(Path("blocked").string());
    nowhere.Load();
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(nowhere.Add(Made(100, 1, 1)), 1);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("cannot write the best flights"),
              std::string::npos);
    EXPECT_EQ(nowhere.Best().size(), 1u);

    // A folder that does not exist yet is made at the first flight.
    BestFlights fresh(Path("new").string());
    fresh.Load();
    EXPECT_TRUE(fresh.Best().empty());
    EXPECT_FALSE(fs::exists(Path("new")));
    EXPECT_EQ(fresh.Add(Made(100, 1, 1)), 1);
    EXPECT_TRUE(fs::exists(Path("new/best.txt")));
}

TEST_F(BestFlightsTest, HousekeepingKeepsTheNewestTheTablesAndTheBusySessions) {
    std::vector<std::string> names;
    for (int i = 0; i < 26; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "session-20240610-0800%02d-42.gullrec", i);
        names.push_back(name);
        WriteAll(Path(name), "");
    }
    WriteAll(Path("notes.txt"), "mine");
    BestFlights table(folder.string());
    table.Add(Made(100, 1, 1, names[0]));
    table.Add(Made(90, 1, 1, names[1]));
    const int busy = open(Path(names[2]).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(busy, LOCK_EX), 0); // another game writes it

    table.KeepSessions(names[3]);
    close(busy);
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(fs::exists(Path(names[static_cast<size_t>(i)])), i != 4 && i != 5) << i;
    }
    EXPECT_TRUE(fs::exists(Path("notes.txt")));
    EXPECT_TRUE(fs::exists(Path("best.txt")));

    table.KeepSessions(names[25]);
    EXPECT_FALSE(fs::exists(Path(names[2]))) << "no longer busy";
    EXPECT_FALSE(fs::exists(Path(names[3]))) << "no longer the current one";
    EXPECT_TRUE(fs::exists(Path(names[0])));
}

} // namespace
