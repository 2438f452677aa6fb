#include "gameplay/Player.h"

#include <array>
#include <cmath>

#include "base/Angles.h"
#include "gameplay/MouseLook.h"
#include "gameplay/Touch.h"

namespace {

const float kRightAngle = 90.0f;  // degrees
const int kRestartHealth = 1;
// One step sounds per stride: about three a second walking, six sprinting.
const float kStrideLength = 1.7f;  // units

float horizontalLength(glm::vec3 motion) {
    return std::sqrt(motion.x * motion.x + motion.z * motion.z);
}

struct Move {
    Action action;
    glm::vec3 direction;
};
using Moves = std::array<Move, 4>;  // forward, backward, left, right

// Directions relative to the facing: at rotation 0 forward is -z and right is +x.
Moves movesFacing(float rotationY) {
    const float a = rotationY * kDegreesToRadians;
    const float b = (kRightAngle - rotationY) * kDegreesToRadians;
    return {{
        {Action::Forward, glm::vec3(-std::sin(a), 0.0f, -std::cos(a))},
        {Action::Backward, glm::vec3(std::sin(a), 0.0f, std::cos(a))},
        {Action::Left, glm::vec3(-std::sin(b), 0.0f, std::cos(b))},
        {Action::Right, glm::vec3(std::sin(b), 0.0f, -std::cos(b))},
    }};
}

// The stick's tilt and the held keys together, no longer than one walk: a stick pushed
// diagonally, or pushed along with a key, must not walk faster than either alone.
glm::vec3 walkDirection(const InputSnapshot& input, const Moves& moves) {
    glm::vec3 direction =
        moves[0].direction * input.walkForward + moves[3].direction * input.walkRight;
    for (const Move& key : moves) {
        if (input.held.has(key.action)) {
            direction += key.direction;
        }
    }
    const float length = horizontalLength(direction);
    return length > 1.0f ? direction / length : direction;
}

}  // namespace

void Player::processKeyboard(const InputSnapshot& input, float deltaTime,
                             std::vector<Event>& events) {
    const bool sprinting = input.held.has(Action::Sprint) && slowTimer == 0.0f;
    const float step = (sprinting ? motion::kSprintFactor * speed : speed) * deltaTime;

    const Moves moves = movesFacing(rotation.y);
    glm::vec3 walked(0.0f);
    if (input.walkRight == 0.0f && input.walkForward == 0.0f) {
        // Keys alone: each held key moves by itself, so two together walk a diagonal faster.
        for (const auto& [action, direction] : moves) {
            if (input.held.has(action)) {
                move(direction * step);
                walked += direction * step;
            }
        }
    } else {
        walked = walkDirection(input, moves) * step;
        move(walked);
    }
    countStride(horizontalLength(walked), events);

    // Held, not pressed: holding the jump jumps again on the frame after each landing.
    if (input.held.has(Action::Jump) && !isJumping) {
        velocity.y = jumpSpeed;
        isJumping = true;
        events.push_back(Event::of(Event::Jump));
    }
}

// The first stride sounds as soon as the player sets off; none sound in the air.
void Player::countStride(float distance, std::vector<Event>& events) {
    if (distance == 0.0f) {
        strideLeft = 0.0f;
        return;
    }
    if (airborne) {
        return;
    }
    strideLeft -= distance;
    if (strideLeft <= 0.0f) {
        events.push_back(Event::of(Event::Step));
        strideLeft += kStrideLength;
    }
}

void Player::turn(double xOffset) {
    rotate(glm::vec3(0.0f, -mouseTurnDegrees(xOffset, turnSpeed), 0.0f));
}

void Player::applyPhysics(float deltaTime, std::vector<Event>& events) {
    // Semi-implicit Euler: the new velocity moves the player.
    move(flightStep(velocity, acceleration, deltaTime));
    if (floorHeight > position.y) {
        setPosition(glm::vec3(position.x, floorHeight, position.z));
        velocity.y = 0.0f;
        isJumping = false;
        if (airborne) {
            events.push_back(Event::of(Event::Landing));
        }
    }
    airborne = position.y > floorHeight;
}

void Player::updateSlowTimer(float deltaTime) {
    if (slowTimer > 0.0f) {
        speed = slowSpeed;
        slowTimer -= deltaTime;
    } else if (slowTimer < 0.0f) {
        slowTimer = 0.0f;
        speed = motion::kSprintFactor * slowSpeed;
    }
}

void Player::takeHealthPack() {
    health += touch::kHealthGain;
}

void Player::springTrap() {
    slowTimer = touch::kSlowSeconds;
    health += touch::kTrapDamage;
}

void Player::startOver() {
    health = kRestartHealth;
    slowTimer = -1.0f;
    airborne = false;  // a new start, not a landing
    setPosition(restartPosition);
    setPivot(restartPosition);
}

void Player::startAfresh(glm::vec3 place, glm::vec3 pivotPoint, float facing) {
    startOver();
    setPosition(place);
    setPivot(pivotPoint);
    setRotation(glm::vec3(0.0f, facing, 0.0f));
    velocity = glm::vec3(0.0f);
    isJumping = false;
    goalReached = false;
    slowTimer = 0.0f;
    speed = motion::kSprintFactor * slowSpeed;
    strideLeft = 0.0f;
}
