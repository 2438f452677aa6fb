#include "tools/autoplay/Route.h"

#include <cmath>

namespace {

const float kNear = 2.0f;           // units in from the edge a jump lands on
const float kFar = 2.8f;            // units out towards the next platform; its edge is at 3
const float kOnPlatform = 3.4f;     // units from a platform's centre that count as on it
const float kTrapClearance = 1.4f;  // units across between a lane and a trap's centre
const float kLaneStep = 0.5f;       // units between the lanes tried
const float kWidestLane = 2.5f;     // units from the middle
const float kWithinEdge = 2.8f;     // units from the centre on either axis: a stop stands on it

glm::vec2 flat(const glm::vec3& v) {
    return glm::vec2(v.x, v.z);
}

// A stop near an edge, pulled in so that the character stands on the platform there.
glm::vec2 onTop(glm::vec2 offset) {
    return glm::clamp(offset, glm::vec2(-kWithinEdge), glm::vec2(kWithinEdge));
}

bool fixedInPlace(const PlatformPiece& platform) {
    return !platform.swing && platform.path.empty();
}

bool onPlatform(const glm::vec2& offset) {
    return std::abs(offset.x) <= kOnPlatform && std::abs(offset.y) <= kOnPlatform;
}

// The direction from one platform's centre to another's, on the ground.
glm::vec2 towards(const PlatformPiece& from, const PlatformPiece& to) {
    const glm::vec2 d = flat(to.at) - flat(from.at);
    return glm::length(d) > 0.0f ? glm::normalize(d) : glm::vec2(0.0f, -1.0f);
}

// The pieces of that kind on a platform that stays in place, as offsets from its centre.
std::vector<glm::vec2> piecesOn(const PlatformPiece& platform, const std::vector<Piece>& pieces) {
    std::vector<glm::vec2> on;
    if (!fixedInPlace(platform)) {
        return on;
    }
    for (const Piece& piece : pieces) {
        const glm::vec2 offset = flat(piece.at) - flat(platform.at);
        if (onPlatform(offset)) {
            on.push_back(offset);
        }
    }
    return on;
}

// How far across `across` the way keeps from the middle to clear the traps: the nearest lane
// that clears them all, or the middle when none does.
float laneAround(const std::vector<glm::vec2>& traps, glm::vec2 across) {
    for (float lane = 0.0f; lane <= kWidestLane; lane += kLaneStep) {
        for (const float side : {lane, -lane}) {
            bool clear = true;
            for (const glm::vec2& trap : traps) {
                clear = clear && std::abs(glm::dot(trap, across) - side) > kTrapClearance;
            }
            if (clear) {
                return side;
            }
        }
    }
    return 0.0f;
}

}  // namespace

std::vector<RouteStop> planRoute(const Level& level) {
    std::vector<RouteStop> route;
    const std::vector<PlatformPiece>& platforms = level.platforms;
    const int count = static_cast<int>(platforms.size());
    for (int i = 0; i < count; ++i) {
        const PlatformPiece& platform = platforms[i];
        const glm::vec2 in = i > 0 ? towards(platforms[i - 1], platform) : glm::vec2(0.0f);
        const glm::vec2 out = i + 1 < count ? towards(platform, platforms[i + 1]) : in;
        const glm::vec2 across(-out.y, out.x);
        const glm::vec2 lane = across * laneAround(piecesOn(platform, level.traps), across);
        if (i > 0) {
            route.push_back({i, onTop(-in * kNear + lane)});
        }
        for (const auto* pieces : {&level.healthPacks, &level.checkpoints}) {
            for (const glm::vec2& offset : piecesOn(platform, *pieces)) {
                route.push_back({i, offset});
            }
        }
        if (i + 1 < count) {
            route.push_back({i, onTop(out * kFar + lane)});
        } else {
            route.push_back({i, flat(level.goal) - flat(platform.at)});
        }
    }
    return route;
}
