#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "gameplay/Records.h"
#include "tools/fuzz/Invariant.h"

// Reads the input as the records file. What it reads must write back as text that reads the
// same again, keep no more wins than the records hold, and take a win without losing a best.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<Records> records = parseRecords(text);
    if (!records) {
        return 0;
    }
    requireInvariant(records->wins.size() <= kKeptWins, "more wins kept than the records hold");
    const std::string written = recordsText(*records);
    const std::optional<Records> again = parseRecords(written);
    requireInvariant(again && recordsText(*again) == written, "the records read back otherwise");
    const Records won = withWin(*records, Win{1.5f, 7, "2024-05-01T12:34:56Z", {}});
    requireInvariant(won.bestTime && *won.bestTime <= 1.5f && won.bestScore && *won.bestScore >= 7,
                     "a win did not count towards the bests");
    return 0;
}
