#include "gameplay/Camera.h"

#include "gameplay/CameraClearance.h"
#include "gameplay/MouseLook.h"
#include "render/Model.h"

#include <glm/gtc/matrix_transform.hpp>

Camera camera;

void Camera::updateVectors() {
    const float y = yaw * kDegreesToRadians;
    const float p = pitch * kDegreesToRadians;
    const float sense = debugMode ? 1.0f : -1.0f;
    front = glm::normalize(
        glm::vec3(std::cos(y) * std::cos(p), sense * std::sin(p), std::sin(y) * std::cos(p)));
    right = glm::normalize(glm::cross(front, worldUp));
    up = glm::normalize(glm::cross(right, front));
}

void Camera::processKeyboard(const InputSnapshot& input, float deltaTime) {
    const float step = movementSpeed * deltaTime;
    const std::pair<Action, glm::vec3> moves[] = {
        {Action::Forward, front}, {Action::Backward, -front}, {Action::Left, -right},
        {Action::Right, right},   {Action::Up, up},           {Action::Down, -up},
    };
    for (const auto& [action, direction] : moves) {
        if (input.held.has(action)) {
            position += direction * step;
        }
    }
    position += (front * input.walkForward + right * input.walkRight) * step;
}

void Camera::switchMode(bool debug) {
    if (debug) {
        savedPosition = position;
        savedFront = front;
        savedPitch = pitch;
        savedYaw = yaw;
    }
    debugMode = debug;
    position = savedPosition;
    front = savedFront;
    pitch = savedPitch;
    yaw = savedYaw;
    updateVectors();
}

namespace {

const float kDebugMaxPitch = 89.0f;    // degrees
const float kLowestPitchShare = 0.5f;  // the pitch may go half as far below 0 as above
const float kFollowHeight = 1.5f;      // units above the target's origin

}  // namespace

void Camera::look(double xOffset, double yOffset) {
    const float sense = debugMode ? 1.0f : -1.0f;
    pitch += mouseTurnDegrees(yOffset, sensitivity) * sense;
    yaw += mouseTurnDegrees(xOffset, sensitivity);

    const float limit = debugMode ? kDebugMaxPitch : maxPitch;
    if (pitch > limit) {
        pitch = limit;
    } else if (pitch < -kLowestPitchShare * limit) {
        pitch = -kLowestPitchShare * limit;
    }
    if (yaw > yawWrap) {
        yaw -= yawWrap;
    } else if (yaw < -yawWrap) {
        yaw += yawWrap;
    }
}

void Camera::follow() {
    const float p = pitch * kDegreesToRadians;
    const float horizontal = std::cos(p) * distance;
    const float around = (target->rotation.y + angleAroundTarget) * kDegreesToRadians;
    position.x = target->position.x + std::sin(around) * horizontal;
    position.z = target->position.z + std::cos(around) * horizontal;
    position.y = target->position.y + kFollowHeight + std::sin(p) * distance;
    lookedAt = target->position + glm::vec3(0.0f, kFollowHeight, 0.0f);
}

void Camera::keepClear(const std::vector<Box>& boxes, float deltaTime) {
    position = clearPlace(lookedAt, position, boxes, deltaTime, heldReach);
}

glm::mat4 Camera::viewMatrix() const {
    return glm::lookAt(position, position + front, worldUp);
}
