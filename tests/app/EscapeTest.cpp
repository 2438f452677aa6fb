#include <gtest/gtest.h>

#include "tests/support/GameFixture.h"

namespace {

using Escape = GameFixture;

TEST_F(Escape, ATapWithinOnePollPrintsTheQuitLineAndCloses) {
    startGame();
    console.clear();
    input.tap(GLFW_KEY_ESCAPE);
    update();
    EXPECT_EQ(console.lines(), std::vector<std::string>{"Game has been quit."});
    EXPECT_TRUE(glfwWindowShouldClose(game->window));
}

TEST_F(Escape, AHeldKeyClosesWithoutALine) {
    startGame();
    frame();
    console.clear();
    input.press(GLFW_KEY_ESCAPE);
    update();
    EXPECT_TRUE(glfwWindowShouldClose(game->window));
    EXPECT_EQ(console.text(), "");
}

TEST_F(Escape, OtherKeysLeaveTheWindowOpen) {
    startGame();
    input.tap(GLFW_KEY_Q);
    input.tap(GLFW_KEY_ENTER);
    frame();
    EXPECT_FALSE(glfwWindowShouldClose(game->window));
}

}  // namespace
