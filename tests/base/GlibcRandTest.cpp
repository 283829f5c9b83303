#include "base/GlibcRand.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

// The browser build draws the city from GlibcRand: it must give this C
// library's rand() sequence draw for draw, for any seed the game may use
// (--seed takes 0 to INT_MAX; 0 is the library's seed 1), and start over on
// every new seed, as srand does.
TEST(GlibcRandTest, GivesTheCLibrarysSequence) {
    GlibcRand ours;
    for (const unsigned int seed : {0u, 1u, 2u, 42u, 12345u, 2147483646u, unsigned(INT_MAX),
                                    4294967295u}) {
        std::srand(seed);
        ours.Seed(seed);
        for (int draw = 0; draw < 5000; ++draw) {
            ASSERT_EQ(ours.Next(), std::rand()) << "seed " << seed << ", draw " << draw;
        }
    }
    // Without a seed both start as after srand(1).
    GlibcRand unseeded;
    std::srand(1);
    EXPECT_EQ(unseeded.Next(), std::rand());
}
