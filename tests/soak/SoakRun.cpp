// Soak run: the real game (window, shell tick, World, menus, drawing) flies
// the timedemo's scripted flight for a long time, built with the sanitizers by
// tests/soak/soak.sh. It plays on through every menu the way a player would:
// Enter after "Mission Complete", START after a death or a timeout. Every few
// thousand ticks it puts the bird into a portion of fries, so that levels of
// a soak level table (fries to eat, nothing else) pass now and then, and it
// refills the bird's supply of poop whenever it runs out.
// Every sampleEvery ticks it prints a line with the tick, the resident memory
// and the live heap (kB, see below), the level, and what was done so far.
//
// Usage: gullmar_soak TICKS [game options...], run in a directory with
// textures/ and config/ like the game's own.

#include "actors/Fries.h"
#include "base/GameClock.h"
#include "game/GameMenus.h"
#include "game/GameTick.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "shell/Settings.h"
#include "shell/Startup.h"
#include "shell/Timedemo.h"
#include "shell/Windows.h"

#include <GL/freeglut.h>
#include <malloc.h>
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GULLMAR_SOAK_SANITIZED
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define GULLMAR_SOAK_SANITIZED
#endif
#ifdef GULLMAR_SOAK_SANITIZED
// From the sanitizers' allocator interface (its header is not shipped with
// every compiler).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

constexpr int drawEvery = 10;     // a frame drawn every this many ticks
constexpr int sampleEvery = 1000; // a memory sample every this many ticks
constexpr int feedEvery = 1500;   // the bird put into fries every this many ticks

// Resident memory (VmRSS of /proc/self/status), in kB. The allocator keeps
// freed memory for reuse, so without trimming the figure follows the highest
// heap the run ever had, not what it holds now; in the plain build free pages
// go back to the system first. (AddressSanitizer's allocator holds freed
// memory in its quarantine whatever is done.)
long ResidentKilobytes() {
#ifndef GULLMAR_SOAK_SANITIZED
    malloc_trim(0);
#endif
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + std::strlen("VmRSS:"), nullptr, 10);
        }
    }
    return -1;
}

// The heap the process holds now, in kB: everything allocated and not freed,
// the GL driver's allocations included.
long LiveHeapKilobytes() {
#ifdef GULLMAR_SOAK_SANITIZED
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<long>((heap.uordblks + heap.hblkhd) / 1024);
#endif
}

// Moves the bird into the first portion of fries, keeping its heading.
void FlyIntoFries() {
    World::FriesList& fries = world.GetFries();
    if (fries.empty()) {
        return;
    }
    Bird& bird = world.GetBird();
    const Point target = fries.front()->GetBoundingBox().GetCenter();
    const Vector heading = bird.GetDirection();
    bird.SetEye(target.GetX(), target.GetY(), target.GetZ());
    bird.SetCenter(target.GetX() + heading.GetX(), target.GetY() + heading.GetY(),
                   target.GetZ() + heading.GetZ());
}

struct Tally {
    int levelsPassed = 0;
    int restarts = 0;
    int friesEaten = 0;
    int poopDropped = 0;
};

} // namespace

int main(int argc, char** argv) {
    const long ticks = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 0;
    if (ticks <= 0) {
        std::fprintf(stderr, "usage: %s TICKS [game options...]\n", argv[0]);
        return EXIT_FAILURE;
    }
    LoadConfig();
    LoadIntroText();
    ParseCommandLine(argc - 1, argv + 1);
    settings.windowMode = 1;
    if (settings.seed == Settings::noSeed) {
        settings.seed = Timedemo::defaultSeed;
    }
    glutInit(&argc, argv);
    CreateMainWindow();
    InitGame();
    BuildMenus();
    mainMenu.Hide();
    shell.startTime = GameClock::Now();
    shell.nextTickTime = shell.startTime;

    Tally tally;
    int level = world.GetLevel();
    for (long tick = 1; tick <= ticks; ++tick) {
        const int friesLeft = world.GetMission().GetFriesLeft();
        const int poop = world.GetBird().GetPoop();
        Timedemo::ApplyScript(static_cast<int>(tick));
        if (tick % feedEvery == 0) {
            FlyIntoFries();
        }
        // Few fries refill the supply: keep the droppings falling all run.
        if (world.GetBird().GetPoop() == 0) {
            world.GetBird().AddPoop(Bird::maxPoop);
        }
        // Every call is a due tick, as in the timedemo.
        RunTick(shell.nextTickTime + 1);
        if (world.GetLevel() != level) {
            // The soak table asks only for fries: the last one passed it.
            ++tally.levelsPassed;
            tally.friesEaten += friesLeft == 1 ? 1 : 0;
            level = world.GetLevel();
        } else if (world.GetMission().GetFriesLeft() < friesLeft) {
            ++tally.friesEaten;
        }
        if (world.GetBird().GetPoop() < poop) {
            ++tally.poopDropped;
        }
        if (mainMenu.IsVisible()) {
            if (!world.GetBird().IsAlive() || world.GetMission().TimeIsUp()) {
                ++tally.restarts;
                StartAction();
            } else {
                mainMenu.Hide();
            }
        }
        if (tick % drawEvery == 0) {
            OnDisplay();
            glutMainLoopEvent();
        }
        if (tick % sampleEvery == 0) {
            std::printf("tick %ld rss_kb %ld heap_kb %ld level %d levels_passed %d fries_eaten %d "
                        "poop_dropped %d restarts %d score %d\n",
                        tick, ResidentKilobytes(), LiveHeapKilobytes(), level, tally.levelsPassed,
                        tally.friesEaten, tally.poopDropped, tally.restarts,
                        world.GetBird().GetScore());
            std::fflush(stdout);
        }
    }
    return EXIT_SUCCESS;
}
