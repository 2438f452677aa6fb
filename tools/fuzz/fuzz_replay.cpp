#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "gameplay/Replay.h"
#include "tools/fuzz/Invariant.h"

// Reads the input as a replay file. A replay is read or refused with a reason, never both;
// what is read holds no more frames than a replay may, and writes back as text that reads the
// same again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ReplayRead read = parseReplay(text);
    requireInvariant(read.replay.has_value() == read.reason.empty(),
                     "a replay both read and refused, or neither");
    if (!read.replay) {
        return 0;
    }
    requireInvariant(read.replay->frames.size() <= kMaxReplayFrames, "more frames than allowed");
    const std::string written = replayText(*read.replay);
    const ReplayRead again = parseReplay(written);
    requireInvariant(again.replay && replayText(*again.replay) == written,
                     "the replay read back otherwise");
    return 0;
}
