#include "shell/ShellTestSupport.h"
#include "shell/TimeStats.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TimeStatsTest, SlotsOutsideTheTableChangeNothingAndClosedSectionsAddUp) {
    TimeStats stats;
    stats.Start(TimeStats::slotCount);
    stats.Stop(-1);
    stats.Start(-1);
    stats.Stop(TimeStats::slotCount);
    for (int slot = 0; slot < TimeStats::slotCount; ++slot) {
        EXPECT_EQ(stats.Total(slot), 0u) << slot;
    }
    // Between Start and Stop the slot wraps; after Stop it holds the sum of
    // short intervals again, not a wrapped value.
    for (int i = 0; i < 3; ++i) {
        stats.Start(TimeStats::Cars);
        stats.Stop(TimeStats::Cars);
    }
    EXPECT_LT(stats.Total(TimeStats::Cars), 1000u);
}

TEST(TimeStatsTest, ReportHasItsFifteenLines) {
    TimeStats stats;
    for (int slot = 0; slot <= TimeStats::Osd; ++slot) {
        stats.Start(slot);
        stats.Stop(slot);
    }
    const std::string path = TempPath("gullmar_ts.txt");
    WriteTempFile("gullmar_ts.txt", "an earlier, longer report that must be replaced\n\n\n\n\n");
    stats.WriteReport(path.c_str());
    const auto total = [&stats](const int slot) { return std::to_string(stats.Total(slot)); };
    EXPECT_EQ(ReadFile(path), "GullMar TimeStats report:\n"
                              "\n"
                              "CLOCKS_PER_SEC defined as: 1000\n"
                              "\n"
                              "Global OnDisplay: " + total(0) + "\n"
                              "Global OnIdle: " + total(1) + "\n"
                              "World Draw Atmosphere: " + total(2) + "\n"
                              "World SetupCamera: " + total(3) + "\n"
                              "World Draw MapObjs: " + total(4) + "\n"
                              "World Draw Peds: " + total(5) + "\n"
                              "World Draw Cars: " + total(6) + "\n"
                              "World Draw Fries: " + total(7) + "\n"
                              "World Draw Clouds: " + total(8) + "\n"
                              "World Draw bird geometry: " + total(9) + "\n"
                              "World Draw OSD: " + total(10) + "\n");

    TimeStats fresh;
    fresh.WriteReport(path.c_str());
    EXPECT_NE(ReadFile(path).find("\nGlobal OnIdle: 0\n"), std::string::npos);
    fresh.WriteReport(TempPath("no-such-directory/gullmar_ts.txt").c_str()); // silently nothing
}

} // namespace
