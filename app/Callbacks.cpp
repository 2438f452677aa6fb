#include "app/Callbacks.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "app/Game.h"
#include "app/Toggles.h"
#include "base/Console.h"
#include "gameplay/Camera.h"

namespace {

bool flip(bool& toggle, const char* label) {
    toggle = !toggle;
    printLine(label, toggle ? "ON" : "OFF");
    return toggle;
}

}  // namespace

void keyCallback(GLFWwindow* window, int key, int /*scancode*/, int action, int /*mods*/) {
    if (auto* game = static_cast<Game*>(glfwGetWindowUserPointer(window))) {
        game->keyboard.onKey(key, action);
    }
    if (action != GLFW_RELEASE) {
        return;
    }
    switch (key) {
        case GLFW_KEY_ESCAPE:
            printLine("Game has been quit.");
            glfwSetWindowShouldClose(window, true);
            break;
        case GLFW_KEY_F1:
            glPolygonMode(GL_FRONT_AND_BACK, flip(wireframe, "WIREFRAME: ") ? GL_LINE : GL_FILL);
            break;
        case GLFW_KEY_F2:
            if (flip(culling, "CULLING: ")) {
                glEnable(GL_CULL_FACE);
            } else {
                glDisable(GL_CULL_FACE);
            }
            break;
        case GLFW_KEY_F3:
            camera.switchMode(flip(debugCamera, "DEBUG CAMERA: "));
            break;
        case GLFW_KEY_F4:
            flip(celShading, "CELSHADING: ");
            break;
        case GLFW_KEY_F5:
            flip(contour, "CONTOUR: ");
            break;
        case GLFW_KEY_F6:
            flip(specular, "SPECULAR: ");
            break;
        default:
            break;
    }
}

void scrollCallback(GLFWwindow* /*window*/, double /*xoffset*/, double /*yoffset*/) {}

void framebufferResizeCallback(GLFWwindow* /*window*/, int width, int height) {
    glViewport(0, 0, width, height);
}
