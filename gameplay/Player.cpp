#include "gameplay/Player.h"

#include <cmath>

#include "base/Angles.h"
#include "gameplay/MouseLook.h"
#include "gameplay/Touch.h"

namespace {

const float kSprintFactor = 2.0f;
const float kRightAngle = 90.0f;  // degrees
const glm::vec3 kRestartPosition(0.0f);
const int kRestartHealth = 1;

}  // namespace

void Player::processKeyboard(const InputSnapshot& input, float deltaTime) {
    const bool sprinting = input.held.has(Action::Sprint) && slowTimer == 0.0f;
    const float step = (sprinting ? kSprintFactor * speed : speed) * deltaTime;

    // Directions relative to the facing: at rotation 0 forward is -z and right is +x.
    const float a = rotation.y * kDegreesToRadians;
    const float b = (kRightAngle - rotation.y) * kDegreesToRadians;
    const std::pair<Action, glm::vec3> moves[] = {
        {Action::Forward, glm::vec3(-std::sin(a), 0.0f, -std::cos(a))},
        {Action::Backward, glm::vec3(std::sin(a), 0.0f, std::cos(a))},
        {Action::Left, glm::vec3(-std::sin(b), 0.0f, std::cos(b))},
        {Action::Right, glm::vec3(std::sin(b), 0.0f, -std::cos(b))},
    };
    for (const auto& [action, direction] : moves) {
        if (input.held.has(action)) {
            move(direction * step);
        }
    }

    // Held, not pressed: holding the jump jumps again on the frame after each landing.
    if (input.held.has(Action::Jump) && !isJumping) {
        velocity.y = jumpSpeed;
        isJumping = true;
    }
}

void Player::turn(double xOffset) {
    rotate(glm::vec3(0.0f, -mouseTurnDegrees(xOffset, turnSpeed), 0.0f));
}

void Player::applyPhysics(float deltaTime) {
    // Semi-implicit Euler: the new velocity moves the player.
    velocity += acceleration * deltaTime;
    move(velocity * deltaTime);
    if (floorHeight > position.y) {
        setPosition(glm::vec3(position.x, floorHeight, position.z));
        velocity.y = 0.0f;
        isJumping = false;
    }
}

void Player::updateSlowTimer(float deltaTime) {
    if (slowTimer > 0.0f) {
        speed = slowSpeed;
        slowTimer -= deltaTime;
    } else if (slowTimer < 0.0f) {
        slowTimer = 0.0f;
        speed = kSprintFactor * slowSpeed;
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
    setPosition(kRestartPosition);
    setPivot(kRestartPosition);
}
