#include "base/TimeStats.h"
#include "shell/ShellTestSupport.h"

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
        ASSERT_EQ(stats.Total(slot), 0u) << slot;
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
    const auto line = [&stats](const char* label, const int slot) {
        return label + std::to_string(stats.Total(slot)) + "\n";
    };
    const std::string expected =
        "GullMar TimeStats report:\n\nCLOCKS_PER_SEC defined as: 1000\n\n" +
        line("Global OnDisplay: ", 0) + line("Global OnIdle: ", 1) +
        line("World Draw Atmosphere: ", 2) + line("World SetupCamera: ", 3) +
        line("World Draw MapObjs: ", 4) + line("World Draw Peds: ", 5) +
        line("World Draw Cars: ", 6) + line("World Draw Fries: ", 7) +
        line("World Draw Clouds: ", 8) + line("World Draw bird geometry: ", 9) +
        line("World Draw OSD: ", 10);
    EXPECT_EQ(ReadFile(path), expected);

    TimeStats fresh;
    fresh.WriteReport(path.c_str());
    EXPECT_NE(ReadFile(path).find("\nGlobal OnIdle: 0\n"), std::string::npos);
    fresh.WriteReport(TempPath("no-such-directory/gullmar_ts.txt").c_str()); // silently nothing
}

} // namespace
