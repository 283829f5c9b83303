#pragma once

#include "base/Settings.h"

// The settings' files and the command line: the shell reads them at start-up,
// before any window exists, and the configuration menu's Save writes the
// settings back.

constexpr const char* settingsFile = "config/gullmar.config";
constexpr const char* introTextFile = "config/introText.txt";

// Reads the settings file over the current settings; a missing file changes
// nothing.
void LoadConfig();
void LoadConfig(const char* fileName);
// Writes all eight settings in the format LoadConfig reads, through a
// temporary file beside the old one that is renamed over it when complete;
// a failed save leaves the old file as it was and says so on stderr.
void SaveConfig();
void SaveConfig(const char* fileName);
// Applies the command-line options; unknown arguments are ignored.
void ParseCommandLine(int argc, char** argv);
// Reads the intro text; a missing or unreadable file leaves it empty.
void LoadIntroText();
void LoadIntroText(const char* fileName);
