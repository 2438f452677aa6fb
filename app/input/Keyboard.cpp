#include "app/input/Keyboard.h"

#include <GLFW/glfw3.h>

namespace {

const struct {
    Action action;
    int key;
} kFixedKeys[] = {
    {Action::Quit, GLFW_KEY_ESCAPE},     {Action::Wireframe, GLFW_KEY_F1},
    {Action::Culling, GLFW_KEY_F2},      {Action::DebugCamera, GLFW_KEY_F3},
    {Action::CelShading, GLFW_KEY_F4},   {Action::Contour, GLFW_KEY_F5},
    {Action::Specular, GLFW_KEY_F6},     {Action::Hud, GLFW_KEY_F7},
    {Action::FrameOverlay, GLFW_KEY_F8}, {Action::FullScreen, GLFW_KEY_F11},
    {Action::Screenshot, GLFW_KEY_F12},
};

Action actionAt(std::size_t index) {
    return static_cast<Action>(index);
}

}  // namespace

Action Keyboard::fixedActionOf(int key) {
    for (const auto& fixed : kFixedKeys) {
        if (fixed.key == key) {
            return fixed.action;
        }
    }
    return Action::Count;
}

bool Keyboard::isFixedKey(int key) {
    return fixedActionOf(key) != Action::Count;
}

Action Keyboard::toggleOf(int key) {
    const Action action = fixedActionOf(key);
    return isToggle(action) ? action : Action::Count;
}

bool Keyboard::isFullScreenEnter(int key, int mods) {
    return (key == GLFW_KEY_ENTER || key == GLFW_KEY_KP_ENTER) && (mods & GLFW_MOD_ALT);
}

bool Keyboard::isKeyOf(Action action, int key) const {
    return keys[static_cast<std::size_t>(action)] == key;
}

Keyboard::Keyboard(const KeyBindings& bindings) {
    keys.fill(GLFW_KEY_UNKNOWN);
    for (const BoundAction& bound : kBoundActions) {
        const auto binding = bindings.find(bound.name);
        if (binding != bindings.end()) {
            keys[static_cast<std::size_t>(bound.action)] = binding->second;
        }
    }
    for (const auto& fixed : kFixedKeys) {
        keys[static_cast<std::size_t>(fixed.action)] = fixed.key;
    }
}

bool Keyboard::onKey(int key, int action, int mods) {
    if (key == GLFW_KEY_UNKNOWN || action == GLFW_REPEAT) {
        return true;
    }
    if (action == GLFW_PRESS && isFullScreenEnter(key, mods)) {
        pressed.set(Action::FullScreen);
    }
    bool heard = true;
    // Two actions may share a key; each sees it.
    for (std::size_t i = 0; i < kActionCount; ++i) {
        if (keys[i] != key) {
            continue;
        }
        if (action == GLFW_RELEASE && heldBack.has(actionAt(i))) {
            heldBack.set(actionAt(i), false);
            heard = false;
        } else {
            (action == GLFW_PRESS ? pressed : released).set(actionAt(i));
        }
    }
    return heard;
}

void Keyboard::holdBack(int key) {
    for (std::size_t i = 0; i < kActionCount; ++i) {
        if (keys[i] == key && key != GLFW_KEY_UNKNOWN) {
            heldBack.set(actionAt(i));
        }
    }
}

void Keyboard::read(GLFWwindow* window, InputSnapshot& snapshot) {
    for (std::size_t i = 0; i < kActionCount; ++i) {
        snapshot.held.set(actionAt(i), keys[i] != GLFW_KEY_UNKNOWN && !heldBack.has(actionAt(i)) &&
                                           glfwGetKey(window, keys[i]) == GLFW_PRESS);
    }
    snapshot.pressed = pressed;
    snapshot.released = released;
    pressed.clear();
    released.clear();
}
