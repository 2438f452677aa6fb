#include "app/Game.h"

void Game::checkPause() {
    // The results stay until the player picks what comes next.
    if (controls.input.pressed.has(Action::Pause) && !session.results) {
        setPaused(!paused);
    }
    // A window that has the focus back by the end of the poll has not really lost it: a
    // window just shown can see its focus go and come back as it takes it.
    if (controls.takeLostFocus() && options.pauseOnFocusLoss && !paused &&
        !glfwGetWindowAttrib(window, GLFW_FOCUSED)) {
        setPaused(true);
    }
    // A player whose pad went away has nothing left to steer with: the game waits.
    if (controls.gamepad.lostPadInUse() && !paused) {
        setPaused(true);
    }
}

void Game::setPaused(bool pause) {
    paused = pause;
    // The cursor is the player's while paused, and the editor's while editing. The free cursor's
    // travel turns nothing: the motion of this frame is dropped, and the next reading only sets the
    // reference.
    glfwSetInputMode(window, GLFW_CURSOR,
                     paused || editing() ? GLFW_CURSOR_NORMAL : GLFW_CURSOR_DISABLED);
    firstMouse = true;
    xOffset = yOffset = controls.input.mouseX = controls.input.mouseY = 0.0;
    if (!paused) {
        controls.gamepad.holdBackButtons();
        // A key or a button that the options still wait for when play resumes (the mouse can
        // leave them waiting) is given up: the panels keep the old one, and play has them all.
        controls.wait.giveUp();
    }
}

void Game::quit() {
    events.push_back(Event::of(Event::Quit));
    glfwSetWindowShouldClose(window, true);
}
