#pragma once

#include <GLFW/glfw3.h>

#include <vector>

#include "app/input/Gamepad.h"
#include "app/input/KeyWait.h"
#include "app/input/Keyboard.h"
#include "app/settings/Settings.h"
#include "gameplay/Event.h"
#include "gameplay/InputSnapshot.h"

// The player's hands on the game: the keyboard and the gamepads with their bindings, the
// frame's snapshot of what they hold, the options' waits for a key or a button, and the
// window's key and focus news that the callbacks bring.
class Controls {
public:
    explicit Controls(const Settings& settings);

    // The bindings of the settings, from then on.
    void bind(const Settings& settings);
    // Fills `input` from the keyboard and the pads, once per frame after the events; the pad
    // reaches no action while the options wait for one of its buttons.
    void read(GLFWwindow* window, std::vector<Event>& events);

    // The UI's key callback, which stands after the game's shortcuts and calls the game's own.
    void chainUi(GLFWkeyfun uiCallback) { uiKeyCallback = uiCallback; }
    // A key for the UI: the Enter of Alt+Enter goes to the keyboard alone, the rest to the UI.
    void passKey(GLFWwindow* window, int key, int scancode, int action, int mods);

    void loseFocus() { focusLost = true; }
    // Whether the focus went during this frame's poll; forgotten once asked.
    bool takeLostFocus();

    Keyboard keyboard;
    Gamepad gamepad;
    InputSnapshot input;  // this frame's, read right after the events are polled
    KeyWait wait;

private:
    GLFWkeyfun uiKeyCallback = nullptr;
    bool focusLost = false;
};
