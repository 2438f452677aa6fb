#pragma once

#include <GLFW/glfw3.h>

// The options' waits for a new key or pad button, and the keys held back from the UI. A key
// pressed while one is awaited goes there and nowhere else, and so does its release; the
// Enter of Alt+Enter goes to the game alone, from its press to its release.
class KeyWait {
public:
    // The next key pressed is the options', until taken or given up.
    void awaitKey();
    bool awaitingKey() const { return keyAwaited; }
    // The key pressed for the wait, once: GLFW_KEY_UNKNOWN while none came or it was taken.
    int takeKey();
    // The key is no longer awaited; one already pressed stays to be taken.
    void giveUpKey() { keyAwaited = false; }

    // The options wait for a pad button: the pad's buttons reach neither the panels nor play.
    void awaitPadButton(bool awaited) { padButtonAwaited = awaited; }
    bool awaitingPadButton() const { return padButtonAwaited; }

    // Play resumes: whatever was awaited is given up, and the panels keep the old binding.
    void giveUp();

    // Whether the key's press or release belongs to the wait rather than to the game.
    bool takesKey(int key, int action);
    // Whether the key is held back from the UI for the game's keyboard alone.
    bool holdsBackFromUi(int key, int action, int mods);

private:
    bool keyAwaited = false;
    bool padButtonAwaited = false;
    int pressedKey = GLFW_KEY_UNKNOWN;
    int keyDown = GLFW_KEY_UNKNOWN;      // the awaited key, until its release
    int heldBackKey = GLFW_KEY_UNKNOWN;  // the Enter of Alt+Enter, until its release
};
