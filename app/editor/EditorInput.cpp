#include "app/editor/EditorInput.h"

#include <GLFW/glfw3.h>

namespace {

// The editor's own keys, which no binding changes.
const int kKeys[EditorInput::KeyCount] = {
    GLFW_KEY_LEFT,          GLFW_KEY_RIGHT,  GLFW_KEY_UP, GLFW_KEY_DOWN, GLFW_KEY_PAGE_UP,
    GLFW_KEY_PAGE_DOWN,     GLFW_KEY_DELETE, GLFW_KEY_D,  GLFW_KEY_Z,    GLFW_KEY_Y,
    GLFW_KEY_TAB,           GLFW_KEY_G,      GLFW_KEY_F5, GLFW_KEY_S,    GLFW_KEY_LEFT_BRACKET,
    GLFW_KEY_RIGHT_BRACKET, GLFW_KEY_HOME,
};

bool down(GLFWwindow* window, int key) {
    return glfwGetKey(window, key) == GLFW_PRESS;
}

}  // namespace

EditorInput EditorKeys::read(GLFWwindow* window, glm::vec2 cursorScale) {
    EditorInput input;
    for (int key = 0; key < EditorInput::KeyCount; ++key) {
        const bool now = down(window, kKeys[key]);
        input.pressed[key] = now && !held[key];
        input.released[key] = !now && held[key];
        held[key] = now;
    }
    input.control = down(window, GLFW_KEY_LEFT_CONTROL) || down(window, GLFW_KEY_RIGHT_CONTROL);
    input.shift = down(window, GLFW_KEY_LEFT_SHIFT) || down(window, GLFW_KEY_RIGHT_SHIFT);
    input.leftButton = glfwGetMouseButton(window, GLFW_MOUSE_BUTTON_LEFT) == GLFW_PRESS;
    input.leftPressed = input.leftButton && !leftHeld;
    leftHeld = input.leftButton;
    input.rightButton = glfwGetMouseButton(window, GLFW_MOUSE_BUTTON_RIGHT) == GLFW_PRESS;
    double x = 0.0;
    double y = 0.0;
    glfwGetCursorPos(window, &x, &y);
    input.cursor = glm::vec2(static_cast<float>(x), static_cast<float>(y)) * cursorScale;
    return input;
}
