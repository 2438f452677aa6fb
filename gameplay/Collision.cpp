#include "gameplay/Collision.h"

#include <algorithm>
#include <cmath>
#include <limits>

bool footprintsTouch(const glm::vec3& a, float aRadius, const glm::vec3& b, float bRadius) {
    return b.x - bRadius <= a.x + aRadius && a.x - aRadius <= b.x + bRadius &&
           b.z - bRadius <= a.z + aRadius && a.z - aRadius <= b.z + bRadius;
}

bool holdsUp(const PlatformBox& platform, const glm::vec3& player, float playerRadius) {
    const glm::vec3& q = platform.position;
    const glm::vec3& p = player;
    const bool overFootprint =
        platform.low.x + q.x <= p.x + playerRadius && p.x - playerRadius <= platform.high.x + q.x &&
        platform.low.z + q.z <= p.z + playerRadius && p.z - playerRadius <= platform.high.z + q.z;
    const bool inBand = q.y - platform.halfHeight <= p.y && p.y <= q.y + platform.halfHeight;
    return overFootprint && inBand;
}

std::optional<float> entryAlong(const Box& box, glm::vec3 origin, glm::vec3 direction) {
    float nearest = 0.0f;
    float farthest = std::numeric_limits<float>::max();
    for (int axis = 0; axis < 3; ++axis) {
        if (std::abs(direction[axis]) < std::numeric_limits<float>::epsilon()) {
            if (origin[axis] < box.low[axis] || origin[axis] > box.high[axis]) {
                return std::nullopt;
            }
            continue;
        }
        float enter = (box.low[axis] - origin[axis]) / direction[axis];
        float leave = (box.high[axis] - origin[axis]) / direction[axis];
        if (enter > leave) {
            std::swap(enter, leave);
        }
        nearest = std::max(nearest, enter);
        farthest = std::min(farthest, leave);
    }
    return nearest <= farthest ? std::optional<float>(nearest) : std::nullopt;
}

bool holds(const Box& box, glm::vec3 point) {
    return glm::all(glm::lessThanEqual(box.low, point)) &&
           glm::all(glm::lessThanEqual(point, box.high));
}
