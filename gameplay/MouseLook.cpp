#include "app/Game.h"
#include "app/Toggles.h"
#include "gameplay/Camera.h"

void Game::processMouseInput() {
    glfwGetCursorPos(window, &cursorX, &cursorY);
    // The first reading only sets the reference, so the view does not jump at start.
    if (firstMouse) {
        lastX = cursorX;
        lastY = cursorY;
        firstMouse = false;
    }
    xOffset = cursorX - lastX;
    yOffset = lastY - cursorY;
    lastX = cursorX;
    lastY = cursorY;

    if (!debugCamera) {
        const float turn = static_cast<float>(player->turnSpeed * xOffset);
        player->rotate(glm::vec3(0.0f, -turn * deltaTime, 0.0f));
    }
    camera.look(xOffset, yOffset, deltaTime);
    if (!camera.debugMode) {
        camera.follow();
    }
}
