#include "gameplay/Keys.h"

#include <GLFW/glfw3.h>

bool isActionDown(GLFWwindow* window, const KeyBindings& keyBindings, const char* action) {
    const auto binding = keyBindings.find(action);
    return binding != keyBindings.end() && glfwGetKey(window, binding->second) == GLFW_PRESS;
}
