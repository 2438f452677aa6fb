#include "gameplay/JumpReach.h"

#include <algorithm>

#include "gameplay/Footprints.h"
#include "gameplay/PlayerMotion.h"
#include "gameplay/RecordRun.h"

namespace {

// The paces a jump is foreseen at: the one the game is made for, and the longest step the
// rules take (the autopilot wins the pack at both).
constexpr float kUsualStepSeconds = 1.0f / 60.0f;
const float kStepsSeconds[] = {kUsualStepSeconds, kLongestStepSeconds};
// Deeper than any fall a level allows, which ends at its loss height.
constexpr float kDeepestDrop = 40000.0f;  // units

// The step order of the game's update: the walk moves the player and the floor test looks
// where it stands, then the flight step moves it up or down, onto the floor when it is below.
float reachAtStep(float rise, float speed, float seconds) {
    const float lowestCaught = std::max(rise, -kDeepestDrop) - footprint::kPlatformBand;
    const glm::vec3 gravity(0.0f, kGameGravity, 0.0f);
    glm::vec3 velocity(0.0f, motion::kJumpSpeed, 0.0f);
    float height = 0.0f;
    float walked = 0.0f;
    float reach = 0.0f;
    while (velocity.y > 0.0f || height >= lowestCaught) {
        walked += speed * seconds;
        if (height >= lowestCaught && height <= rise + footprint::kPlatformBand) {
            reach = walked;  // over the platform now, it would hold the player up
        }
        height += flightStep(velocity, gravity, seconds).y;
    }
    return reach;
}

}  // namespace

float jumpReach(float rise, bool sprint) {
    const float speed = sprint ? motion::kSprintFactor * motion::kWalkSpeed : motion::kWalkSpeed;
    float reach = reachAtStep(rise, speed, kStepsSeconds[0]);
    for (const float seconds : kStepsSeconds) {
        reach = std::min(reach, reachAtStep(rise, speed, seconds));
    }
    return reach;
}
