#pragma once

#include <string>
#include <vector>

// Helpers shared by the shell, world and mission tests.

// Writes contents to a file of that name in a fresh per-process temporary
// directory and returns its path.
std::string WriteTempFile(const std::string& name, const std::string& contents);
// The path a file of that name would have in the temporary directory.
std::string TempPath(const std::string& name);
// Reads a whole file; empty if it cannot be read.
std::string ReadFile(const std::string& path);
// Runs ParseCommandLine on these arguments after the program name.
void ParseArguments(std::vector<std::string> arguments);

// A GL context and the global World initialised once with the game's city
// (100 by 100 cells of 100 units) of this seed, for tests that tick or draw it.
constexpr int cityOfTheTests = 20261207;
void EnsureWorldReady();
// The game as a new process's start-up leaves it, the same every time: level 1
// of the levels loaded, the bird at its start with a new process's angles,
// paused behind the main menu in an 800 x 800 window, the game clock at 0 and
// rand seeded with this seed.
void StartUpGame(unsigned int seed);
