#include "app/Game.h"
#include "app/Toggles.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLayout.h"

void Game::readInput() {
    keyboard.read(window, input);

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
    input.mouseX = xOffset;
    input.mouseY = invertY ? -yOffset : yOffset;
}

void Game::quitOnEscape() {
    // A held Escape closes at once; the loop ends before its release is ever delivered.
    if (input.held.has(Action::Quit)) {
        glfwSetWindowShouldClose(window, true);
    }
}

void Game::processInput() {
    quitOnEscape();
    camera.processKeyboard(input, deltaTime);
    // While the debug camera flies, the keys and the mouse are the camera's alone.
    if (!debugCamera) {
        player->processKeyboard(input, deltaTime, events);
    }
    lights[level::playerLight]->position = player->position + level::kPlayerLightOffset;
}

void Game::processMouseInput() {
    if (!debugCamera) {
        player->turn(input.mouseX);
    }
    camera.look(input.mouseX, input.mouseY);
    if (!camera.debugMode) {
        camera.follow();
    }
}
