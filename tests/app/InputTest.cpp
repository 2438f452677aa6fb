#include <gtest/gtest.h>

#include "tests/support/GameFixture.h"
#include "tests/support/Near.h"

namespace {

using Input = GameFixture;

// The frame's input comes from the keys as bound in the settings: here the arrow key up walks
// forward and W does nothing. A tap within one frame is pressed and released, never held.
TEST_F(Input, TheSnapshotHoldsBoundKeysAndSeesATapWithinOneFrame) {
    startGame(std::string(kWindowedSettings) + "[keyboard]\nforward = 265\n");
    frame();

    input.press(GLFW_KEY_W);
    frame();
    EXPECT_FALSE(game->controls.input.held.has(Action::Forward));
    input.release(GLFW_KEY_W);
    input.press(GLFW_KEY_UP);
    frame();
    EXPECT_TRUE(game->controls.input.held.has(Action::Forward));
    EXPECT_TRUE(game->controls.input.pressed.has(Action::Forward));
    const float z = game->player->position.z;
    frame(0.5);
    EXPECT_NEAR(game->player->position.z, z - 2.5f, kRounding);
    EXPECT_FALSE(game->controls.input.pressed.has(Action::Forward)) << "pressed in one frame only";
    input.release(GLFW_KEY_UP);
    frame();
    EXPECT_TRUE(game->controls.input.released.has(Action::Forward));
    EXPECT_FALSE(game->controls.input.held.has(Action::Forward));

    input.tap(GLFW_KEY_F4);
    frame();
    EXPECT_TRUE(game->controls.input.pressed.has(Action::CelShading));
    EXPECT_TRUE(game->controls.input.released.has(Action::CelShading));
    EXPECT_FALSE(game->controls.input.held.has(Action::CelShading));
    frame();
    EXPECT_EQ(game->controls.input.released, ActionSet())
        << "nothing carries over to the next frame";
}

}  // namespace
