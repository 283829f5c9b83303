#pragma once

// The game clock: milliseconds since the process started, from a monotonic
// clock. The shell samples it once at the start of every idle call into the
// tick time, which the bird, the mission and the HUD read as "now"; tests set
// the tick time directly.
namespace GameClock {

constexpr unsigned int millisecondsPerSecond = 1000;

unsigned int Now();

// The clock value sampled at the start of the current idle call.
unsigned int TickTime();
void SetTickTime(unsigned int milliseconds);

// Sleeps until Now() reaches the given value; returns at once if it has.
void SleepUntil(unsigned int milliseconds);

} // namespace GameClock
