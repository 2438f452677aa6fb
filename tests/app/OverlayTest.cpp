#include <gtest/gtest.h>

#include <string>

#include "tests/support/GameFixture.h"

namespace {

using Overlay = GameFixture;

// With the HUD hidden, the frame is the scene alone: F8 adds the overlay's text and graph,
// and a second F8 takes them all away again, without a word on the console either way.
TEST_F(Overlay, F8ShowsAndHidesTheFrameTimesSilently) {
    // Without the HUD, whose clock would change the count from frame to frame.
    startGame(kWithoutHudSettings);
    frame();
    const GLuint scene = trianglesInAFrame();
    console.clear();

    input.tap(GLFW_KEY_F8);
    frame();  // ImGui keeps a new window hidden for its first frame, while it measures it
    EXPECT_GT(trianglesInAFrame(), scene);
    input.tap(GLFW_KEY_F8);
    EXPECT_EQ(trianglesInAFrame(), scene);
    EXPECT_EQ(console.text(), "");
}

}  // namespace
