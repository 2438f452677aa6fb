#include "gameplay/PlatformPath.h"

#include <cmath>

namespace {

float pathLength(const PlatformPiece& platform) {
    float length = 0.0f;
    glm::vec3 from = platform.at;
    for (const glm::vec3& point : platform.path) {
        length += glm::distance(from, point);
        from = point;
    }
    return length;
}

// How far along the way out the platform stands at `travelled` units of a trip that goes
// out, rests `rest` units' worth of time at the far end, comes back and rests at `at`.
float alongTheWay(float travelled, float length, float rest) {
    const float trip = 2.0f * length + 2.0f * rest;
    const float into = std::fmod(travelled, trip);
    if (into <= length) {
        return into;
    }
    if (into < length + rest) {
        return length;
    }
    return std::fmax(2.0f * length + rest - into, 0.0f);
}

}  // namespace

glm::vec3 pathPosition(const PlatformPiece& platform, float seconds) {
    const float length = pathLength(platform);
    const float time = seconds + platform.phase;
    if (!(length > 0.0f) || !(time > 0.0f)) {
        return platform.at;
    }
    // Timed in units of the way, so that a path without a rest folds as it always has.
    float along = alongTheWay(time * platform.speed, length, platform.wait * platform.speed);
    glm::vec3 from = platform.at;
    for (const glm::vec3& point : platform.path) {
        const float leg = glm::distance(from, point);
        if (along <= leg && leg > 0.0f) {
            return from + (point - from) * (along / leg);
        }
        along -= leg;
        from = point;
    }
    return platform.path.back();
}

float pathRoundTrip(const PlatformPiece& platform) {
    if (platform.path.empty()) {
        return 0.0f;
    }
    return 2.0f * pathLength(platform) / platform.speed + 2.0f * platform.wait;
}
