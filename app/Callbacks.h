#pragma once

struct GLFWwindow;

// Hands every key to the game's keyboard for the frame's input. Function keys and Escape act
// on release only, presses and repeats are ignored; F1 to F8 and Escape add their events to
// the frame's list (F7 and F8, the HUD and the frame times, print nothing). While a replay
// plays, only Escape reaches the game.
void keyCallback(GLFWwindow* window, int key, int scancode, int action, int mods);

// Stands before the UI's key callback, which stands before keyCallback: the Enter of Alt+Enter
// goes to the game's keyboard alone, from its press to its release, so that it switches full
// screen and presses no button of a panel. Every other key goes down the chain.
void shortcutKeyCallback(GLFWwindow* window, int key, int scancode, int action, int mods);

// Notes a lost focus for the game, which may pause after the poll.
void windowFocusCallback(GLFWwindow* window, int focused);

// A window closed with changes in the editor not saved stays open, and the editor asks first.
void windowCloseCallback(GLFWwindow* window);

void scrollCallback(GLFWwindow* window, double xoffset, double yoffset);

// Registered only for a resizable window: the viewport follows the framebuffer.
void framebufferResizeCallback(GLFWwindow* window, int width, int height);
