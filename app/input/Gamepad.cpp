#include "app/input/Gamepad.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdio>

std::function<PadReadings()> readGamepads = readGlfwGamepads;

namespace {

// A stick tilted less than this is at rest: worn sticks do not come back to the centre.
const float kDeadZone = 0.2f;

// The shoulders' meanings are the pad's own, as the function keys are the keyboard's.
const PadButton kFixedButtons[] = {
    {GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER, Action::Sprint},
    {GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER, Action::Up},  // the debug camera's flying
    {GLFW_GAMEPAD_BUTTON_LEFT_BUMPER, Action::Down},
};

struct Tilt {
    float x;
    float y;
};

// A radial dead zone, rescaled so that just past it is slow: the tilt's direction, with a
// length of (tilt - dead zone) / (1 - dead zone), at most 1.
Tilt pastDeadZone(float x, float y) {
    const float tilt = std::sqrt(x * x + y * y);
    if (tilt <= kDeadZone) {
        return {0.0f, 0.0f};
    }
    const float share = std::min((tilt - kDeadZone) / (1.0f - kDeadZone), 1.0f);
    return {x * share / tilt, y * share / tilt};
}

// The joysticks that GLFW knows to be there. A frame asks GLFW about these alone: its record
// of each joystick is kilobytes long, so asking about all sixteen reads sixteen lines of
// memory that the last frame's drawing has pushed out of the cache.
std::bitset<kJoysticks> glfwJoysticks;

void onJoystick(int id, int event) {
    glfwJoysticks[id] = event == GLFW_CONNECTED;
}

}  // namespace

void watchGlfwGamepads() {
    glfwSetJoystickCallback(onJoystick);
    for (int id = 0; id < kJoysticks; ++id) {
        glfwJoysticks[id] = glfwJoystickPresent(id);
    }
}

PadReadings readGlfwGamepads() {
    PadReadings pads;
    for (int id = 0; id < kJoysticks; ++id) {
        if (glfwJoysticks[id] && glfwJoystickIsGamepad(id) &&
            glfwGetGamepadState(id, &pads[id].state)) {
            pads[id].name = glfwGetGamepadName(id);
        }
    }
    return pads;
}

Gamepad::Gamepad(const KeyBindings& bindings) {
    bind(bindings);
}

bool Gamepad::isFixedButton(int button) {
    return std::any_of(std::begin(kFixedButtons), std::end(kFixedButtons),
                       [button](const PadButton& fixed) { return fixed.button == button; });
}

void Gamepad::bind(const KeyBindings& bindings) {
    buttons.assign(std::begin(kFixedButtons), std::end(kFixedButtons));
    for (const PadAction& bound : kPadActions) {
        buttons.push_back({bindings.at(bound.name), bound.action});
    }
}

void Gamepad::read(InputSnapshot& snapshot, std::vector<Event>& events) {
    const PadReadings pads = readGamepads();
    noteConnections(pads, events);
    state = inUse >= 0 ? pads[inUse].state : GLFWgamepadstate{};
    addButtons(snapshot);
    addSticks(snapshot);
}

void Gamepad::holdBackButtons() {
    for (std::size_t button = 0; button < heldBack.size(); ++button) {
        heldBack[button] = state.buttons[button] == GLFW_PRESS;
    }
}

void Gamepad::noteConnections(const PadReadings& pads, std::vector<Event>& events) {
    const int wasInUse = inUse;
    inUse = -1;
    for (int id = 0; id < kJoysticks; ++id) {
        const bool present = pads[id].name != nullptr;
        if (present && inUse < 0) {
            inUse = id;
        }
        if (present == connected[id]) {
            continue;
        }
        connected[id] = present;
        if (present) {
            std::snprintf(names[id].data(), names[id].size(), "%s", pads[id].name);
        }
        if (!firstRead) {
            events.push_back(Event::gamepad(present, names[id]));
        }
    }
    lost = wasInUse >= 0 && !connected[wasInUse];
    firstRead = false;
}

// Pressed and released are the changes since the last read, as the keyboard's are the
// changes during the poll.
void Gamepad::addButtons(InputSnapshot& snapshot) {
    ActionSet now;
    for (const auto& [button, action] : buttons) {
        const bool down = state.buttons[button] == GLFW_PRESS;
        heldBack[button] = heldBack[button] && down;
        if (down && !heldBack[button]) {
            now.set(action);
        }
    }
    for (std::size_t i = 0; i < kActionCount; ++i) {
        const Action action = static_cast<Action>(i);
        if (now.has(action)) {
            snapshot.held.set(action);
        }
        if (now.has(action) && !held.has(action)) {
            snapshot.pressed.set(action);
        }
        if (!now.has(action) && held.has(action)) {
            snapshot.released.set(action);
        }
    }
    held = now;
}

// GLFW's sticks point down their Y axes; the snapshot's point up, and forward.
void Gamepad::addSticks(InputSnapshot& snapshot) const {
    const Tilt walk =
        pastDeadZone(state.axes[GLFW_GAMEPAD_AXIS_LEFT_X], state.axes[GLFW_GAMEPAD_AXIS_LEFT_Y]);
    const Tilt look =
        pastDeadZone(state.axes[GLFW_GAMEPAD_AXIS_RIGHT_X], state.axes[GLFW_GAMEPAD_AXIS_RIGHT_Y]);
    snapshot.walkRight = walk.x;
    snapshot.walkForward = -walk.y;
    snapshot.lookRight = look.x;
    snapshot.lookUp = -look.y;
}
