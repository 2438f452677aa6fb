#include "app/Callbacks.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "app/Game.h"
#include "app/Toggles.h"
#include "gameplay/Camera.h"

namespace {

bool flip(Game& game, bool& toggle, Action action) {
    toggle = !toggle;
    game.toldToggle(action, toggle);
    return toggle;
}

}  // namespace

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
    if (key == GLFW_KEY_ESCAPE) {
        if (!game->paused) {
            game->quit();
        }
    } else if (const Action toggle = Keyboard::toggleOf(key); toggle != Action::Count) {
        applyToggle(*game, toggle);
    }
}

void applyToggle(Game& game, Action toggle) {
    switch (toggle) {
        case Action::Wireframe:
            glPolygonMode(GL_FRONT_AND_BACK,
                          flip(game, wireframe, Action::Wireframe) ? GL_LINE : GL_FILL);
            break;
        case Action::Culling:
            if (flip(game, culling, Action::Culling)) {
                glEnable(GL_CULL_FACE);
            } else {
                glDisable(GL_CULL_FACE);
            }
            break;
        case Action::DebugCamera:
            camera.switchMode(flip(game, debugCamera, Action::DebugCamera));
            break;
        case Action::CelShading:
            flip(game, celShading, Action::CelShading);
            break;
        case Action::Contour:
            flip(game, contour, Action::Contour);
            break;
        case Action::Specular:
            flip(game, specular, Action::Specular);
            break;
        case Action::Hud:
            game.toldToggle(Action::Hud, game.ui.flipHud());
            break;
        case Action::FrameOverlay:
            game.toldToggle(Action::FrameOverlay, game.ui.flipFrameOverlay());
            break;
        default:
            break;
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

void scrollCallback(GLFWwindow* /*window*/, double /*xoffset*/, double /*yoffset*/) {}

void framebufferResizeCallback(GLFWwindow* /*window*/, int width, int height) {
    glViewport(0, 0, width, height);
}
