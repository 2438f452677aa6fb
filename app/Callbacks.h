#pragma once

struct GLFWwindow;

// Hands every key to the game's keyboard for the frame's input. Function keys and Escape act
// on release only, presses and repeats are ignored; F1 to F6 and Escape add their events to
// the frame's list, while F7 and F8 (the HUD, the frame times) only show or hide.
void keyCallback(GLFWwindow* window, int key, int scancode, int action, int mods);

// Notes a lost focus for the game, which may pause after the poll.
void windowFocusCallback(GLFWwindow* window, int focused);

void scrollCallback(GLFWwindow* window, double xoffset, double yoffset);

// Registered only for a resizable window: the viewport follows the framebuffer.
void framebufferResizeCallback(GLFWwindow* window, int width, int height);
