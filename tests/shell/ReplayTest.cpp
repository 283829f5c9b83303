#include "shell/Replay.h"
#include "actors/Car.h"
#include "actors/Fries.h"
#include "actors/Ped.h"
#include "base/GameClock.h"
#include "base/Settings.h"
#include "city/MapObject.h"
#include "flight/Recording.h"
#include "game/Commands.h"
#include "game/Game.h"
#include "game/GameMenus.h"
#include "game/GameTick.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "input/Command.h"
#include "shell/Session.h"
#include "shell/ShellTestSupport.h"
#include "shell/Windows.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <vector>

namespace {

// A session played through commands, frames and ticks, recorded, then
// played back from its recording in the same process: every tick's state
// must come out the same. Both runs start from the same game: level 1 of a
// seeded population, the bird low inside the city's tallest building with
// little health left and a pedestrian right under it, behind the main menu.
class ReplayTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        EnsureWorldReady();
        if (mainMenu.GetItemCount() == 0) {
            BuildMenus();
        }
        // A check box sizes itself when first drawn, and the menu lays its
        // items out at the next reshape: every run clicks the same places.
        configMenu.Show();
        configMenu.Draw();
        configMenu.Hide();
        saved = settings;
    }
    void TearDown() override {
        if (shell.secondViewId != -1) {
            CloseSecondView();
        }
        displayListTable.SetWindowId(0, 0);
        Ped::animateWhenDrawn = true;
        settings = saved;
        mainMenu.Hide();
        configMenu.Hide();
        world.freezeActors = 0;
        world.GetBird().Reset();
    }

    // The middle of a cell of the tallest building away from the city's edge,
    // 60 units up.
    static Point InsideTallestBuilding() {
        const CityMap& map = world.GetCityMap();
        const MapObject* tallest = nullptr;
        Point middle;
        for (int x = 5; x < map.GetWidth() - 5; ++x) {
            for (int y = 5; y < map.GetHeight() - 5; ++y) {
                const MapObject* object = map.CellAt(x, y)->object;
                if (object != nullptr && object->GetKind() == MapObject::KindBuilding &&
                    (tallest == nullptr || object->GetHeight() > tallest->GetHeight())) {
                    tallest = object;
                    middle = Point((static_cast<float>(x) + 0.5f) * map.GetCellSize(),
                                   (static_cast<float>(y) + 0.5f) * map.GetCellSize(), 60.0f);
                }
            }
        }
        return middle;
    }

    void FreshGame() {
        settings = saved;
        settings.gameSpeed = 60;
        settings.seed = 31337;
        settings.showClouds = 1;
        world.GetMission().LoadLevels(
            WriteTempFile("replay_levels.config", "1 0 1 0 100\n2 5 10 3 3\n").c_str());
        StartUpGame(31337);
        shell.mainWindowId = glutGetWindow();
        displayListTable.SetWindowId(0, shell.mainWindowId);
        mainMenu.SetMessage("");
        Bird& bird = world.GetBird();
        const Point inside = InsideTallestBuilding();
        bird.SetEye(inside.GetX(), inside.GetY(), inside.GetZ());
        bird.SetCenter(inside.GetX() + 100.0f, inside.GetY(), inside.GetZ());
        bird.Damage(Bird::maxHealth - 30.0f);
        Ped& ped = *world.GetPeds().front();
        ped.ResetPlacement();
        ped.Translate(inside.GetX(), inside.GetY(), 1.0f);
        ped.SetPosition(Point(inside.GetX(), inside.GetY(), 1.0f));
        now = 0;
    }

    // One tick, after `frames` frames of each open window; the state after it.
    uint32_t Tick(const int frames) {
        for (int i = 0; i < frames; ++i) {
            OnDisplay();
            if (shell.secondViewId != -1) {
                OnSecondViewDisplay();
            }
        }
        now = shell.nextTickTime + 1 + now % 3; // ticks come a little late, as in play
        EXPECT_TRUE(RunTick(now).ran);
        return GameChecksum();
    }

    // A click on a control of a menu, as the player makes it.
    static void Click(const Menu& menu, const int item, const float dx) {
        const MenuItem* control = menu.GetItem(item);
        const int x = static_cast<int>(control->GetX() + dx);
        const int y = static_cast<int>(control->GetY() + 5.0f + shell.windowHeight / 2.0f);
        ApplyCommand(Command::PointerAt(x, y));
        ApplyCommand(Command::Button(GLUT_LEFT_BUTTON, true, x, y));
        ApplyCommand(Command::Button(GLUT_LEFT_BUTTON, false, x, y));
    }

    // The session of the tests, played through commands, frames and ticks
    // (recorded unless `record` is 0): the state after every tick.
    std::vector<uint32_t> PlayScript(const int record) {
        // Each step: inputs, then ticks after a cycle of none, one and two frames.
        struct Step {
            std::function<void()> input;
            int ticks;
        };
        const auto key = [](const unsigned char k) {
            return [k] { ApplyCommand(Command::KeyPressed(k)); };
        };
        const std::vector<Step> script = {
            {key(13), 2},                                    // RESUME the level set up at start
            {key(' '), 6},                                   // a drop onto the pedestrian below
            {key(13), 3},                                    // mission complete: resume level 2
            {[] {}, 12},                                     // the building's last bites: died
            {[] { Click(mainMenu, startButton, 5.0f); }, 3}, // a new START
            {[] { ApplyCommand(Command::PointerAt(600, 250)); }, 8},   // steer by pointer
            {[] { ApplyCommand(Command::SteerTo(-0.4f, -0.2f)); }, 8}, // and as a pad does
            {[] { ApplyCommand(Command::SpecialKeyPressed(GLUT_KEY_UP)); }, 4},
            {key('s'), 3},
            {[] { ApplyCommand(Command::Button(GLUT_LEFT_BUTTON, false, 600, 250)); }, 4}, // drop
            {key('g'), 5},                                                                 // freeze
            {key('2'), 6}, // the second view
            {key('g'), 5},
            {key('1'), 3},
            {key(27), 3}, // Esc, then CONFIG
            {[] { Click(mainMenu, 2, 5.0f); }, 3},
            {[] { Click(configMenu, 0, 3.0f); }, 3}, // game speed 59
            {[] { Click(configMenu, 3, 5.0f); }, 3}, // no more clouds
            {[] { Click(configMenu, 5, 5.0f); }, 3}, // back to the main menu
            {[] { Click(mainMenu, 1, 5.0f); }, 3},   // RESUME
            {key(' '), 400},                         // until the time is up
        };
        FreshGame();
        settings.record = record;
        StartSession(1700000000, 0);
        std::vector<uint32_t> states;
        int frames = 0;
        for (const Step& step : script) {
            step.input();
            for (int i = 0; i < step.ticks; ++i) {
                states.push_back(Tick(frames++ % 3));
            }
        }
        return states;
    }

    Settings saved;
    unsigned int now = 0;
};

} // namespace

TEST_F(ReplayTest, ARecordedSessionPlaysBackTickByTickWithTheSameStateAndFlights) {
    const std::vector<uint32_t> unrecorded = PlayScript(0);
    const std::vector<uint32_t> played = PlayScript(1);
    EXPECT_EQ(played, unrecorded) << "the recording changed the game";
    const std::vector<Flight> flown = SessionFlights();
    const int score = world.GetBird().GetScore();
    CloseSession();
    const std::string path = SessionRecordingPath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(settings.gameSpeed, 59);
    EXPECT_EQ(settings.showClouds, 0);
    EXPECT_STREQ(mainMenu.GetTitle(), "Ohhh you took too long!");
    ASSERT_EQ(flown.size(), 2u) << "died, then timed out";
    EXPECT_EQ(flown[0].peds, 1);
    EXPECT_EQ(flown[0].level, 2) << "the mission was complete";
    EXPECT_GT(flown[1].firstTick, flown[0].lastTick) << "the new START's flight";
    EXPECT_EQ(flown[1].level, 2);

    // Played back from the file, with the viewer's own frames between ticks
    // drawn in any number: they show the game and change nothing.
    for (const int viewerFrames : {0, 1}) {
        FreshGame();
        ASSERT_TRUE(LoadReplay(path, 0, 0));
        BeginReplay();
        std::vector<uint32_t> replayed;
        while (ReplayTick()) {
            replayed.push_back(GameChecksum());
            for (int i = 0; i < viewerFrames; ++i) {
                OnDisplay();
            }
        }
        CloseSession();
        Ped::animateWhenDrawn = true;
        ASSERT_EQ(replayed.size(), played.size());
        for (size_t tick = 0; tick < played.size(); ++tick) {
            ASSERT_EQ(replayed[tick], played[tick]) << "tick " << tick + 1;
        }
        EXPECT_EQ(world.GetBird().GetScore(), score);
        ASSERT_EQ(SessionFlights().size(), flown.size());
        for (size_t i = 0; i < flown.size(); ++i) {
            EXPECT_EQ(FlightLine(SessionFlights()[i]), FlightLine(flown[i]));
        }
    }

    // A flight of it alone, as --replay-best plays it: from its first tick.
    FreshGame();
    ASSERT_TRUE(LoadReplay(path, flown[1].firstTick, flown[1].lastTick));
    BeginReplay();
    uint32_t ticks = 0;
    while (ReplayTick()) {
        ++ticks;
    }
    EXPECT_EQ(ticks, flown[1].lastTick);
    EXPECT_EQ(GameChecksum(), played[flown[1].lastTick - 1]);
    CloseSession();

    std::remove(path.c_str());
}

// What can drift is caught: the recorded session altered, or the replayed
// game changed under it, is noticed at the next checksum, or earlier where a
// flight comes out differently; --verify says the same as the replay.
TEST_F(ReplayTest, ADriftIsCaughtAtTheNextChecksum) {
    PlayScript(1);
    CloseSession();
    const std::string path = SessionRecordingPath();
    Recording recording;
    std::string error;
    ASSERT_TRUE(ReadRecordingFile(path, recording, error)) << error;

    // The recording rewritten with `change` applied to its entries.
    const auto rewritten = [&](const std::string& name,
                               const std::function<bool(Record&, uint32_t tick)>& change) {
        RecordingWriter writer;
        std::string bytes = RecordingWriter::Start(recording.header);
        uint32_t tick = 0;
        for (Record record : recording.records) {
            tick += record.kind == Record::Kind::Tick ? 1 : 0;
            if (!change(record, tick)) {
                continue;
            }
            if (record.kind == Record::Kind::Flight) {
                writer.AddFlight(recording.flights[static_cast<size_t>(record.code)]);
            } else {
                writer.Add(record);
            }
        }
        bytes += writer.TakeChunk();
        const std::string altered = TempPath(name);
        std::ofstream(altered, std::ios::binary) << bytes;
        return altered;
    };
    // Replays a file, with `meddle` run after each tick; the drift.
    const auto replayed = [&](const std::string& file,
                              const std::function<void(uint32_t)>& meddle = {}) {
        FreshGame();
        EXPECT_TRUE(LoadReplay(file, 0, 0));
        BeginReplay();
        uint32_t ticks = 0;
        while (ReplayTick()) {
            if (meddle) {
                meddle(++ticks);
            }
        }
        CloseSession();
        return ReplayDrift();
    };
    const auto driftAt = [](const int tick, const char* how) {
        return "the replay drifted from the recording at tick " + std::to_string(tick) + " (" +
               how + "); stopped";
    };
    EXPECT_EQ(replayed(path), "");

    // Without its first drop, the pedestrian below is not hit: the flight
    // that ends at the death differs.
    bool dropped = false;
    const std::string noDrop = rewritten("no_drop.gullrec", [&](const Record& record, uint32_t) {
        if (!dropped && record.kind == Record::Kind::Input &&
            record.command.kind == Command::Kind::Drop) {
            dropped = true;
            return false;
        }
        return true;
    });
    EXPECT_EQ(replayed(noDrop), driftAt(16, "a flight came out differently"));

    // One frame fewer in the second flight: the pedestrians' steps, and a
    // panicking one's turns, come at other moments, which the next checksum
    // (tick 128) notices.
    bool taken = false;
    const std::string fewerFrames =
        rewritten("fewer_frames.gullrec", [&](Record& record, const uint32_t tick) {
            if (!taken && record.kind == Record::Kind::Tick && tick > 60 && record.frames > 0) {
                --record.frames;
                taken = true;
            }
            return true;
        });
    ASSERT_TRUE(taken);
    EXPECT_EQ(replayed(fewerFrames), driftAt(128, "the game's state differs"));

    // A car or a portion of fries a unit away from where the recorded game had it.
    EXPECT_EQ(replayed(path,
                       [](const uint32_t tick) {
                           if (tick == 40) {
                               Car& car = *world.GetCars().front();
                               car.SetPosition(car.GetPosition() + Vector(1.0f, 0.0f, 0.0f));
                           }
                       }),
              driftAt(128, "the game's state differs"));
    EXPECT_EQ(replayed(path,
                       [](const uint32_t tick) {
                           if (tick == 140) {
                               Fries& fries = *world.GetFries().front();
                               fries.SetPosition(fries.GetPosition() + Vector(0.0f, 1.0f, 0.0f));
                           }
                       }),
              driftAt(256, "the game's state differs"));

    std::remove(path.c_str());
}
