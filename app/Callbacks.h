#pragma once

struct GLFWwindow;

// Hands every key to the game's keyboard for the frame's input. Function keys and the Escape
// message act on release only, and add their events to the frame's list; presses and
// repeats are ignored.
void keyCallback(GLFWwindow* window, int key, int scancode, int action, int mods);

// Notes a lost focus for the game, which may pause after the poll.
void windowFocusCallback(GLFWwindow* window, int focused);

void scrollCallback(GLFWwindow* window, double xoffset, double yoffset);

// Registered only for a resizable window: the viewport follows the framebuffer.
void framebufferResizeCallback(GLFWwindow* window, int width, int height);
