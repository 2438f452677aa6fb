#include "app/files/FileWatch.h"

#include <limits>
#include <system_error>
#include <utility>

namespace {

// Seconds between looks: a save shows within a blink, and a frame seldom pays for a look.
const double kLookEverySeconds = 0.25;

}  // namespace

FileWatch::FileWatch(std::filesystem::path file)
    : watched(std::move(file)),
      stamp(stampNow()),
      lookedAt(-std::numeric_limits<double>::infinity()) {}

bool FileWatch::changed(double now) {
    if (now - lookedAt < kLookEverySeconds) {
        return false;
    }
    lookedAt = now;
    const Stamp seen = stampNow();
    if (seen == stamp) {
        return false;
    }
    stamp = seen;
    return true;
}

FileWatch::Stamp FileWatch::stampNow() const {
    std::error_code error;
    Stamp seen;
    seen.time = std::filesystem::last_write_time(watched, error);
    if (error) {
        return Stamp{};
    }
    seen.size = std::filesystem::file_size(watched, error);
    seen.exists = !error;
    return seen;
}
