#include "app/Game.h"
#include "app/input/Toggles.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLayout.h"
#include "gameplay/MouseLook.h"

void Game::readInput() {
    controls.read(window, events);
    InputSnapshot& input = controls.input;
    // A screenshot is no part of play: asked for here, even while a replay's input stands in
    // for the player's, and kept out of the recording.
    if (input.pressed.has(Action::Screenshot)) {
        ui.askScreenshot();
    }
    input.held.set(Action::Screenshot, false);
    input.pressed.set(Action::Screenshot, false);
    input.released.set(Action::Screenshot, false);
    latchSprint();

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
    input.mouseY = options.invertY ? -yOffset : yOffset;
    input.lookUp = options.invertY ? -input.lookUp : input.lookUp;
}

// With the sprint as a toggle, each press of a sprint key or button switches it, and the rules
// see it held until the next: the recording keeps it as held, so a replay needs no option.
void Game::latchSprint() {
    if (!options.sprintToggle) {
        run.sprintLatched = false;
        return;
    }
    if (controls.input.pressed.has(Action::Sprint)) {
        run.sprintLatched = !run.sprintLatched;
    }
    controls.input.held.set(Action::Sprint, run.sprintLatched);
}

// The player's own frame: F11 and Alt+Enter switch the screen, and P and the rest pause.
bool Game::takeLiveFrame() {
    if (controls.input.pressed.has(Action::FullScreen)) {
        toggleFullScreen();
    }
    checkPause();
    return !paused;
}

void Game::quitOnEscape() {
    // A held Escape closes at once; the loop ends before its release is ever delivered. While
    // paused, Escape is the panels'; during a play-test, its release goes back to the editor.
    if (controls.input.held.has(Action::Quit) && !paused && !editor) {
        glfwSetWindowShouldClose(window, true);
    }
}

void Game::processInput() {
    quitOnEscape();
    camera.processKeyboard(controls.input, deltaTime);
    // While the debug camera flies, the keys and the mouse are the camera's alone.
    if (!debugCamera) {
        player->processKeyboard(controls.input, deltaTime, events);
    }
    lights[0]->position = player->position + level::kPlayerLightOffset;
}

// The mouse's movement is the frame's, turned in its first step; the stick's tilt is held over
// every step.
void Game::processMouseInput(bool firstStep) {
    const double mouseX = firstStep ? controls.input.mouseX : 0.0;
    const double mouseY = firstStep ? controls.input.mouseY : 0.0;
    const double turnX = lookPixels(mouseX, controls.input.lookRight, deltaTime);
    const double turnY = lookPixels(mouseY, controls.input.lookUp, deltaTime);
    if (!debugCamera) {
        player->turn(turnX);
    }
    camera.look(turnX, turnY);
    if (!camera.debugMode) {
        camera.follow();
    }
}
