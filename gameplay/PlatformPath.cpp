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

}  // namespace

glm::vec3 pathPosition(const PlatformPiece& platform, float seconds) {
    const float length = pathLength(platform);
    if (!(length > 0.0f) || !(seconds > 0.0f)) {
        return platform.at;
    }
    // How far along the way out, folding the way back onto it.
    float along = std::fmod(seconds * platform.speed, 2.0f * length);
    if (along > length) {
        along = 2.0f * length - along;
    }
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
