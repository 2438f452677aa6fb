#include "app/input/Controls.h"

Controls::Controls(const Settings& settings)
    : keyboard(settings.keyBindings), gamepad(settings.padBindings) {}

void Controls::bind(const Settings& settings) {
    keyboard = Keyboard(settings.keyBindings);
    gamepad.bind(settings.padBindings);
}

void Controls::read(GLFWwindow* window, std::vector<Event>& events) {
    keyboard.read(window, input);
    InputSnapshot ignored;
    gamepad.read(wait.awaitingPadButton() ? ignored : input, events);
}

void Controls::passKey(GLFWwindow* window, int key, int scancode, int action, int mods) {
    if (wait.holdsBackFromUi(key, action, mods)) {
        keyboard.onKey(key, action, mods);
    } else if (uiKeyCallback) {
        uiKeyCallback(window, key, scancode, action, mods);
    }
}

bool Controls::takeLostFocus() {
    const bool lost = focusLost;
    focusLost = false;
    return lost;
}
