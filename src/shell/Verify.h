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
