#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>

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

// Whether the pause panel's page, by its window's id, was drawn in the last frame.
bool showing(const char* page) {
    const ImGuiWindow* window = ImGui::FindWindowByName(page);
    return window && window->Active;
}

bool popupOpen() {
    return ImGui::IsPopupOpen("", ImGuiPopupFlags_AnyPopupId | ImGuiPopupFlags_AnyPopupLevel);
}

// On the panels Escape goes back one step: it gives up a key's wait, then a drop-down, without
// leaving the page; a page goes back to the pause panel, and the pause panel resumes, the
// Escape that did it reaching play neither held nor released. Quit still quits.
TEST_F(Escape, OnThePanelsItGoesBackAStep) {
    startGame();
    frame();
    openOptions();
    ASSERT_TRUE(showing("###options"));
    stroke(GLFW_KEY_SPACE);
    ASSERT_TRUE(game->controls.wait.awaitingKey());
    stroke(GLFW_KEY_ESCAPE);
    EXPECT_FALSE(game->controls.wait.awaitingKey());
    EXPECT_EQ(game->options.keyBindings.at("FORWARD"), GLFW_KEY_W);
    EXPECT_TRUE(showing("###options")) << "the wait, not the page, was given up";

    // Up to the tabs, right past Gamepad and Display to Look, and down to its first
    // drop-down, multisampling's.
    for (int key : {GLFW_KEY_UP, GLFW_KEY_RIGHT, GLFW_KEY_SPACE, GLFW_KEY_RIGHT, GLFW_KEY_SPACE,
                    GLFW_KEY_RIGHT, GLFW_KEY_SPACE, GLFW_KEY_DOWN, GLFW_KEY_SPACE}) {
        stroke(key);
    }
    ASSERT_TRUE(popupOpen());
    stroke(GLFW_KEY_ESCAPE);
    EXPECT_FALSE(popupOpen());
    EXPECT_TRUE(showing("###options")) << "the drop-down, not the page, was given up";

    stroke(GLFW_KEY_ESCAPE);
    EXPECT_TRUE(showing("###main"));
    console.clear();
    stroke(GLFW_KEY_ESCAPE);
    EXPECT_FALSE(game->paused);
    frame();
    EXPECT_FALSE(glfwWindowShouldClose(game->window));
    EXPECT_EQ(console.text(), "");

    input.tap(GLFW_KEY_P);
    frame();
    frame();
    for (int key : {GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_DOWN,
                    GLFW_KEY_SPACE}) {
        stroke(key);  // Resume, Options, Controls, Levels, Make, then Quit
    }
    EXPECT_TRUE(glfwWindowShouldClose(game->window));
    EXPECT_EQ(console.lines(), std::vector<std::string>{"Game has been quit."});
}

}  // namespace
