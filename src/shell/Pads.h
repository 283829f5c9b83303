#pragma once

#include "base/TickReport.h"
#include "input/Gamepad.h"

// The pads in the game: opened after the window (unless --no-gamepad), read
// once per idle call before the tick, their commands handed to ApplyCommand
// like every other input's; and their motors, a listener of the ticks'
// events (unless --no-rumble).

// Starts the pads (nothing with --no-gamepad). Tests take only virtual pads.
void OpenPads(Gamepad::Devices devices = Gamepad::Devices::All);
void ClosePads();
bool PadsOpen();
int PadsAttached();
// Reads the pads at game clock `now` and applies their commands. Without a
// pad, SDL is asked for a new one every quarter second of the game clock.
void PollPads(unsigned int now);
// Rumbles for a tick's events.
void RumblePads(const TickReport& report);
