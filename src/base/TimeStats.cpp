#include "base/TimeStats.h"

#include "base/GameClock.h"

#include <fstream>

namespace {

constexpr int clocksPerSecond = 1000;

struct ReportLine {
    const char* label;
    int slot;
};

constexpr ReportLine reportLines[] = {
    {"Global OnDisplay: ", TimeStats::Display},
    {"Global OnIdle: ", TimeStats::Idle},
    {"World Draw Atmosphere: ", TimeStats::Atmosphere},
    {"World SetupCamera: ", TimeStats::Camera},
    {"World Draw MapObjs: ", TimeStats::MapObjects},
    {"World Draw Peds: ", TimeStats::Peds},
    {"World Draw Cars: ", TimeStats::Cars},
    {"World Draw Fries: ", TimeStats::Fries},
    {"World Draw Clouds: ", TimeStats::Clouds},
    {"World Draw bird geometry: ", TimeStats::BirdGeometry},
    {"World Draw OSD: ", TimeStats::Osd},
};

bool ValidSlot(const int slot) {
    return slot >= 0 && slot < TimeStats::slotCount;
}

} // namespace

void TimeStats::Start(const int slot) {
    if (ValidSlot(slot)) {
        slots[slot] -= GameClock::Now();
    }
}

void TimeStats::Stop(const int slot) {
    if (ValidSlot(slot)) {
        slots[slot] += GameClock::Now();
    }
}

uint32_t TimeStats::Total(const int slot) const {
    return ValidSlot(slot) ? slots[slot] : 0;
}

void TimeStats::WriteReport(const char* fileName) const {
    std::ofstream out(fileName, std::ios::trunc);
    if (!out) {
        return;
    }
    out << "GullMar TimeStats report:" << std::endl;
    out << std::endl;
    out << "CLOCKS_PER_SEC defined as: " << clocksPerSecond << std::endl;
    out << std::endl;
    for (const ReportLine& line : reportLines) {
        out << line.label << slots[line.slot] << std::endl;
    }
}
