#include <algorithm>
#include <optional>

#include "app/Game.h"

namespace {

// The shadow of a player standing on a surface is a little wider than its footprint; it
// shrinks and fades as the player rises, and is gone kFadeHeight above the surface.
const float kStandingRadiusShare = 1.5f;  // of the player's footprint radius
const float kSmallestShare = 0.4f;        // of the standing radius, at kFadeHeight
const float kStandingOpacity = 0.75f;
const float kFadeHeight = 6.0f;  // units
// The landing clamp puts the feet on the top; a hair below it still stands there.
const float kFeetTolerance = 1e-3f;  // units

// The top of the platform, its corners in x and z and its height.
struct Top {
    glm::vec2 low;
    glm::vec2 high;
    float height;
};

Top topOf(const GameObject& platform) {
    const glm::vec3 low = platform.position + platform.boundsMin;
    const glm::vec3 high = platform.position + platform.boundsMax;
    return Top{glm::vec2(low.x, low.z), glm::vec2(high.x, high.z), high.y};
}

// The highest top at or below the feet that a disc of the radius around them reaches.
std::optional<Top> surfaceUnder(const glm::vec3& feet, float radius,
                                const std::vector<GameObject*>& platforms) {
    std::optional<Top> found;
    const glm::vec2 centre(feet.x, feet.z);
    for (const GameObject* platform : platforms) {
        const Top top = topOf(*platform);
        const bool below = top.height <= feet.y + kFeetTolerance;
        const bool reached = glm::all(glm::lessThanEqual(top.low, centre + radius)) &&
                             glm::all(glm::lessThanEqual(centre - radius, top.high));
        if (below && reached && (!found || top.height > found->height)) {
            found = top;
        }
    }
    return found;
}

}  // namespace

void Game::drawShadow() {
    if (!options.shadow) {
        return;
    }
    // Made here when switched on in the options after a start without it.
    const DropShadow& shadow = look.shadow(glMajor, glMinor);
    const float standing = player->radius * kStandingRadiusShare;
    const std::optional<Top> top = surfaceUnder(player->position, standing, platforms);
    if (!top) {
        return;
    }
    const float rise = std::clamp((player->position.y - top->height) / kFadeHeight, 0.0f, 1.0f);
    if (rise >= 1.0f) {
        return;
    }
    const ShadowSpot spot{glm::vec3(player->position.x, top->height, player->position.z),
                          standing * glm::mix(1.0f, kSmallestShare, rise),
                          kStandingOpacity * (1.0f - rise), top->low, top->high};
    shadow.draw(spot, ViewMatrix, ProjectionMatrix);
}
