// Fuzz target: the best flights file reader. The first byte says what the
// rest is: even, a whole file; odd, a file without its checksum line, which
// the target adds, so that the fuzzer reaches the flight lines. A table read
// must hold at most ten flights, best first, and write and read back the same.

#include "flight/BestFlights.h"
#include "base/Crc32.h"

#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, const size_t size) {
    if (size == 0) {
        return 0;
    }
    std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if ((data[0] & 1) != 0) {
        char checksum[32];
        std::snprintf(checksum, sizeof checksum, "crc32=%08x\n",
                      static_cast<unsigned>(Crc32(text.data(), text.size())));
        text += checksum;
    }
    std::vector<Flight> flights;
    std::string error;
    if (!BestFlights::Parse(text, flights, error)) {
        if (error.empty() || !flights.empty()) {
            std::abort();
        }
        return 0;
    }
    if (flights.size() > BestFlights::tableSize) {
        std::abort();
    }
    for (size_t i = 1; i < flights.size(); ++i) {
        if (Better(flights[i], flights[i - 1])) {
            std::abort();
        }
    }
    const std::string written = BestFlights::Format(flights);
    std::vector<Flight> again;
    if (!BestFlights::Parse(written, again, error) || BestFlights::Format(again) != written) {
        std::abort();
    }
    return 0;
}
