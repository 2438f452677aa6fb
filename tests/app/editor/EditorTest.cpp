#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <cmath>
#include <string>

#include "app/files/LevelCatalog.h"
#include "app/settings/Translate.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelFile.h"
#include "tests/support/FileText.h"
#include "tests/support/GameFixture.h"

namespace {

const int kLeftButton = 1;  // X's numbers

class EditorTest : public GameFixture {
protected:
    const Level& edited() const { return game->editor->document().level(); }

    // Moves the pointer onto that point of the window, and lets a frame see it there.
    void pointAt(glm::vec2 inWindow) {
        int x = 0;
        int y = 0;
        glfwGetWindowPos(game->window, &x, &y);
        input.moveMouseTo(x + static_cast<int>(inWindow.x), y + static_cast<int>(inWindow.y));
        frame();
    }

    void click() {
        input.pressButton(kLeftButton);
        frame();
        input.releaseButton(kLeftButton);
        frame();
    }

    // The middle of the panel's first row, as the UI laid it out in the last frame.
    glm::vec2 firstRowOf(const char* panel) const {
        const ImGuiWindow* window = ImGui::FindWindowByName(panel);
        EXPECT_NE(window, nullptr) << panel;
        if (window == nullptr) {
            return glm::vec2(0.0f);
        }
        return glm::vec2(window->DC.CursorStartPos.x + ImGui::GetFontSize(),
                         window->DC.CursorStartPos.y + 0.5f * ImGui::GetFontSize());
    }

    void withControl(int key) {
        input.press(GLFW_KEY_LEFT_CONTROL);
        stroke(key);
        input.release(GLFW_KEY_LEFT_CONTROL);
        frame();
    }
};

// A level made through the mouse and the keys: a platform chosen in the palette and placed on
// the grid with a click, moved with the arrows, the move undone and done again, and saved; then
// played as it stands, and Escape comes back to the editor as it was, its history with it.
TEST_F(EditorTest, BuildsALevelPlaysItAndComesBack) {
    startGame();
    PlayedLevel made;
    made.level = newLevel("Mine");
    made.shipped = false;
    made.file = playerLevelsFolder() / "mine.toml";
    game->startEditor(made);
    frame();
    frame();  // the panels lay themselves out in their first frame
    ASSERT_EQ(edited().platforms.size(), 2u);
    EXPECT_EQ(glfwGetInputMode(game->window, GLFW_CURSOR), GLFW_CURSOR_NORMAL);

    pointAt(firstRowOf(tr("Pieces")));  // Platform
    click();
    // Right of the middle and below it: the grid at the start's height, in front of the camera.
    pointAt(glm::vec2(480.0f, 250.0f));
    click();
    ASSERT_EQ(edited().platforms.size(), 3u);
    const glm::vec3 placed = edited().platforms[2].at;
    EXPECT_EQ(placed.y, -0.5f);  // the start's height, where the grid lies
    EXPECT_GT(placed.x, 0.0f);
    EXPECT_EQ(placed.x, std::round(placed.x));  // on the whole units of the snap
    EXPECT_EQ(placed.z, std::round(placed.z));

    pointAt(glm::vec2(320.0f, 20.0f));  // off every panel, so that the keys are the editor's
    stroke(GLFW_KEY_RIGHT);
    stroke(GLFW_KEY_RIGHT);
    stroke(GLFW_KEY_UP);
    stroke(GLFW_KEY_PAGE_UP);
    const glm::vec3 moved = placed + glm::vec3(2.0f, 1.0f, -1.0f);
    EXPECT_EQ(edited().platforms[2].at, moved);
    withControl(GLFW_KEY_Z);
    EXPECT_EQ(edited().platforms[2].at, moved - glm::vec3(0.0f, 1.0f, 0.0f));
    withControl(GLFW_KEY_Y);
    EXPECT_EQ(edited().platforms[2].at, moved);
    withControl(GLFW_KEY_S);
    const LevelRead saved = parseLevel(contentsOf(made.file), "mine.toml");
    ASSERT_TRUE(saved.level) << saved.error;
    EXPECT_EQ(*saved.level, edited()) << "what the editor wrote reads back as the level made";
    const glm::vec3 cameraBefore = camera.position;
    const Level before = edited();
    console.clear();

    stroke(GLFW_KEY_F5);
    ASSERT_TRUE(game->editor->playTesting);
    EXPECT_FALSE(game->editing());
    EXPECT_EQ(game->platforms.size(), 3u);  // the level as it is in the editor, unsaved
    EXPECT_EQ(game->player->position, before.start);
    input.press(GLFW_KEY_W);
    for (int i = 0; i < 10; ++i) {
        frame();
    }
    input.release(GLFW_KEY_W);
    frame();
    EXPECT_NE(game->player->position, before.start);  // played: the keys walk the player
    stroke(GLFW_KEY_ESCAPE);
    EXPECT_FALSE(glfwWindowShouldClose(game->window));
    ASSERT_TRUE(game->editing());
    EXPECT_EQ(camera.position, cameraBefore);
    EXPECT_EQ(edited(), before);
    EXPECT_EQ(game->player->position, before.start);
    EXPECT_EQ(console.text(), "");  // a play-test keeps and says nothing

    withControl(GLFW_KEY_Z);  // the history was kept
    EXPECT_EQ(edited().platforms[2].at, moved - glm::vec3(0.0f, 1.0f, 0.0f));
    stroke(GLFW_KEY_DELETE);  // the selection was kept
    EXPECT_EQ(edited().platforms.size(), 2u);
}

// Make on the pause panel edits the level played.
TEST_F(EditorTest, MakeOnThePausePanelEditsTheLevelPlayed) {
    startGame(kSmallWindowSettings);
    input.tap(GLFW_KEY_P);
    frame();
    frame();  // the panel lays itself out in its first frame
    for (int key : {GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_SPACE}) {
        stroke(key);  // Resume, Options, Controls, Levels, then Make
    }
    ASSERT_TRUE(game->editing());
    EXPECT_FALSE(game->paused);
    EXPECT_EQ(edited(), courseLevel());

    // The game's course is saved as the player's copy, never over the game's own.
    const std::filesystem::path shipped = gameDirectory().path() / "assets/levels/course.toml";
    const std::string shippedText = contentsOf(shipped);
    pointAt(glm::vec2(320.0f, 20.0f));  // off every panel
    withControl(GLFW_KEY_S);
    const LevelRead copy =
        parseLevel(contentsOf(playerLevelsFolder() / "course.toml"), "course.toml");
    ASSERT_TRUE(copy.level) << copy.error;
    EXPECT_EQ(*copy.level, courseLevel());
    EXPECT_EQ(contentsOf(shipped), shippedText);
}

// A level's look goes with it through the editor: its copy is saved with the same [look].
TEST_F(EditorTest, ALevelsLookIsSavedWithIt) {
    levelName = "ferries";
    startGame(kSmallWindowSettings);
    const Level played = game->session.played.level;
    ASSERT_FALSE(played.look == LevelLook{}) << "the pack's ferries have a look of their own";
    input.tap(GLFW_KEY_P);
    frame();
    frame();  // the panel lays itself out in its first frame
    for (int key : {GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_SPACE}) {
        stroke(key);  // Resume, Options, Controls, Levels, then Make
    }
    ASSERT_TRUE(game->editing());
    pointAt(glm::vec2(320.0f, 20.0f));  // off every panel
    withControl(GLFW_KEY_S);
    const std::string text = contentsOf(playerLevelsFolder() / "ferries.toml");
    const LevelRead copy = parseLevel(text, "ferries.toml");
    ASSERT_TRUE(copy.level) << copy.error;
    EXPECT_TRUE(copy.level->look == played.look) << text;
    EXPECT_EQ(*copy.level, played);
}

// A win in a play-test is told as a win is, then goes back to the editor, keeping nothing: no
// records, no best run, and the window stays open.
TEST_F(EditorTest, APlayTestsWinComesBackAndKeepsNothing) {
    startGame(kSmallWindowSettings);
    PlayedLevel made;
    made.level = newLevel("Short");
    made.level.goal = made.level.start + glm::vec3(0.0f, 0.05f, -1.5f);  // a step ahead
    made.shipped = false;
    game->startEditor(made);
    frame();
    pointAt(glm::vec2(160.0f, 60.0f));  // off every panel
    stroke(GLFW_KEY_F5);
    ASSERT_TRUE(game->editor->playTesting);
    input.press(GLFW_KEY_W);
    for (int i = 0; i < 120 && game->editor->playTesting; ++i) {
        frame();
    }
    input.release(GLFW_KEY_W);
    frame();
    EXPECT_TRUE(game->editing());
    EXPECT_FALSE(glfwWindowShouldClose(game->window));
    EXPECT_NE(console.text().find("GAME WON!"), std::string::npos) << console.text();
    EXPECT_EQ(console.text().find("NEW BEST TIME"), std::string::npos) << console.text();
    std::error_code error;
    EXPECT_TRUE(std::filesystem::is_empty(gameDirectory().dataHome(), error) ||
                !std::filesystem::exists(gameDirectory().dataHome()));
}

}  // namespace
