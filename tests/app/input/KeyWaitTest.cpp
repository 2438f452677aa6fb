#include "app/input/KeyWait.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

namespace {

// A key's press and release as GLFW hands them on; whether the wait took each.
struct Stroke {
    bool press;
    bool release;
};

Stroke stroke(KeyWait& wait, int key, int mods = 0) {
    return {wait.takesKey(key, GLFW_PRESS) || wait.holdsBackFromUi(key, GLFW_PRESS, mods),
            wait.takesKey(key, GLFW_RELEASE) || wait.holdsBackFromUi(key, GLFW_RELEASE, mods)};
}

}  // namespace

// The key pressed for the options is theirs from its press to its release, and only that one
// key: the keys after it, and a second release, go to the game.
TEST(KeyWait, TheAwaitedKeyIsTakenFromItsPressToItsReleaseOnly) {
    KeyWait wait;
    EXPECT_FALSE(wait.takesKey(GLFW_KEY_W, GLFW_PRESS)) << "nothing awaited";
    wait.awaitKey();
    ASSERT_TRUE(wait.awaitingKey());
    EXPECT_FALSE(wait.takesKey(GLFW_KEY_W, GLFW_RELEASE)) << "a key held before the wait";
    EXPECT_TRUE(wait.takesKey(GLFW_KEY_I, GLFW_PRESS));
    EXPECT_FALSE(wait.awaitingKey());
    EXPECT_FALSE(wait.takesKey(GLFW_KEY_J, GLFW_PRESS)) << "the wait took one key";
    EXPECT_FALSE(wait.takesKey(GLFW_KEY_I, GLFW_REPEAT));
    EXPECT_TRUE(wait.takesKey(GLFW_KEY_I, GLFW_RELEASE));
    EXPECT_FALSE(wait.takesKey(GLFW_KEY_I, GLFW_RELEASE));
    EXPECT_EQ(wait.takeKey(), GLFW_KEY_I);
    EXPECT_EQ(wait.takeKey(), GLFW_KEY_UNKNOWN) << "taken once";
}

// A wait given up leaves no key behind for the next: neither when play resumes, nor when the
// pad's rows end a wait that the keys' rows began, which would bind the last key taken again.
TEST(KeyWait, AWaitGivenUpLeavesNoKeyForTheNext) {
    KeyWait wait;
    wait.awaitKey();
    wait.awaitPadButton(true);
    wait.giveUp();
    EXPECT_FALSE(wait.awaitingKey());
    EXPECT_FALSE(wait.awaitingPadButton());
    EXPECT_FALSE(wait.takesKey(GLFW_KEY_I, GLFW_PRESS));
    EXPECT_EQ(wait.takeKey(), GLFW_KEY_UNKNOWN);

    wait.awaitKey();
    EXPECT_TRUE(stroke(wait, GLFW_KEY_I).press);
    EXPECT_EQ(wait.takeKey(), GLFW_KEY_I);
    wait.awaitKey();
    wait.giveUpKey();
    EXPECT_EQ(wait.takeKey(), GLFW_KEY_UNKNOWN);

    // The key that gave up the pad's wait is none of the next wait's either.
    wait.awaitKey();
    EXPECT_TRUE(stroke(wait, GLFW_KEY_K).release);
    wait.awaitKey();
    wait.giveUpKey();
    EXPECT_EQ(wait.takeKey(), GLFW_KEY_UNKNOWN);
}

// The Enter of Alt+Enter is held back from the UI up to its release, even when Alt goes first;
// a plain Enter, and every other key, reaches the UI.
TEST(KeyWait, TheEnterOfAltEnterIsHeldBackFromTheUiUpToItsRelease) {
    KeyWait wait;
    EXPECT_FALSE(wait.holdsBackFromUi(GLFW_KEY_ENTER, GLFW_PRESS, 0));
    EXPECT_FALSE(wait.holdsBackFromUi(GLFW_KEY_ENTER, GLFW_RELEASE, 0));
    EXPECT_TRUE(wait.holdsBackFromUi(GLFW_KEY_ENTER, GLFW_PRESS, GLFW_MOD_ALT));
    EXPECT_FALSE(wait.holdsBackFromUi(GLFW_KEY_LEFT_ALT, GLFW_RELEASE, 0));
    EXPECT_TRUE(wait.holdsBackFromUi(GLFW_KEY_ENTER, GLFW_REPEAT, 0));
    EXPECT_TRUE(wait.holdsBackFromUi(GLFW_KEY_ENTER, GLFW_RELEASE, 0));
    EXPECT_FALSE(wait.holdsBackFromUi(GLFW_KEY_ENTER, GLFW_PRESS, 0)) << "released, it is the UI's";
    EXPECT_FALSE(wait.holdsBackFromUi(GLFW_KEY_A, GLFW_PRESS, GLFW_MOD_ALT));
}
