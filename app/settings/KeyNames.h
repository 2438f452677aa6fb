#pragma once

#include <string>

// A key as the player knows it: "W", "Space", "Left Shift", "F3", "Up". Keys without a
// name of their own are shown by their GLFW code.
std::string keyName(int glfwKey);

// A gamepad button as GLFW's layout names it, after an Xbox pad: "A", "Start", "D-pad up".
std::string padButtonName(int glfwButton);
