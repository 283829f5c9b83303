#pragma once

#include <cstdint>
#include <string>

// Playing a recorded session back (--replay=FILE, --replay-best[=N]) in the
// game's window: the same city and the same flight, tick by tick, with the
// HUD, the menus and the sound as they were. The recording drives the game
// through the same door as a player: its inputs go to ApplyCommand, its
// menus' actions to the tick, its ticks to RunTick at their recorded game
// clock, and its frames animate the pedestrians as often as the recorded
// game drew them. The viewer's own keys only steer the playback: pause,
// faster, slower, skip ahead, quit. A replay writes nothing.

// Reads the recording and puts its seed, settings and options, level table
// and intro text in force (the window mode and the sound stay the viewer's);
// plays ticks firstTick to lastTick (0, 0: the whole session). A recording
// cut short plays as far as it goes. False after one line on stderr naming
// the file and what is wrong.
bool LoadReplay(const std::string& path, uint32_t firstTick, uint32_t lastTick);
// Once the window, the game and the menus are built: the recording takes
// over the idle call and the viewer's keys.
void StartReplay();
// StartReplay's first half, without GLUT: the session begins as the recorded
// one did. Then ReplayTick plays the next tick (false once all are played),
// so a test can replay without a main loop.
void BeginReplay();
bool ReplayTick();
// Ticks played, and checksums compared with the recording's, so far.
uint32_t ReplayedTicks();
uint32_t ReplayedChecksums();
// Once played to the end: for a recording cut short, the line that says
// where it ends; otherwise empty.
std::string ReplayEnding();
// Empty, or how the replay drifted from the recording (the tick, and what
// differed): it stops there, and the game says so in one line and ends.
const std::string& ReplayDrift();
// The playback's line at the bottom of the main window (its speed, the keys,
// the time played), in the 2D overlay.
void DrawReplayBar();
