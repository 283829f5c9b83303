#pragma once

#include <cstdint>

// GlibcRand: the sequence of the GNU C library's rand() after srand(seed),
// its additive feedback generator of 31 words, so that a C library with
// another rand (the browser's) still builds the same city from the same seed.
// The browser build's rand and srand are this (web/WebRand.cpp); the desktop
// keeps its own C library's, which the tests compare with this one.
class GlibcRand {
public:
    explicit GlibcRand(const unsigned int seed = 1) { Seed(seed); }

    void Seed(unsigned int seed) {
        // The library's own rule: seed 0 is seed 1.
        if (seed == 0) {
            seed = 1;
        }
        std::int32_t word[degree];
        word[0] = static_cast<std::int32_t>(seed);
        for (int i = 1; i < degree; ++i) {
            // 16807 * word mod (2^31 - 1), by Schrage's method, without overflow.
            const std::int32_t hi = word[i - 1] / 127773;
            const std::int32_t lo = word[i - 1] % 127773;
            std::int32_t next = 16807 * lo - 2836 * hi;
            if (next < 0) {
                next += 2147483647;
            }
            word[i] = next;
        }
        for (int i = 0; i < degree; ++i) {
            state[i] = static_cast<std::uint32_t>(word[i]);
        }
        front = separation;
        rear = 0;
        // The first 310 results are thrown away.
        for (int i = 0; i < 10 * degree; ++i) {
            Next();
        }
    }

    // 0 .. 2^31 - 1, as rand() returns.
    int Next() {
        state[front] += state[rear];
        const std::uint32_t result = state[front] >> 1;
        front = front + 1 == degree ? 0 : front + 1;
        rear = rear + 1 == degree ? 0 : rear + 1;
        return static_cast<int>(result);
    }

private:
    static constexpr int degree = 31;
    static constexpr int separation = 3;
    std::uint32_t state[degree] = {};
    int front = 0;
    int rear = 0;
};
