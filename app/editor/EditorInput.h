#pragma once

#include <glm/glm.hpp>

struct GLFWwindow;

// The keys and the mouse as the editor reads them, once a frame after the events: which of its
// keys went down in this frame, the buttons held, and where the cursor stands.
struct EditorInput {
    enum Key {
        Left,
        Right,
        Up,
        Down,
        Higher,
        Lower,
        Remove,
        Duplicate,  // D, with Ctrl
        Undo,       // Z, with Ctrl; with Shift too it redoes
        Redo,       // Y, with Ctrl
        TopView,
        Snap,
        PlayTest,
        Save,     // S, with Ctrl
        Earlier,  // [: the selected piece a place earlier in its kind's order
        Later,    // ]
        Home,     // the camera back over the selected piece, or the start
        KeyCount
    };

    bool pressed[KeyCount] = {};
    bool released[KeyCount] = {};
    bool control = false;
    bool shift = false;
    bool leftButton = false;
    bool leftPressed = false;
    bool rightButton = false;
    glm::vec2 cursor{0.0f};  // pixels of the framebuffer, from its top left
};

// Keeps what was held in the frame before, to tell a press from a hold.
class EditorKeys {
public:
    // The cursor is in the window's screen coordinates, which a dense display scales by
    // `cursorScale` into the framebuffer's pixels.
    EditorInput read(GLFWwindow* window, glm::vec2 cursorScale);

private:
    bool held[EditorInput::KeyCount] = {};
    bool leftHeld = false;
};
