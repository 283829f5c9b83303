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
// In the browser, whose one thread must never block, it returns at once and
// notes the time instead: the page calls the idle function again then.
void SleepUntil(unsigned int milliseconds);
// The time the last SleepUntil noted, once; 0 when none (the browser's loop).
unsigned int TakeWakeTime();

} // namespace GameClock
