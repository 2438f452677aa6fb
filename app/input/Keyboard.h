#pragma once

#include <array>

#include "app/settings/Translate.h"
#include "base/KeyBindings.h"
#include "gameplay/InputSnapshot.h"

struct GLFWwindow;

// The actions that the settings bind to keys: their names there, and as the player reads them
// (in English, for tr()).
struct BoundAction {
    Action action;
    const char* name;
    const char* label;
};
inline const BoundAction kBoundActions[] = {
    {Action::Forward, "FORWARD", N_("Forward")},
    {Action::Backward, "BACKWARD", N_("Backward")},
    {Action::Left, "LEFT", N_("Left")},
    {Action::Right, "RIGHT", N_("Right")},
    {Action::Jump, "JUMP", N_("Jump")},
    {Action::Sprint, "SPRINT", N_("Sprint")},
    {Action::Pause, "PAUSE", N_("Pause and resume")},
    {Action::Up, "UP", N_("Debug camera up")},
    {Action::Down, "DOWN", N_("Debug camera down")},
};

// The keyboard as actions: the bound actions' keys by their bindings, the others fixed. Held
// keys are polled after the window's events; presses and releases are collected from the key
// callback during the poll, so that a tap within one frame is seen too.
class Keyboard {
public:
    explicit Keyboard(const KeyBindings& bindings);

    // The meaning of its own that the key has, which no binding changes (Escape, F1...);
    // Action::Count for a key that has none.
    static Action fixedActionOf(int key);
    static bool isFixedKey(int key);
    // The display toggle that the key stands for; Action::Count for a key that is none.
    static Action toggleOf(int key);
    // Whether the key event is the Enter of Alt+Enter, which switches full screen.
    static bool isFullScreenEnter(int key, int mods);

    // Whether `key` is the one that the action is bound to, or fixed to.
    bool isKeyOf(Action action, int key) const;

    // Called by the key callback with GLFW's key, action and modifiers; repeats are not
    // presses. False for the release of a key held back, which nothing else is to hear of.
    bool onKey(int key, int action, int mods);

    // A key pressed for the panels stays theirs until it is let go: should play resume
    // meanwhile, it sees the key's actions not held, and hears nothing of its release.
    void holdBack(int key);

    // Writes the held actions and those pressed and released since the last call.
    void read(GLFWwindow* window, InputSnapshot& snapshot);

private:
    std::array<int, kActionCount> keys;  // GLFW key code of each action
    ActionSet heldBack;                  // by holdBack, until their keys' release
    ActionSet pressed;
    ActionSet released;
};
