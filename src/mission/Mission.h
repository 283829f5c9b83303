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
// the game clock at which the time is up. A count at or below 0 is done.
class Mission {
public:
    static constexpr int levelCount = 40;
    static constexpr int maskPeds = 1;
    static constexpr int maskCars = 2;
    static constexpr int maskFries = 4;
    static constexpr int maskAll = 255;

    // Reads the level table.
    Mission();
    explicit Mission(const char* levelFile);

    // Reads a level table file into the table; returns false if it could not
    // be opened.
    bool LoadLevels(const char* fileName = "config/levels.config");
    void SetupLevel(int level);

    int GetPedsLeft() const { return pedsLeft; }
    int GetCarsLeft() const { return carsLeft; }
    int GetFriesLeft() const { return friesLeft; }
    void PedHit();
    void CarHit();
    void FriesEaten();
    bool IsComplete(int mask) const;
    float GetTimeLeft() const;
    bool TimeIsUp() const;
    // Writes "MM:SS.hh" of the time left into buffer (at least 16 bytes).
    void GetTimeText(char* buffer, int size = 16) const;
    const LevelRow& GetRow(int level) const { return table[level]; }

private:
    LevelRow table[levelCount];
    int32_t friesLeft = -1;
    int32_t pedsLeft = -1;
    int32_t carsLeft = -1;
    float deadline = -1.0f;
};
