#pragma once

#include <cstdint>
#include <cstring>

class World;

// StateChecksum: a short fingerprint of the game's state, which a recording
// holds every few seconds and its replay compares, so that a replay that
// drifts from the recorded game is noticed at once. Values are added by
// their bytes (FNV-1a), in an order both sides follow.
class StateChecksum {
public:
    template <typename T> void Add(const T& value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (const unsigned char byte : bytes) {
            hash = (hash ^ byte) * prime;
        }
    }
    // The bird, its droppings, the mission, the level and every actor.
    void AddWorld(const World& world);
    uint32_t Value() const { return static_cast<uint32_t>(hash ^ (hash >> 32)); }

private:
    static constexpr uint64_t prime = 1099511628211ull;
    uint64_t hash = 14695981039346656037ull;
};
