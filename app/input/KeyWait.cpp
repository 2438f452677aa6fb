#include "app/input/KeyWait.h"

#include "app/input/Keyboard.h"

void KeyWait::awaitKey() {
    keyAwaited = true;
    pressedKey = GLFW_KEY_UNKNOWN;
}

int KeyWait::takeKey() {
    const int key = pressedKey;
    pressedKey = GLFW_KEY_UNKNOWN;
    return key;
}

void KeyWait::giveUp() {
    keyAwaited = false;
    pressedKey = GLFW_KEY_UNKNOWN;
    padButtonAwaited = false;
}

bool KeyWait::takesKey(int key, int action) {
    if (keyAwaited && action == GLFW_PRESS) {
        pressedKey = keyDown = key;
        keyAwaited = false;
        return true;
    }
    if (action == GLFW_RELEASE && key == keyDown) {
        keyDown = GLFW_KEY_UNKNOWN;
        return true;
    }
    return false;
}

bool KeyWait::holdsBackFromUi(int key, int action, int mods) {
    if (action == GLFW_PRESS && Keyboard::isFullScreenEnter(key, mods)) {
        heldBackKey = key;
    }
    if (key != heldBackKey) {
        return false;
    }
    if (action == GLFW_RELEASE) {
        heldBackKey = GLFW_KEY_UNKNOWN;
    }
    return true;
}
