#include "gameplay/CameraClearance.h"

#include <algorithm>

namespace {

Box widened(const Box& box, float by) {
    return Box{box.low - glm::vec3(by), box.high + glm::vec3(by)};
}

// The share of the way, from `from` along `way`, that is clear of the box.
float clearShareOf(const Box& box, glm::vec3 from, glm::vec3 way) {
    if (holds(box, from)) {
        return 1.0f;
    }
    // Stopping where the way meets the widened box keeps the clearance from every face,
    // whatever the angle; where `from` lies within that reach already, the clearance is
    // taken along the way instead.
    const Box wide = widened(box, kCameraClearance);
    if (!holds(wide, from)) {
        return std::min(1.0f, entryAlong(wide, from, way).value_or(1.0f));
    }
    const std::optional<float> entry = entryAlong(box, from, way);
    if (!entry || *entry >= 1.0f) {
        return 1.0f;
    }
    return std::max(0.0f, *entry - kCameraClearance / glm::length(way));
}

}  // namespace

float clearShare(glm::vec3 lookedAt, glm::vec3 wanted, const std::vector<Box>& boxes) {
    const glm::vec3 way = wanted - lookedAt;
    float share = 1.0f;
    for (const Box& box : boxes) {
        share = std::min(share, clearShareOf(box, lookedAt, way));
    }
    return share;
}

float heightAboveTops(glm::vec3 place, const std::vector<Box>& boxes) {
    float height = place.y;
    for (const Box& box : boxes) {
        const bool over = box.low.x <= place.x && place.x <= box.high.x && box.low.z <= place.z &&
                          place.z <= box.high.z;
        const float lowest = box.high.y + kCameraClearance;
        if (over && box.low.y <= place.y && place.y < lowest) {
            height = std::max(height, lowest);
        }
    }
    return height;
}

bool nearTheWay(const Box& box, glm::vec3 lookedAt, glm::vec3 wanted) {
    const Box wide = widened(box, kCameraClearance);
    const glm::vec3 low = glm::min(lookedAt, wanted);
    const glm::vec3 high = glm::max(lookedAt, wanted);
    return glm::all(glm::lessThanEqual(wide.low, high)) &&
           glm::all(glm::lessThanEqual(low, wide.high));
}

bool standsBetween(const Box& box, glm::vec3 from, glm::vec3 to) {
    const std::optional<float> entry = entryAlong(box, from, to - from);
    return entry && *entry <= 1.0f;
}

float fadeStep(float fade, bool inTheWay, float deltaTime) {
    const float step = deltaTime / kSeeThroughFadeSeconds;
    return inTheWay ? std::min(1.0f, fade + step) : std::max(0.0f, fade - step);
}

glm::vec3 clearPlace(glm::vec3 lookedAt, glm::vec3 wanted, const std::vector<Box>& boxes,
                     float deltaTime, std::optional<float>& held) {
    const glm::vec3 way = wanted - lookedAt;
    const float full = glm::length(way);
    float reach = clearShare(lookedAt, wanted, boxes) * full;
    if (held) {
        reach = std::min(reach, *held + kCameraEaseOutRate * deltaTime);
    }
    glm::vec3 place = wanted;
    if (reach < full) {
        held = reach;
        place = lookedAt + way * (reach / full);
    } else {
        held.reset();
    }
    place.y = heightAboveTops(place, boxes);
    return place;
}
