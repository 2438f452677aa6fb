#include "gameplay/Camera.h"

#include "gameplay/Keys.h"

#include <GLFW/glfw3.h>

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

void Camera::processKeyboard(GLFWwindow* window, float deltaTime) {
    const float step = movementSpeed * deltaTime;
    const std::pair<const char*, glm::vec3> moves[] = {
        {"FORWARD", front}, {"BACKWARD", -front}, {"LEFT", -right},
        {"RIGHT", right},   {"UP", up},           {"DOWN", -up},
    };
    for (const auto& [action, direction] : moves) {
        if (isActionDown(window, keyBindings, action)) {
            position += direction * step;
        }
    }
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

glm::mat4 Camera::viewMatrix() const {
    return glm::lookAt(position, position + front, worldUp);
}
