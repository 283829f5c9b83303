#pragma once

#include <string>
#include <vector>

// Timedemo: the game's own frame benchmark (--timedemo[=FRAMES]). It plays
// level 1 of a seeded city, or the level of --timedemo-level=N as though the
// levels before it had been played, without the menu, and flies a fixed script of
// steering, speed changes and droppings, one tick and one frame after the
// other as fast as frames can be drawn. At the end it prints one line of
// frame-time statistics, writes the profiler report and exits with status 0.
//
// The game clock of a timedemo advances by exactly one tick interval per
// frame, so the flight and everything the clock drives (the intro text, the
// mission's deadline) come out the same however fast the machine draws.
class Timedemo {
public:
    // The seed of the city when --seed is not given.
    static constexpr int defaultSeed = 1;

    // Frame-time statistics of a run; times in milliseconds.
    struct Summary {
        int frames = 0;
        double seconds = 0.0;
        double averageFps = 0.0;
        double median = 0.0;
        double percentile99 = 0.0; // nearest rank
        double maximum = 0.0;
    };

    static Summary Summarize(std::vector<double> frameTimes, double seconds);
    // The one line the timedemo prints, without its line break.
    static std::string Format(const Summary& summary);
    // Steers, changes the speed and drops poop as the scripted flight says for
    // a frame, through the shell's commands; the script repeats.
    static void ApplyScript(int frame);
};

// Hides the menu and hands the idle callback to the timedemo. Called once
// the window, the game and the menus are built.
void StartTimedemo();
