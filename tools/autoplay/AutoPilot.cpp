#include "tools/autoplay/AutoPilot.h"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cmath>
#include <glm/gtc/constants.hpp>

#include "app/Game.h"
#include "gameplay/PlatformPath.h"
#include "tools/xdrive/XInput.h"

namespace {

const float kArrived = 0.3f;          // units from a stop
const float kDeadZone = 0.12f;        // units: closer than this on an axis, no key for it
const float kSprintBeyond = 1.0f;     // units: farther than this, sprint
const float kOutwalks = 4.0f;         // units per second of a platform's that a walk falls behind
const float kJumpReach = 7.0f;        // units on each axis that a sprinting jump covers safely
const float kFlightLookAhead = 0.6f;  // seconds of a platform's travel to allow for
const float kSentBack = 5.0f;         // units: a move this long in one frame is the restart
// Units of height from the feet's platform to the next one's top that a jump lands on: a
// jump's feet rise 0.82 and the floor test lifts them up to 1 more, as the jump carries over
// the gap; a drop only has to stay over the platform.
const float kClimb = 1.2f;
const float kDrop = 4.0f;
const float kFallenBelow = 3.0f;  // units over the loss height: a loss from there was a fall
// Seconds: whatever the level's platforms, waiting this long for a jump is waiting in vain.
const float kShortestGiveUpWait = 10.0f;
const int kRoundsToWaitFor = 2;

bool withinClimb(float rise) {
    return rise <= kClimb && rise >= -kDrop;
}

// The seconds past which the next platform will not come within a jump: twice the longest
// time any platform of the level takes to come back where it was.
float longestWaitIn(const Level& level) {
    float longest = 0.0f;
    for (const PlatformPiece& platform : level.platforms) {
        // A swing goes with the sine of the time in seconds.
        const float round = platform.swing ? glm::two_pi<float>() : pathRoundTrip(platform);
        longest = std::max(longest, round);
    }
    return std::max(kShortestGiveUpWait, kRoundsToWaitFor * longest);
}

glm::vec2 flat(const glm::vec3& v) {
    return glm::vec2(v.x, v.z);
}

}  // namespace

AutoPilot::AutoPilot(const Game& game, XInput& input)
    : game(game),
      input(input),
      route(planRoute(game.session.played.level)),
      longestWait(longestWaitIn(game.session.played.level)) {
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

// Units per second up.
float AutoPilot::platformClimb(int platform) const {
    if (game.deltaTime <= 0.0f) {
        return 0.0f;
    }
    return (game.platforms[platform]->position.y - lastPlatformPositions[platform].y) /
           game.deltaTime;
}

bool AutoPilot::standing() const {
    return !game.player->airborne;
}

void AutoPilot::act() {
    resumeIfSentBack();
    if (reason) {
        return;
    }
    const size_t before = stop;
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
    countWait(stop == before);
    rememberPlatforms();
    lastPlayerPosition = game.player->position;
}

// A loss puts the character back at the start or at a checkpoint: the route goes on from the
// first stop on the platform it stands on.
void AutoPilot::resumeIfSentBack() {
    if (glm::length(game.player->position - lastPlayerPosition) <= kSentBack) {
        return;
    }
    countLoss();
    airborne = false;
    waited = 0.0f;
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

// Where the last loss happened and how, as the give-up line names it.
std::string AutoPilot::lossPlace() const {
    const Level& level = game.session.played.level;
    if (lastPlayerPosition.y > game.run.lossHeight + kFallenBelow && !level.traps.empty()) {
        const glm::vec2 at = flat(lastPlayerPosition);
        const auto nearest = std::min_element(
            level.traps.begin(), level.traps.end(), [&](const Piece& a, const Piece& b) {
                return glm::distance(flat(a.at), at) < glm::distance(flat(b.at), at);
            });
        return "hit trap " + std::to_string(nearest - level.traps.begin() + 1);
    }
    const std::string on = std::to_string(route[stop].platform + 1);
    if (airborne && stop > 0) {
        return "fell between platform " + std::to_string(route[stop - 1].platform + 1) + " and " +
               on;
    }
    return "fell off platform " + on;
}

void AutoPilot::countLoss() {
    const std::string place = lossPlace();
    const int times = ++losses[place];
    if (times >= kLossesToGiveUp) {
        reason = "gave up: " + place + ", " + std::to_string(times) + " times";
    }
}

// Seconds of game time without reaching the next stop, which a platform that never comes
// within a jump makes endless.
void AutoPilot::countWait(bool waiting) {
    waited = waiting ? waited + game.deltaTime : 0.0f;
    if (waited <= longestWait || stop + 1 >= route.size()) {
        return;
    }
    reason = "gave up: waited " + std::to_string(static_cast<int>(waited)) + " s on platform " +
             std::to_string(route[stop].platform + 1) + " for platform " +
             std::to_string(route[stop + 1].platform + 1) + " to come within a jump";
}

// No jump while slowed: a slowed jump falls short of most gaps. A platform is jumped to once
// it will be within reach across, and within a climb or a drop of the feet's platform: a lift
// away up or down its shaft is waited for.
void AutoPilot::decideJump() {
    if (game.player->slowTimer > 0.0f) {
        hold(keyFor("JUMP"), false);
        return;
    }
    const int from = route[stop].platform;
    const int to = route[stop + 1].platform;
    const glm::vec2 landing = whereIs(stop + 1) + platformVelocity(to) * kFlightLookAhead;
    const glm::vec2 gap = landing - flat(game.player->position);
    // Now and as the jump lands: a lift coming down may still be too high to land on.
    const float rise = game.platforms[to]->position.y - game.platforms[from]->position.y;
    const float riseAtLanding = rise + platformClimb(to) * kFlightLookAhead;
    const bool across = std::abs(gap.x) <= kJumpReach && std::abs(gap.y) <= kJumpReach;
    if (across && withinClimb(rise) && withinClimb(riseAtLanding)) {
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
