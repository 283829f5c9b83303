#pragma once

#include <cstdint>

// LevelRow: the targets and the time limit of one level.
struct LevelRow {
    int32_t fries = 0;
    int32_t peds = 0;
    int32_t cars = 0;
    float seconds = 0.0f;
};

// Mission: the level table read from "config/levels.config" and the progress
// of the mission under way: peds, cars and fries still to go and the moment on
// the game clock at which the time is up. A count at or below 0 is done, so a
// negative target never holds a mission up.
class Mission {
public:
    static constexpr int levelCount = 40;
    static constexpr int maskPeds = 1;
    static constexpr int maskCars = 2;
    static constexpr int maskFries = 4;
    static constexpr int maskAll = 255;
    static constexpr int timeTextSize = 16;

    // Reads the level table.
    Mission();
    explicit Mission(const char* levelFile);

    // Reads a level table file over the table: five numbers per row (level,
    // fries, peds, cars, seconds), whitespace of any kind between them.
    // Reading stops at the first token that is not a number; rows for levels
    // outside 0..39 are skipped. Returns false if the file could not be opened.
    bool LoadLevels(const char* fileName = "config/levels.config");
    // Sets up the targets and the deadline of a level from 1 to 39; any other
    // level changes nothing.
    void SetupLevel(int level);

    int GetPedsLeft() const { return pedsLeft; }
    int GetCarsLeft() const { return carsLeft; }
    int GetFriesLeft() const { return friesLeft; }
    void PedHit();
    void CarHit();
    void FriesEaten();
    // True unless one of the counts the mask selects is still above 0.
    bool IsComplete(int mask) const;
    // Seconds until the deadline on the game clock, never below 0.
    float GetTimeLeft() const;
    bool TimeIsUp() const;
    // The game clock, in ms, at which the time is up.
    float GetDeadline() const { return deadline; }
    // Writes "MM:SS.hh" of the time left into buffer.
    void GetTimeText(char* buffer, int size = timeTextSize) const;
    const LevelRow& GetRow(int level) const { return table[level]; }
    // Puts a row of another table in place (a replay plays the recorded table).
    void SetRow(const int level, const LevelRow& row) { table[level] = row; }

private:
    LevelRow table[levelCount];
    int32_t friesLeft = -1;
    int32_t pedsLeft = -1;
    int32_t carsLeft = -1;
    float deadline = -1.0f;
};
