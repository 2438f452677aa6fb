#include "app/settings/KeyNames.h"

#include <GLFW/glfw3.h>

#include <cctype>
#include <iterator>
#include <string>

#include "app/settings/Translate.h"

namespace {

const struct {
    int key;
    const char* name;
} kNamedKeys[] = {
    {GLFW_KEY_SPACE, N_("Space")},
    {GLFW_KEY_ESCAPE, N_("Escape")},
    {GLFW_KEY_ENTER, N_("Enter")},
    {GLFW_KEY_TAB, N_("Tab")},
    {GLFW_KEY_BACKSPACE, N_("Backspace")},
    {GLFW_KEY_LEFT_SHIFT, N_("Left Shift")},
    {GLFW_KEY_RIGHT_SHIFT, N_("Right Shift")},
    {GLFW_KEY_LEFT_CONTROL, N_("Left Ctrl")},
    {GLFW_KEY_RIGHT_CONTROL, N_("Right Ctrl")},
    {GLFW_KEY_LEFT_ALT, N_("Left Alt")},
    {GLFW_KEY_RIGHT_ALT, N_("Right Alt")},
    // The arrow keys, by the way they point.
    {GLFW_KEY_UP, N_("Up")},
    {GLFW_KEY_DOWN, N_("Down")},
    {GLFW_KEY_LEFT, N_("Left")},
    {GLFW_KEY_RIGHT, N_("Right")},
};

}  // namespace

std::string keyName(int glfwKey) {
    for (const auto& named : kNamedKeys) {
        if (named.key == glfwKey) {
            return tr(named.name);
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
    return formatted(tr("key %d"), glfwKey);
}

std::string padButtonName(int glfwButton) {
    static const char* const kNames[] = {
        "A",
        "B",
        "X",
        "Y",
        N_("Left shoulder"),
        N_("Right shoulder"),
        N_("Back"),
        N_("Start"),
        N_("Guide"),
        N_("Left stick press"),
        N_("Right stick press"),
        N_("D-pad up"),
        N_("D-pad right"),
        N_("D-pad down"),
        N_("D-pad left"),
    };
    static_assert(std::size(kNames) == GLFW_GAMEPAD_BUTTON_LAST + 1, "a name for every button");
    return glfwButton >= 0 && glfwButton <= GLFW_GAMEPAD_BUTTON_LAST
               ? tr(kNames[glfwButton])
               : formatted(tr("button %d"), glfwButton);
}
