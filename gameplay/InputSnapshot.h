#pragma once

#include <bitset>
#include <cstddef>

// What the player can ask of the game, whatever key or gamepad button stands for it. Replays
// keep actions by their place in this list: changing the order changes gameplay/Replay.h's
// kRulesVersion.
enum class Action {
    Forward,
    Backward,
    Left,
    Right,
    Up,  // the debug camera's flying
    Down,
    Jump,
    Sprint,
    Pause,
    Quit,
    Wireframe,  // the display toggles, F1 to F6
    Culling,
    DebugCamera,
    CelShading,
    Contour,
    Specular,
    Hud,  // F7 and F8 show the HUD and the frame-time overlay
    FrameOverlay,
    FullScreen,  // F11 or Alt+Enter
    Screenshot,  // F12: no part of play, never recorded
    Count
};

constexpr std::size_t kActionCount = static_cast<std::size_t>(Action::Count);

// Whether the action is one of the display toggles, F1 to F8.
inline bool isToggle(Action action) {
    return action >= Action::Wireframe && action <= Action::FrameOverlay;
}

// A set of actions, one bit each: no allocation, cheap to copy.
class ActionSet {
public:
    bool has(Action action) const { return bits[index(action)]; }
    void set(Action action, bool on = true) { bits[index(action)] = on; }
    void clear() { bits.reset(); }
    bool operator==(const ActionSet& other) const { return bits == other.bits; }

    // One bit per action, in the order of Action: how a replay keeps the set.
    unsigned long toBits() const { return bits.to_ulong(); }
    static ActionSet fromBits(unsigned long value) {
        ActionSet set;
        set.bits = value;
        return set;
    }

private:
    static std::size_t index(Action action) { return static_cast<std::size_t>(action); }
    std::bitset<kActionCount> bits;
};

// The player's input for one frame, read once right after the window's events are polled;
// the rules read this and nothing else. Pressed and released count what happened during the
// poll, so a tap shorter than a frame shows in both while the action is not held.
struct InputSnapshot {
    ActionSet held;
    ActionSet pressed;
    ActionSet released;
    double mouseX = 0.0;  // pixels moved to the right since the last frame
    double mouseY = 0.0;  // pixels moved upward since the last frame
    // The gamepad's left stick past its dead zone, as shares of the walking speed to the right
    // and forward: a vector no longer than 1, zero at rest or without a pad.
    float walkRight = 0.0f;
    float walkForward = 0.0f;
    // Its right stick past the dead zone, as shares of the full turning rate to the right and
    // upward (downward when the settings invert the mouse's Y), each from -1 to 1.
    float lookRight = 0.0f;
    float lookUp = 0.0f;
};
