#pragma once

#include <string>

// --verify=FILE: checks a recording without a window, at full speed. The
// recorded game is built and played as a replay plays it, but nothing is
// drawn, heard or written, and no display is needed. Prints the line of
// each flight in it, then a last line with the ticks and checksums
// verified (and, for a recording cut short, where it ends); returns the
// process's status: 0, or 1 after the one line that --replay gives for a
// recording that drifts or cannot be read.
int VerifyRecording(const std::string& path);

// A recording cut short (its game was killed, the machine lost power) is
// finished by the next game that records: replayed without a window as far
// as it goes, its flight under way ends at its last whole tick and joins the
// table, and the file gets the end its game could not write, so that it
// replays whole. This runs in a process of its own, in the background, one
// recording after the other, so the game starts at once; a recording that
// a running game holds is left alone. Start-up calls it before the window
// opens, while the game is a single thread.
void FinishCutRecordings(const std::string& folder);
