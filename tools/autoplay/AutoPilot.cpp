#include "tools/autoplay/AutoPilot.h"

#include <GLFW/glfw3.h>

#include <cmath>

#include "app/Game.h"
#include "tools/xdrive/XInput.h"

namespace {

const float kArrived = 0.3f;          // units from a stop
const float kDeadZone = 0.12f;        // units: closer than this on an axis, no key for it
const float kSprintBeyond = 1.0f;     // units: farther than this, sprint
const float kOutwalks = 4.0f;         // units per second of a platform's that a walk falls behind
const float kJumpReach = 7.0f;        // units on each axis that a sprinting jump covers safely
const float kFlightLookAhead = 0.6f;  // seconds of a platform's travel to allow for
const float kSentBack = 5.0f;         // units: a move this long in one frame is the restart

glm::vec2 flat(const glm::vec3& v) {
    return glm::vec2(v.x, v.z);
}

}  // namespace

AutoPilot::AutoPilot(const Game& game, XInput& input)
    : game(game), input(input), route(planRoute(game.session.played.level)) {
    lastPlayerPosition = game.player->position;
    rememberPlatforms();
}

glm::vec2 AutoPilot::whereIs(size_t routeStop) const {
    const RouteStop& s = route[routeStop];
    return flat(game.platforms[s.platform]->position) + s.offset;
}

glm::vec2 AutoPilot::platformVelocity(int platform) const {
    if (game.deltaTime <= 0.0f) {
        return glm::vec2(0.0f);
    }
    return (flat(game.platforms[platform]->position) - flat(lastPlatformPositions[platform])) /
           game.deltaTime;
}

bool AutoPilot::standing() const {
    return !game.player->airborne;
}

void AutoPilot::act() {
    resumeIfSentBack();
    if (airborne && standing()) {
        airborne = false;
    }
    // On a platform that moves, a frame's travel of it counts as there too: at 20 frames a
    // second a sprint after a fast swing overshoots the stop by more than kArrived.
    const float near =
        kArrived + glm::length(platformVelocity(route[stop].platform)) * game.deltaTime;
    const bool arrived =
        glm::length(whereIs(stop) - flat(game.player->position)) < near && standing();
    if (arrived && stop + 1 < route.size()) {
        if (route[stop + 1].platform == route[stop].platform) {
            ++stop;
        } else {
            decideJump();
        }
    } else {
        hold(keyFor("JUMP"), false);
    }
    const glm::vec2 target = whereIs(stop);
    const bool far = glm::length(target - flat(game.player->position)) > kSprintBeyond;
    // A platform that swings faster than a walk is only kept up with at a sprint.
    const bool chasing = glm::length(platformVelocity(route[stop].platform)) > kOutwalks;
    steerTowards(target, airborne || far || chasing);
    rememberPlatforms();
    lastPlayerPosition = game.player->position;
}

// A loss puts the character back at the start or at a checkpoint: the route goes on from the
// first stop on the platform it stands on.
void AutoPilot::resumeIfSentBack() {
    if (glm::length(game.player->position - lastPlayerPosition) <= kSentBack) {
        return;
    }
    airborne = false;
    const glm::vec2 at = flat(game.player->position);
    int nearest = 0;
    for (int i = 0; i < static_cast<int>(game.platforms.size()); ++i) {
        if (glm::distance(flat(game.platforms[i]->position), at) <
            glm::distance(flat(game.platforms[nearest]->position), at)) {
            nearest = i;
        }
    }
    stop = 0;
    while (stop + 1 < route.size() && route[stop].platform < nearest) {
        ++stop;
    }
}

// No jump while slowed: a slowed jump falls short of most gaps.
void AutoPilot::decideJump() {
    if (game.player->slowTimer > 0.0f) {
        hold(keyFor("JUMP"), false);
        return;
    }
    const glm::vec2 landing =
        whereIs(stop + 1) + platformVelocity(route[stop + 1].platform) * kFlightLookAhead;
    const glm::vec2 gap = landing - flat(game.player->position);
    if (std::abs(gap.x) <= kJumpReach && std::abs(gap.y) <= kJumpReach) {
        hold(keyFor("JUMP"), true);
        airborne = true;
        ++stop;
    } else {
        hold(keyFor("JUMP"), false);
    }
}

// The keys move the character relative to its facing: facing 0 looks along -z, 90 along -x.
void AutoPilot::steerTowards(glm::vec2 target, bool sprint) {
    const glm::vec2 d = target - flat(game.player->position);
    const float facing = glm::radians(game.player->rotation.y);
    const glm::vec2 forward(-std::sin(facing), -std::cos(facing));
    const glm::vec2 right(std::cos(facing), -std::sin(facing));
    const float ahead = glm::dot(d, forward);
    const float aside = glm::dot(d, right);
    hold(keyFor("RIGHT"), aside > kDeadZone);
    hold(keyFor("LEFT"), aside < -kDeadZone);
    hold(keyFor("BACKWARD"), ahead < -kDeadZone);
    hold(keyFor("FORWARD"), ahead > kDeadZone);
    hold(keyFor("SPRINT"), sprint);
}

int AutoPilot::keyFor(const char* action) const {
    return game.options.keyBindings.at(action);
}

void AutoPilot::hold(int key, bool down) {
    const bool isHeld = held.count(key) > 0;
    if (down && !isHeld) {
        input.press(key);
        held.insert(key);
    } else if (!down && isHeld) {
        input.release(key);
        held.erase(key);
    }
}

void AutoPilot::rememberPlatforms() {
    lastPlatformPositions.clear();
    for (const GameObject* platform : game.platforms) {
        lastPlatformPositions.push_back(platform->position);
    }
}
