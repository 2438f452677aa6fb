#include "gameplay/Player.h"

#include <GLFW/glfw3.h>

#include <cmath>

#include "app/Toggles.h"
#include "gameplay/Keys.h"
#include "render/Angles.h"

namespace {

const float kSprintFactor = 2.0f;
const float kRightAngle = 90.0f;  // degrees

}  // namespace

void Player::processKeyboard(GLFWwindow* window, float deltaTime) {
    if (debugCamera) {
        return;
    }
    const bool sprinting =
        glfwGetKey(window, GLFW_KEY_LEFT_SHIFT) == GLFW_PRESS && slowTimer == 0.0f;
    const float step = (sprinting ? kSprintFactor * speed : speed) * deltaTime;

    // Directions relative to the facing: at rotation 0 forward is -z and right is +x.
    const float a = rotation.y * kDegreesToRadians;
    const float b = (kRightAngle - rotation.y) * kDegreesToRadians;
    const std::pair<const char*, glm::vec3> moves[] = {
        {"FORWARD", glm::vec3(-std::sin(a), 0.0f, -std::cos(a))},
        {"BACKWARD", glm::vec3(std::sin(a), 0.0f, std::cos(a))},
        {"LEFT", glm::vec3(-std::sin(b), 0.0f, std::cos(b))},
        {"RIGHT", glm::vec3(std::sin(b), 0.0f, -std::cos(b))},
    };
    for (const auto& [action, direction] : moves) {
        if (isActionDown(window, keyBindings, action)) {
            move(direction * step);
        }
    }

    if (glfwGetKey(window, GLFW_KEY_SPACE) == GLFW_PRESS && !isJumping) {
        velocity.y = jumpSpeed;
        isJumping = true;
    }
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
