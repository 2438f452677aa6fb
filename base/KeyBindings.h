#pragma once

#include <map>
#include <optional>
#include <string>

// Action ("FORWARD", "BACKWARD", "LEFT", "RIGHT", "UP", "DOWN", "JUMP", "SPRINT", "PAUSE") to
// GLFW key code. The transparent comparator finds an action by its literal name without
// building a string.
using KeyBindings = std::map<std::string, int, std::less<>>;

// W S A D for walking, R and F for the debug camera's up and down, Space (32) to jump, Left
// Shift (340) to sprint and P to pause; GLFW's key code of a printable key is its upper-case
// ASCII value.
inline const KeyBindings kDefaultKeyBindings = {
    {"FORWARD", 87}, {"BACKWARD", 83}, {"LEFT", 65},    {"RIGHT", 68}, {"UP", 82},
    {"DOWN", 70},    {"JUMP", 32},     {"SPRINT", 340}, {"PAUSE", 80},
};

// A gamepad's actions ("JUMP", "SPRINT", "PAUSE") to GLFW's gamepad buttons, which follow
// an Xbox pad's layout: A (0) jumps, X (2) sprints, Start (7) pauses.
inline const KeyBindings kDefaultPadBindings = {{"JUMP", 0}, {"SPRINT", 2}, {"PAUSE", 7}};

// Binds `code` to `action`. An action that had `code` takes the action's old one, so that no
// two share it: that old code, when it was so swapped.
inline std::optional<int> bindSwapping(KeyBindings& bindings, const char* action, int code) {
    std::optional<int> swapped;
    const int previous = bindings[action];
    for (auto& [other, otherCode] : bindings) {
        if (other != action && otherCode == code) {
            otherCode = previous;
            swapped = previous;
        }
    }
    bindings[action] = code;
    return swapped;
}
