#include "tools/autoplay/AutoPilot.h"

#include <GLFW/glfw3.h>

#include <cmath>

#include "app/Game.h"
#include "tools/xdrive/XInput.h"

namespace {

struct Stop {
    int platform;
    glm::vec2 offset;  // x and z from the platform's centre
};

// Where to stand, platform by platform: near side, far side, and what lies between. Traps are
// passed in the lane at x = +1.5, between their footprints; the health pack sits on platform 4.
const float kLane = 1.5f;  // units right of the centre line
const float kNear = 2.0f;  // units towards +z from a platform's centre
const float kFar = -2.8f;  // units towards -z; the edge is at -3
const Stop kRoute[] = {
    {0, {0.0f, kFar}},   {1, {0.0f, kNear}}, {1, {0.0f, kFar}},
    {2, {kLane, kNear}}, {2, {kLane, kFar}},  // beside trap11
    {3, {0.0f, kNear}},  {3, {0.0f, kFar}},  {4, {0.0f, kNear}},
    {4, {0.0f, 0.0f}},  // the health pack
    {4, {0.0f, kFar}},   {5, {0.0f, kNear}}, {5, {0.0f, kFar}},
    {6, {kLane, kNear}}, {6, {kLane, kFar}},  // between trap21 and trap23
    {7, {kLane, kNear}}, {7, {kLane, kFar}}, {8, {0.0f, kNear}},
    {8, {0.0f, kFar}},   {9, {0.0f, kNear}}, {9, {0.0f, 0.0f}},  // the goal
};
const size_t kStops = sizeof(kRoute) / sizeof(kRoute[0]);

const float kArrived = 0.3f;          // units from a stop
const float kDeadZone = 0.12f;        // units: closer than this on an axis, no key for it
const float kSprintBeyond = 1.0f;     // units: farther than this, sprint
const float kJumpReach = 7.0f;        // units on each axis that a sprinting jump covers safely
const float kFlightLookAhead = 0.6f;  // seconds of a platform's travel to allow for
const float kSentBack = 5.0f;         // units: a move this long in one frame is the restart
const float kStandingHeight = -0.5f;  // a platform's top
const float kStandingTolerance = 1e-3f;

glm::vec2 flat(const glm::vec3& v) {
    return glm::vec2(v.x, v.z);
}

}  // namespace

AutoPilot::AutoPilot(const Game& game, XInput& input) : game(game), input(input) {
    lastPlayerPosition = game.player->position;
    rememberPlatforms();
}

glm::vec2 AutoPilot::whereIs(size_t routeStop) const {
    const Stop& s = kRoute[routeStop];
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
    return std::abs(game.player->position.y - kStandingHeight) < kStandingTolerance;
}

void AutoPilot::act() {
    startOverIfSentBack();
    if (airborne && standing()) {
        airborne = false;
    }
    const bool arrived =
        glm::length(whereIs(stop) - flat(game.player->position)) < kArrived && standing();
    if (arrived && stop + 1 < kStops) {
        if (kRoute[stop + 1].platform == kRoute[stop].platform) {
            ++stop;
        } else {
            decideJump();
        }
    } else {
        hold(GLFW_KEY_SPACE, false);
    }
    const glm::vec2 target = whereIs(stop);
    const bool far = glm::length(target - flat(game.player->position)) > kSprintBeyond;
    steerTowards(target, airborne || far);
    rememberPlatforms();
    lastPlayerPosition = game.player->position;
}

void AutoPilot::startOverIfSentBack() {
    // A loss puts the character back at the start: the route begins again.
    if (glm::length(game.player->position - lastPlayerPosition) > kSentBack) {
        stop = 0;
        airborne = false;
    }
}

void AutoPilot::decideJump() {
    const glm::vec2 landing =
        whereIs(stop + 1) + platformVelocity(kRoute[stop + 1].platform) * kFlightLookAhead;
    const glm::vec2 gap = landing - flat(game.player->position);
    if (std::abs(gap.x) <= kJumpReach && std::abs(gap.y) <= kJumpReach) {
        hold(GLFW_KEY_SPACE, true);
        airborne = true;
        ++stop;
    } else {
        hold(GLFW_KEY_SPACE, false);
    }
}

void AutoPilot::steerTowards(glm::vec2 target, bool sprint) {
    const glm::vec2 d = target - flat(game.player->position);
    hold(keyFor("RIGHT"), d.x > kDeadZone);
    hold(keyFor("LEFT"), d.x < -kDeadZone);
    hold(keyFor("BACKWARD"), d.y > kDeadZone);
    hold(keyFor("FORWARD"), d.y < -kDeadZone);
    hold(GLFW_KEY_LEFT_SHIFT, sprint);
}

int AutoPilot::keyFor(const char* action) const {
    return game.keyBindings.at(action);
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
    for (int i = 0; i < level::kPlatformCount; ++i) {
        lastPlatformPositions[i] = game.platforms[i]->position;
    }
}
