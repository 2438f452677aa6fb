#pragma once

#include <GLFW/glfw3.h>

#include <array>
#include <functional>
#include <vector>

#include "app/settings/Translate.h"
#include "base/KeyBindings.h"
#include "gameplay/Event.h"
#include "gameplay/InputSnapshot.h"

// What one joystick gives through GLFW's gamepad API.
struct PadReading {
    const char* name = nullptr;  // its mapping's name; nullptr when no gamepad is there
    GLFWgamepadstate state{};
};
constexpr int kJoysticks = GLFW_JOYSTICK_LAST + 1;
using PadReadings = std::array<PadReading, kJoysticks>;  // by GLFW's joystick id

// The game reads the pads through this alone, so that a test can put pads of its own in their
// place. By default it is readGlfwGamepads.
extern std::function<PadReadings()> readGamepads;
PadReadings readGlfwGamepads();
// Follows GLFW's joysticks as they come and go, for readGlfwGamepads; once GLFW is initialised.
void watchGlfwGamepads();

// The actions that the settings bind to a gamepad's buttons: their names there, and as the
// player reads them.
struct PadAction {
    Action action;
    const char* name;
    const char* label;
};
inline const PadAction kPadActions[] = {
    {Action::Jump, "JUMP", N_("Jump")},
    {Action::Sprint, "SPRINT", N_("Sprint")},
    {Action::Pause, "PAUSE", N_("Pause and resume")},
};

struct PadButton {
    int button;  // GLFW's
    Action action;
};

// The gamepads as actions and sticks, next to the keyboard. The pad in use is the connected
// one with the lowest number: its buttons hold actions (A jumps, X or the right shoulder
// sprints, Start pauses, the shoulders fly the debug camera up and down) and its sticks walk
// and turn. Every pad that comes or goes is told as an event.
class Gamepad {
public:
    explicit Gamepad(const KeyBindings& bindings);

    // Whether the button has a meaning of its own that no binding changes: the shoulders.
    static bool isFixedButton(int button);
    // The buttons of the actions in kPadActions, from then on.
    void bind(const KeyBindings& bindings);

    // Adds the pad's actions and sticks to the snapshot that the keyboard filled, and an event
    // for each pad connected or disconnected since the last call; the pads already there at
    // the first call are taken as they are.
    void read(InputSnapshot& snapshot, std::vector<Event>& events);

    // Whether the last read found the pad in use gone.
    bool lostPadInUse() const { return lost; }

    // The state of the pad in use, as the last read found it; nullptr without a pad.
    const GLFWgamepadstate* padInUse() const { return inUse >= 0 ? &state : nullptr; }

    // The buttons held now count again only after their release: the press that resumes the
    // game from the pause panel must not jump as well.
    void holdBackButtons();

private:
    void noteConnections(const PadReadings& pads, std::vector<Event>& events);
    void addButtons(InputSnapshot& snapshot);
    void addSticks(InputSnapshot& snapshot) const;

    std::array<bool, kJoysticks> connected{};
    std::array<Event::Name, kJoysticks> names{};  // kept for the disconnection's notice
    bool firstRead = true;
    int inUse = -1;  // joystick id
    bool lost = false;
    GLFWgamepadstate state{};        // of the pad in use
    ActionSet held;                  // by the pad in use's buttons
    std::vector<PadButton> buttons;  // the fixed ones, then the bound ones
    std::array<bool, GLFW_GAMEPAD_BUTTON_LAST + 1> heldBack{};
};
