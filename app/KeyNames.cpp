#include "app/KeyNames.h"

#include <GLFW/glfw3.h>

#include <cctype>
#include <iterator>
#include <string>

namespace {

const struct {
    int key;
    const char* name;
} kNamedKeys[] = {
    {GLFW_KEY_SPACE, "Space"},
    {GLFW_KEY_ESCAPE, "Escape"},
    {GLFW_KEY_ENTER, "Enter"},
    {GLFW_KEY_TAB, "Tab"},
    {GLFW_KEY_BACKSPACE, "Backspace"},
    {GLFW_KEY_LEFT_SHIFT, "Left Shift"},
    {GLFW_KEY_RIGHT_SHIFT, "Right Shift"},
    {GLFW_KEY_LEFT_CONTROL, "Left Ctrl"},
    {GLFW_KEY_RIGHT_CONTROL, "Right Ctrl"},
    {GLFW_KEY_LEFT_ALT, "Left Alt"},
    {GLFW_KEY_RIGHT_ALT, "Right Alt"},
    {GLFW_KEY_UP, "Up"},
    {GLFW_KEY_DOWN, "Down"},
    {GLFW_KEY_LEFT, "Left"},
    {GLFW_KEY_RIGHT, "Right"},
};

}  // namespace

std::string keyName(int glfwKey) {
    for (const auto& named : kNamedKeys) {
        if (named.key == glfwKey) {
            return named.name;
        }
    }
    if (glfwKey >= GLFW_KEY_F1 && glfwKey <= GLFW_KEY_F25) {
        return "F" + std::to_string(glfwKey - GLFW_KEY_F1 + 1);
    }
    // Printable keys by the character they give on this keyboard layout.
    if (const char* printable = glfwGetKeyName(glfwKey, 0)) {
        std::string name(printable);
        for (char& c : name) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        return name;
    }
    return "key " + std::to_string(glfwKey);
}

std::string padButtonName(int glfwButton) {
    static const char* const kNames[] = {
        "A",
        "B",
        "X",
        "Y",
        "Left shoulder",
        "Right shoulder",
        "Back",
        "Start",
        "Guide",
        "Left stick press",
        "Right stick press",
        "D-pad up",
        "D-pad right",
        "D-pad down",
        "D-pad left",
    };
    static_assert(std::size(kNames) == GLFW_GAMEPAD_BUTTON_LAST + 1, "a name for every button");
    return glfwButton >= 0 && glfwButton <= GLFW_GAMEPAD_BUTTON_LAST
               ? kNames[glfwButton]
               : "button " + std::to_string(glfwButton);
}
