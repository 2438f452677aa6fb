#pragma once

#include "app/Settings.h"

struct GLFWwindow;

// True while the key bound to the action is held. An action without a binding is never held.
bool isActionDown(GLFWwindow* window, const KeyBindings& keyBindings, const char* action);
