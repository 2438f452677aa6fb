#include "app/Callbacks.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "app/Game.h"

void keyCallback(GLFWwindow* window, int key, int /*scancode*/, int action, int mods) {
    auto* game = static_cast<Game*>(glfwGetWindowUserPointer(window));
    if (!game) {
        return;
    }
    // A key pressed for the options is theirs alone, up to its release.
    if (game->controls.wait.takesKey(key, action)) {
        return;
    }
    // While a replay plays, its own keys act; the watcher's Escape still quits and the pause
    // key pauses.
    if (game->session.playback && key != GLFW_KEY_ESCAPE &&
        !game->controls.keyboard.isKeyOf(Action::Pause, key)) {
        return;
    }
    // While paused the keys are the panels' (Escape goes back a step there), up to their
    // release, even when the panel resumes play before it.
    if (game->paused && action == GLFW_PRESS) {
        game->controls.keyboard.holdBack(key);
    }
    if (!game->controls.keyboard.onKey(key, action, mods) || action != GLFW_RELEASE) {
        return;
    }
    // With an editor, Escape is its own: back from a play-test, or a question before quitting
    // with unsaved changes. While editing, the function keys are the editor's.
    if (key == GLFW_KEY_ESCAPE) {
        if (game->paused) {
            return;
        }
        if (game->editor) {
            game->escapeInEditor();
        } else {
            game->quit();
        }
    } else if (const Action toggle = Keyboard::toggleOf(key);
               toggle != Action::Count && !game->editing()) {
        game->applyToggle(toggle);
    }
}

void shortcutKeyCallback(GLFWwindow* window, int key, int scancode, int action, int mods) {
    auto* game = static_cast<Game*>(glfwGetWindowUserPointer(window));
    if (!game) {
        return;
    }
    game->controls.passKey(window, key, scancode, action, mods);
}

void windowFocusCallback(GLFWwindow* window, int focused) {
    auto* game = static_cast<Game*>(glfwGetWindowUserPointer(window));
    if (game && !focused) {
        game->controls.loseFocus();
    }
}

void windowCloseCallback(GLFWwindow* window) {
    auto* game = static_cast<Game*>(glfwGetWindowUserPointer(window));
    if (game && game->editor && game->editor->unsaved()) {
        glfwSetWindowShouldClose(window, GLFW_FALSE);
        game->quitUnlessUnsaved();
    }
}

void scrollCallback(GLFWwindow* /*window*/, double /*xoffset*/, double /*yoffset*/) {}

void framebufferResizeCallback(GLFWwindow* /*window*/, int width, int height) {
    glViewport(0, 0, width, height);
}
