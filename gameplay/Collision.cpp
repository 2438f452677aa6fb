#include "gameplay/Collision.h"

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
