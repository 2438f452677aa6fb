#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "render/ShaderSource.h"
#include "tools/fuzz/Invariant.h"

namespace {

const char* const kDirective = "#version";
const std::string kVersion = "450";
const std::string kRewritten = "#version 450";

}  // namespace

// The rewrite touches the first directive's line only: what comes before it and every later
// line stay as they were, and a source without a directive is left alone.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string original(reinterpret_cast<const char*>(data), size);
    std::string source = original;
    const bool rewritten = rewriteVersionDirective(source, kVersion);

    const size_t start = original.find(kDirective);
    if (start == std::string::npos) {
        requireInvariant(!rewritten, "a source without a directive was reported rewritten");
        requireInvariant(source == original, "a source without a directive was changed");
        return 0;
    }
    requireInvariant(rewritten, "a directive was not rewritten");
    requireInvariant(source.compare(0, start, original, 0, start) == 0,
                     "the text before the directive changed");
    requireInvariant(source.compare(start, kRewritten.size(), kRewritten) == 0,
                     "the directive does not read #version 450");
    const size_t lineEnd = std::min(original.find('\n', start), original.size());
    const size_t rest = original.size() - lineEnd;
    requireInvariant(source.size() >= start + kRewritten.size() + rest &&
                         source.compare(source.size() - rest, rest, original, lineEnd, rest) == 0,
                     "the lines after the directive changed");
    return 0;
}
