#include "app/Game.h"
#include "gameplay/Camera.h"

void Game::applyOptions() {
    fov = options.fov;
    brightness = options.brightness;
    camera.sensitivity = options.sensitivity;
    player->turnSpeed = options.sensitivity;
    invertY = options.invertY;
    keyBindings = options.keyBindings;
    keyboard = Keyboard(keyBindings);
    hudVisible = options.hudEnabled;
    pauseOnFocusLoss = options.pauseOnFocusLoss;
}

void Game::applyWindow() {
    GLFWmonitor* monitor = options.fullscreen ? glfwGetPrimaryMonitor() : nullptr;
    int x = 0, y = 0;
    glfwGetWindowPos(window, &x, &y);
    glfwSetWindowMonitor(window, monitor, x, y, options.width, options.height, options.refreshRate);
}
