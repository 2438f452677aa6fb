#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "gameplay/LevelFile.h"
#include "tools/fuzz/Invariant.h"

namespace {

const char* const kFileName = "fuzz.toml";

bool finite(const glm::vec3& point) {
    return std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z);
}

// "<file>:<line>:<column>: ..."
bool namesItsPlace(std::string_view error) {
    const std::string_view file(kFileName);
    if (error.substr(0, file.size()) != file) {
        return false;
    }
    std::size_t at = file.size();
    for (int field = 0; field < 2; ++field) {  // the line, then the column
        if (at >= error.size() || error[at] != ':') {
            return false;
        }
        const std::size_t first = ++at;
        while (at < error.size() && std::isdigit(static_cast<unsigned char>(error[at]))) {
            ++at;
        }
        if (at == first) {
            return false;
        }
    }
    return error.substr(at, 2) == ": ";
}

void checkLevel(const Level& level) {
    requireInvariant(!level.platforms.empty(), "a level without a platform");
    requireInvariant(startsOverPlatform(level) && !startsInTrap(level),
                     "a level that cannot be started");
    const std::size_t pieces = level.platforms.size() + level.traps.size() +
                               level.healthPacks.size() + level.checkpoints.size();
    requireInvariant(pieces <= kMaxLevelPieces, "more pieces than allowed");
    requireInvariant(finite(level.start) && std::isfinite(level.facing) && finite(level.goal),
                     "a start or goal that is not finite");
    for (const PlatformPiece& platform : level.platforms) {
        requireInvariant(finite(platform.at) && std::isfinite(platform.speed),
                         "a platform that is not finite");
        requireInvariant(!platform.swing || std::isfinite(platform.swing->amplitude),
                         "a swing that is not finite");
        requireInvariant(platform.path.size() <= kMaxPathPoints, "a path longer than allowed");
        requireInvariant(platform.wait >= 0.0f && std::isfinite(platform.wait) &&
                             (platform.wait == 0.0f || !platform.path.empty()),
                         "a rest that is not finite, or without a path");
        requireInvariant(platform.phase >= 0.0f && std::isfinite(platform.phase),
                         "a head start that is not finite");
        requireInvariant(platform.path.empty() == (platform.speed == 0.0f),
                         "a speed without a path, or a path without a speed");
        for (const glm::vec3& point : platform.path) {
            requireInvariant(finite(point), "a path point that is not finite");
        }
    }
    for (const auto* pieces : {&level.traps, &level.healthPacks, &level.checkpoints}) {
        for (const Piece& piece : *pieces) {
            requireInvariant(finite(piece.at), "a piece that is not finite");
        }
    }
}

}  // namespace

// Reads the input as a level file. A level is read or refused with an error that names its
// place, never both; what is read keeps within the caps, holds only finite numbers and can be
// started.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const LevelRead read = parseLevel(text, kFileName);
    requireInvariant(read.level.has_value() == read.error.empty(),
                     "a level both read and refused, or neither");
    requireInvariant(read.warnings.size() <= kMaxLevelWarnings + 1, "more warnings than allowed");
    requireInvariant(!read.goalAtStart || (read.level && namesItsPlace(*read.goalAtStart)),
                     "a goal at the start told without its place, or for no level");
    if (read.level) {
        checkLevel(*read.level);
    } else {
        requireInvariant(namesItsPlace(read.error), "an error without its line and column");
    }
    return 0;
}
