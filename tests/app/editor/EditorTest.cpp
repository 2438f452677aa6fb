#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <array>
#include <chrono>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/files/LevelCatalog.h"
#include "app/settings/Translate.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelFile.h"
#include "gameplay/LevelText.h"
#include "tests/app/editor/EditorFixture.h"
#include "tests/support/FileText.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/GameFixture.h"
#include "tests/support/GameProcess.h"
#include "tests/support/Near.h"
#include "tests/support/Pixels.h"
#include "tests/support/ShownText.h"

namespace {

const char* const kQuestion = "Save the changes before quitting?";
const char* const kQuitLine = "Game has been quit.";

using Kind = PieceRef::Kind;

class EditorTest : public EditorFixture {
protected:
    // Escape, and a frame more: a panel that fits itself to its contents shows from its second.
    void escape() {
        stroke(GLFW_KEY_ESCAPE);
        frame();
    }
    bool asked() const { return showsText(tr(kQuestion)); }
    bool closing() const { return glfwWindowShouldClose(game->window); }
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

// Escape with work unsaved asks before it quits; nothing is edited while it asks, and Escape
// again takes the question back. A save refused (a level without a goal) stays, its reason
// shown; the goal and then the start placed from the palette, Save saves and quits.
TEST_F(EditorTest, EscapeAsksBeforeLosingWorkAndSaveSavesBeforeQuitting) {
    startGame(editor_driving::kLargeWindowSettings);
    const PlayedLevel made = openOwnLevel("Mine");
    const glm::vec3 goal = edited().goal;
    clickOnWorld(goal);
    stroke(GLFW_KEY_DELETE);
    ASSERT_FALSE(game->editor->document().hasGoal());

    escape();
    EXPECT_FALSE(closing());
    EXPECT_TRUE(asked());
    const Level before = edited();
    stroke(GLFW_KEY_PAGE_UP);
    withControl(GLFW_KEY_Z);
    EXPECT_EQ(edited(), before) << "nothing is edited while the question stands";
    EXPECT_FALSE(game->editor->document().hasGoal()) << "nor undone";
    escape();
    EXPECT_FALSE(asked());
    EXPECT_FALSE(closing());

    escape();
    ASSERT_TRUE(asked());
    clickOn(tr("Save"));
    frame();
    frame();  // the palette grows to the line added
    EXPECT_FALSE(closing()) << "a save refused stays in the editor";
    EXPECT_FALSE(asked());
    EXPECT_FALSE(std::filesystem::exists(made.file));
    EXPECT_TRUE(showsText(formatted(tr("Not saved: %s"), "a level needs a goal")));

    // On the far platform, left and right of where the goal stood: the grid lies at the
    // start's height, the platforms' tops, and then at the goal's.
    const glm::vec3 newGoal(2.0f, -0.5f, -10.0f);
    const glm::vec3 newStart(-2.0f, -0.5f, -10.0f);
    clickOn(tr("Goal"));
    clickOnWorld(newGoal);
    ASSERT_TRUE(game->editor->document().hasGoal());
    EXPECT_EQ(edited().goal, newGoal);
    clickOn(tr("Start"));
    clickOnWorld(newStart);
    EXPECT_EQ(edited().start, newStart);
    EXPECT_EQ(edited().platforms.size(), 2u) << "placing the start and the goal only moves them";

    console.clear();
    escape();
    ASSERT_TRUE(asked());
    clickOn(tr("Save"));
    frame();
    EXPECT_TRUE(closing());
    EXPECT_EQ(console.text(), std::string(kQuitLine) + "\n");
    const LevelRead saved = parseLevel(contentsOf(made.file), "mine.toml");
    ASSERT_TRUE(saved.level) << saved.error;
    EXPECT_EQ(*saved.level, edited());
}

// The window's close asks too, even from a play-test, which it ends; Cancel stays, and Escape
// with everything saved quits at once.
TEST_F(EditorTest, ClosingTheWindowAsksAndCancelStays) {
    startGame(editor_driving::kLargeWindowSettings);
    const PlayedLevel made = openOwnLevel("Mine");
    clickOnWorld(edited().goal);
    stroke(GLFW_KEY_RIGHT);
    pointAt(glm::vec2(640.0f, 10.0f));  // off every panel
    stroke(GLFW_KEY_F5);
    ASSERT_TRUE(game->editor->playTesting);

    ASSERT_TRUE(input.askToClose(game->options.title));
    frame();
    frame();
    EXPECT_FALSE(closing());
    EXPECT_TRUE(game->editing()) << "back from the play-test to answer";
    EXPECT_TRUE(asked());
    clickOn(tr("Cancel"));
    frame();
    EXPECT_FALSE(closing());
    EXPECT_FALSE(asked());
    EXPECT_TRUE(game->editing());

    pointAt(glm::vec2(640.0f, 10.0f));
    withControl(GLFW_KEY_S);
    ASSERT_TRUE(std::filesystem::exists(made.file));
    console.clear();
    stroke(GLFW_KEY_ESCAPE);
    EXPECT_TRUE(closing()) << "nothing is lost: Escape quits as in play";
    EXPECT_FALSE(asked());
    EXPECT_EQ(console.text(), std::string(kQuitLine) + "\n");
}

// Quit on the pause panel asks too, over the editor; Don't save quits and writes nothing. A
// level opened and left as it was quits at Escape without asking.
TEST_F(EditorTest, DontSaveQuitsWithoutWriting) {
    startGame(editor_driving::kLargeWindowSettings);
    const PlayedLevel made = openOwnLevel("Mine");
    clickOnWorld(edited().goal);
    stroke(GLFW_KEY_LEFT);
    input.tap(GLFW_KEY_P);
    frame();
    frame();  // the panel lays itself out in its first frame
    ASSERT_TRUE(game->paused);
    for (int key : {GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_DOWN,
                    GLFW_KEY_SPACE}) {
        stroke(key);  // Resume, Options, Controls, Levels, Make, then Quit
    }
    frame();
    EXPECT_FALSE(closing());
    EXPECT_FALSE(game->paused);
    ASSERT_TRUE(asked());
    clickOn(tr("Don't save"));
    frame();
    EXPECT_TRUE(closing());
    EXPECT_FALSE(std::filesystem::exists(made.file));

    restartGame();
    openOwnLevel("Other");
    stroke(GLFW_KEY_ESCAPE);
    EXPECT_TRUE(closing()) << "a level left as it was opened has nothing to lose";
}

// A drag builds the scene once, as it ends, however many frames it takes: on a level of a few
// hundred pieces, a scene built on every frame of a drag made it crawl. Meanwhile the level
// follows the cursor, the piece dragged stays where it was in the scene, and afterwards the
// scene shows it where it was dropped.
TEST_F(EditorTest, ADragBuildsTheSceneOnceAsItEnds) {
    startGame(editor_driving::kLargeWindowSettings);
    PlayedLevel made;
    made.level = newLevel("Many");
    const int kRows = 15;
    const int kColumns = 20;
    const float kApart = 10.0f;  // units between the far field's platforms
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            PlatformPiece platform;
            platform.at = glm::vec3(kApart * (column - kColumns / 2), -0.5f, -kApart * (row + 4));
            made.level.platforms.push_back(platform);
        }
    }
    made.shipped = false;
    game->startEditor(made);
    frame();
    frame();
    const glm::vec3 far = edited().platforms[1].at;
    const glm::vec3 shownBefore = game->platforms[1]->position;

    const glm::vec3 grab = far + glm::vec3(1.0f, 0.0f, 1.0f);  // beside the goal on it
    const glm::vec2 from = onScreen(grab);
    ASSERT_FALSE(editor_driving::underPanel(from));
    pointAt(from);
    input.pressButton(editor_driving::kLeftButton);
    frame();
    const int kSteps = 6;
    for (int step = 1; step <= kSteps; ++step) {
        pointAt(onScreen(grab + glm::vec3(0.5f * static_cast<float>(step), 0.0f, 0.0f)));
        EXPECT_EQ(game->platforms[1]->position, shownBefore) << "step " << step;
    }
    const glm::vec3 dropped = far + glm::vec3(0.5f * kSteps, 0.0f, 0.0f);
    EXPECT_EQ(edited().platforms[1].at, dropped);
    input.releaseButton(editor_driving::kLeftButton);
    frame();
    expectNear(game->platforms[1]->position, shownBefore + (dropped - far));
    withControl(GLFW_KEY_Z);
    EXPECT_EQ(edited().platforms[1].at, far) << "the drag was one step";
    expectNear(game->platforms[1]->position, shownBefore);
}

// A platform's path set in the properties panel: a path chosen, a point added, its speed, its
// rest at each end and its head start typed in; the document holds them, and so does the file
// saved.
TEST_F(EditorTest, APlatformsPathIsSetInThePropertiesPanelAndSaved) {
    startGame(editor_driving::kLargeWindowSettings);
    const PlayedLevel made = openOwnLevel("Ferry");
    const glm::vec3 far = edited().platforms[1].at;
    clickOnWorld(far + glm::vec3(1.0f, 0.0f, 1.0f));  // beside the goal on it
    frame();
    clickOn(tr("Moves along a path"));
    frame();
    clickOn(tr("Add point"));
    frame();
    typeInto(tr("Speed"), 3);
    typeInto(tr("Wait at each end"), 2);
    typeInto(tr("Head start"), 1);

    const PlatformPiece& platform = edited().platforms[1];
    ASSERT_EQ(platform.path.size(), 2u);
    // A path starts ahead of the platform, a step along -z, and each point added goes a step on.
    EXPECT_EQ(platform.path[0], far + glm::vec3(0.0f, 0.0f, -4.0f));
    EXPECT_EQ(platform.path[1], far + glm::vec3(0.0f, 0.0f, -8.0f));
    EXPECT_EQ(platform.speed, 3.0f);
    EXPECT_EQ(platform.wait, 2.0f);
    EXPECT_EQ(platform.phase, 1.0f);
    EXPECT_FALSE(platform.swing);

    pointAt(glm::vec2(640.0f, 10.0f));  // off every panel
    withControl(GLFW_KEY_S);
    const LevelRead saved = parseLevel(contentsOf(made.file), "ferry.toml");
    ASSERT_TRUE(saved.level) << saved.error;
    EXPECT_EQ(saved.level->platforms[1], platform);
}

// The way is made in order: a platform placed while another is selected goes right after it,
// the Properties panel moves it a place later and [ a place earlier, each undone as any other;
// the panel keeps its width whatever is selected. Home brings a camera flown away back over
// the piece selected, and from above R raises the camera, away from the grid.
TEST_F(EditorTest, PiecesAreMadeInOrderAndALostCameraComesBack) {
    startGame(editor_driving::kLargeWindowSettings);
    openOwnLevel("Order");
    const glm::vec3 far = edited().platforms[1].at;
    clickOnWorld(edited().platforms[0].at + glm::vec3(1.5f, 0.0f, 1.5f));  // clear of the start
    frame();
    const ImGuiWindow* properties = ImGui::FindWindowByName(tr("Properties"));
    ASSERT_NE(properties, nullptr);
    const float width = properties->Size.x;
    pointAt(firstRowOf(tr("Pieces")));  // Platform
    click();
    const glm::vec3 between(6.0f, -0.5f, -5.0f);
    clickOnWorld(between);
    frame();
    ASSERT_EQ(edited().platforms.size(), 3u);
    EXPECT_EQ(edited().platforms[1].at, between) << "right after the platform selected";
    EXPECT_EQ(edited().platforms[2].at, far);
    EXPECT_TRUE(showsText(formatted(tr("%d of %zu"), 2, std::size_t{3})));
    clickOn(tr("Later"));
    frame();
    EXPECT_EQ(edited().platforms[2].at, between);
    EXPECT_EQ(edited().platforms[1].at, far);
    EXPECT_EQ(properties->Size.x, width);

    pointAt(glm::vec2(640.0f, 10.0f));  // off every panel
    stroke(GLFW_KEY_LEFT_BRACKET);
    EXPECT_EQ(edited().platforms[1].at, between);
    withControl(GLFW_KEY_Z);
    EXPECT_EQ(edited().platforms[2].at, between) << "a move in the order is a step undone";
    clickOnWorld(glm::vec3(-8.0f, -0.5f, -4.0f));  // on nothing: the level's own properties
    frame();
    EXPECT_EQ(properties->Size.x, width);

    clickOnWorld(between + glm::vec3(1.5f, 0.0f, 1.5f));
    pointAt(glm::vec2(640.0f, 10.0f));
    // Raised above the camera, its grid lies where no click below the horizon meets it: such a
    // click places nothing, and the piece chosen and the selection stay.
    for (int i = 0; i < 8; ++i) {
        stroke(GLFW_KEY_PAGE_UP);
    }
    const glm::vec3 raised = between + glm::vec3(0.0f, 8.0f, 0.0f);
    ASSERT_GT(raised.y, camera.position.y);
    pointAt(firstRowOf(tr("Pieces")));  // Platform
    click();
    clickAt(glm::vec2(640.0f, 600.0f));
    EXPECT_EQ(edited().platforms.size(), 3u);
    stroke(GLFW_KEY_HOME);  // over the piece: its grid is in view again
    clickAt(onScreen(raised + glm::vec3(-4.0f, 0.0f, 0.0f)));
    ASSERT_EQ(edited().platforms.size(), 4u);
    EXPECT_EQ(edited().platforms[3].at, raised + glm::vec3(-4.0f, 0.0f, 0.0f))
        << "placed at last, after the platform still selected";
    withControl(GLFW_KEY_Z);  // the platform placed
    for (int i = 0; i < 8; ++i) {
        withControl(GLFW_KEY_Z);  // the raise, step by step
    }
    ASSERT_EQ(edited().platforms[2].at, between);
    stroke(GLFW_KEY_HOME);  // the piece placed went, and the selection with it: over the start
    clickOnWorld(between + glm::vec3(1.5f, 0.0f, 1.5f));
    pointAt(glm::vec2(640.0f, 10.0f));
    input.press(GLFW_KEY_D);
    for (int i = 0; i < 30; ++i) {
        frame();
    }
    input.release(GLFW_KEY_D);
    frame();
    stroke(GLFW_KEY_HOME);
    // Above and behind the piece, as the editor first shows the start.
    expectNear(camera.position, between + glm::vec3(0.0f, 6.0f, 10.0f));

    stroke(GLFW_KEY_TAB);
    const glm::vec3 above = camera.position;
    input.press(GLFW_KEY_R);
    for (int i = 0; i < 10; ++i) {
        frame();
    }
    input.release(GLFW_KEY_R);
    frame();
    EXPECT_GT(camera.position.y, above.y);
    EXPECT_EQ(camera.position.x, above.x);
    EXPECT_EQ(camera.position.z, above.z);
}

// The start's facing typed into its field: the scene is built once, as the typing ends, not at
// each keystroke. The save keeps it, under the comment the file began with.
TEST_F(EditorTest, TheStartsFacingIsTypedAndSavedUnderTheFilesComment) {
    startGame(editor_driving::kLargeWindowSettings);
    PlayedLevel made;
    made.level = newLevel("Facing");
    made.shipped = false;
    made.file = playerLevelsFolder() / "facing.toml";
    const std::string comment = "# Faces the other way.\n# Two lines of it.\n";
    std::filesystem::create_directories(made.file.parent_path());
    writeFile(made.file, comment + levelText(made.level));
    game->startEditor(made);
    frame();
    frame();
    clickOnWorld(edited().start + glm::vec3(0.0f, 0.9f, 0.0f));  // the player's middle
    frame();
    const std::optional<ShownBox> field = whereShown(tr("Facing (degrees)"));
    ASSERT_TRUE(field);
    pointAt(glm::vec2(field->low.x - editor_driving::kFieldLeftOfLabel, field->middle().y));
    input.press(GLFW_KEY_LEFT_CONTROL);
    click();
    input.release(GLFW_KEY_LEFT_CONTROL);
    stroke(GLFW_KEY_9);
    frame();
    EXPECT_EQ(edited().facing, 9.0f);
    EXPECT_EQ(game->player->rotation.y, 0.0f) << "the scene waits for the typing to end";
    stroke(GLFW_KEY_0);
    stroke(GLFW_KEY_ENTER);
    frame();
    EXPECT_EQ(edited().facing, 90.0f);
    EXPECT_EQ(game->player->rotation.y, 90.0f);

    pointAt(glm::vec2(640.0f, 10.0f));  // off every panel
    withControl(GLFW_KEY_S);
    const std::string saved = contentsOf(made.file);
    EXPECT_EQ(saved.rfind(comment, 0), 0u) << saved;
    const LevelRead read = parseLevel(saved, "facing.toml");
    ASSERT_TRUE(read.level) << read.error;
    EXPECT_EQ(read.level->facing, 90.0f);
}

// A piece held under the button without moving stays where it is, even when the piece selected
// before stood at another height, whose grid the click first met.
TEST_F(EditorTest, APieceHeldStillStaysPut) {
    startGame(editor_driving::kLargeWindowSettings);
    openOwnLevel("Held");
    clickOnWorld(edited().platforms[1].at + glm::vec3(1.0f, 0.0f, 1.0f));
    pointAt(glm::vec2(640.0f, 10.0f));  // off every panel
    for (int i = 0; i < 3; ++i) {
        stroke(GLFW_KEY_PAGE_UP);  // three units higher than the start
    }
    ASSERT_EQ(edited().platforms[1].at.y, edited().start.y + 3.0f);
    const glm::vec3 start = edited().start;
    pointAt(onScreen(start + glm::vec3(0.0f, 0.9f, 0.0f)));  // the player's middle
    input.pressButton(editor_driving::kLeftButton);
    frame();
    frame();
    frame();
    input.releaseButton(editor_driving::kLeftButton);
    frame();
    EXPECT_EQ(edited().start, start);
}

// Ctrl+D and Ctrl+S do what they say, and their letters, which fly the camera on their own,
// leave it where it was: a maker copies and saves without losing the view.
TEST_F(EditorTest, ShortcutsLeaveTheCameraWhereItWas) {
    startGame(editor_driving::kLargeWindowSettings);
    const PlayedLevel made = openOwnLevel("Still");
    clickOnWorld(edited().platforms[1].at + glm::vec3(1.0f, 0.0f, 1.0f));
    pointAt(glm::vec2(640.0f, 10.0f));  // off every panel
    const glm::vec3 before = camera.position;
    withControl(GLFW_KEY_D);
    withControl(GLFW_KEY_S);
    EXPECT_EQ(edited().platforms.size(), 3u);
    EXPECT_TRUE(std::filesystem::exists(made.file));
    EXPECT_EQ(camera.position, before);
    stroke(GLFW_KEY_D);  // alone, it flies
    EXPECT_NE(camera.position, before);
}

// With nothing selected, the Properties panel gives the level its look: a set of platform
// images from a list, a sky given by its box and typed in, each step undone as any other; the
// scene wears it at once, and Ctrl+S keeps it in the file.
TEST_F(EditorTest, ALevelsLookIsChosenInThePropertiesPanelAndSaved) {
    startGame(editor_driving::kLargeWindowSettings);
    const PlayedLevel made = openOwnLevel("Cave");
    clickOn(tr("Look"));  // the section opens
    frame();
    const std::optional<ShownBox> platforms = whereShown(tr("Platforms"));
    ASSERT_TRUE(platforms);
    clickAt(glm::vec2(platforms->low.x - editor_driving::kFieldLeftOfLabel,
                      platforms->middle().y));  // the list opens
    frame();
    clickOn("crystal");
    frame();
    EXPECT_EQ(edited().look.platforms, "crystal");
    EXPECT_EQ(game->session.played.level.look.platforms, "crystal") << "the scene wears it";

    clickOn(tr("Sky"));  // its box: the sky is the level's own now
    frame();
    ASSERT_TRUE(edited().look.sky);
    // Blue, the field nearest the label, left of the colour's swatch.
    const std::optional<ShownBox> label = whereShown(tr("Sky"));
    ASSERT_TRUE(label);
    pointAt(
        glm::vec2(label->low.x - editor_driving::kFieldLeftOfLabel - 2.0f * ImGui::GetFrameHeight(),
                  label->middle().y));
    input.press(GLFW_KEY_LEFT_CONTROL);
    click();
    input.release(GLFW_KEY_LEFT_CONTROL);
    stroke(GLFW_KEY_1);
    stroke(GLFW_KEY_ENTER);
    EXPECT_EQ(edited().look.sky->b, 1.0f);
    const glm::vec3 sky = *edited().look.sky;
    EXPECT_FALSE(edited().look.light) << "a colour not given stays the game's";
    pointAt(glm::vec2(640.0f, 10.0f));  // off every panel, whose keys are then the editor's
    withControl(GLFW_KEY_Z);
    ASSERT_TRUE(edited().look.sky);
    EXPECT_NE(edited().look.sky->b, 1.0f);
    withControl(GLFW_KEY_Y);

    pointAt(glm::vec2(640.0f, 10.0f));  // off every panel
    withControl(GLFW_KEY_S);
    const LevelRead saved = parseLevel(contentsOf(made.file), "cave.toml");
    ASSERT_TRUE(saved.level) << saved.error;
    EXPECT_EQ(saved.level->look.platforms, "crystal");
    ASSERT_TRUE(saved.level->look.sky);
    EXPECT_NEAR(saved.level->look.sky->b, sky.b, 1e-3f);
    EXPECT_NEAR(saved.level->look.sky->r, sky.r, 1e-3f);
    EXPECT_EQ(saved.level->look.music, "") << "the game's own music";
}

// A click finds a piece anywhere it is drawn: the far platform's side, well below its top,
// and the goal's rings, high above the goal's place. The goal selected says it is the level's
// only one, and its position is typed in as any piece's, a step undone as any other.
TEST_F(EditorTest, APlatformsSideAndTheGoalsRingsArePickedAndTheGoalIsMovedInItsPanel) {
    startGame(editor_driving::kLargeWindowSettings);
    openOwnLevel("Sides");
    const glm::vec3 far = edited().platforms[1].at;
    const std::string farInOrder = formatted(tr("%d of %zu"), 2, std::size_t{2});
    const char* const onlyOne = tr("A level has one: placing it from the palette moves this one.");
    clickOnWorld(far + glm::vec3(1.5f, -1.2f, 3.0f));  // its near side faces the camera
    frame();
    EXPECT_TRUE(showsText(farInOrder)) << "the far platform is selected";

    const glm::vec3 goal = edited().goal;
    clickOnWorld(goal + glm::vec3(0.0f, 1.2f, 0.0f));
    frame();
    EXPECT_FALSE(showsText(farInOrder)) << "not the platform behind the rings";
    ASSERT_TRUE(showsText(onlyOne)) << "the goal is selected";
    typeInto(tr("Position"), 4);  // its z, the field nearest the label
    EXPECT_EQ(edited().goal, glm::vec3(goal.x, goal.y, 4.0f));
    pointAt(glm::vec2(640.0f, 10.0f));  // off every panel, whose keys are then the editor's
    withControl(GLFW_KEY_Z);
    EXPECT_EQ(edited().goal, goal);
}

// A piece moved earlier in the order stays selected as the move is undone and done again: the
// panel tells its place, and the arrows move it, not the piece that took its place.
TEST_F(EditorTest, AnUndoneReorderKeepsThePieceMovedSelected) {
    startGame(editor_driving::kLargeWindowSettings);
    openOwnLevel("Order");
    const glm::vec3 far = edited().platforms[1].at;
    const glm::vec3 near = edited().platforms[0].at;
    const std::string first = formatted(tr("%d of %zu"), 1, std::size_t{2});
    const std::string second = formatted(tr("%d of %zu"), 2, std::size_t{2});
    clickOnWorld(far + glm::vec3(1.0f, 0.0f, 1.0f));  // beside the goal on it
    pointAt(glm::vec2(640.0f, 10.0f));                // off every panel
    ASSERT_TRUE(showsText(second));
    stroke(GLFW_KEY_LEFT_BRACKET);
    frame();
    ASSERT_EQ(edited().platforms[0].at, far);
    EXPECT_TRUE(showsText(first));
    withControl(GLFW_KEY_Z);
    ASSERT_EQ(edited().platforms[1].at, far);
    EXPECT_TRUE(showsText(second)) << "undone, the selection went back with the piece";
    withControl(GLFW_KEY_Y);
    ASSERT_EQ(edited().platforms[0].at, far);
    EXPECT_TRUE(showsText(first));
    withControl(GLFW_KEY_Z);
    stroke(GLFW_KEY_RIGHT);
    EXPECT_EQ(edited().platforms[1].at, far + glm::vec3(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(edited().platforms[0].at, near);
}

// Ticking the look's colours gives them the game's own to start from, so that the level shows
// as it did: its sky, and its platform lit as before. A plain click into the name's field
// selects its text, so that what is typed replaces it.
TEST_F(EditorTest, ALookColourTickedShowsTheSameAndAClickSelectsAFieldsText) {
    startGame(editor_driving::kLargeWindowSettings);
    openOwnLevel("Plain");
    clickOn(tr("Look"));  // the section opens
    pointAt(glm::vec2(640.0f, 10.0f));
    const int height = game->framebufferHeight;
    const glm::vec2 skyPlace(640.0f, 10.0f);
    // Between the grid's lines, which lie on the whole units.
    const glm::vec2 platformPlace =
        onScreen(edited().platforms[0].at + glm::vec3(2.5f, 0.0f, 1.5f));
    ASSERT_FALSE(editor_driving::underPanel(platformPlace));
    const auto shown = [height](glm::vec2 place) {
        return pixelAt(static_cast<int>(place.x), height - 1 - static_cast<int>(place.y));
    };
    const std::array<int, 3> skyBefore = shown(skyPlace);
    const std::array<int, 3> platformBefore = shown(platformPlace);
    for (const char* colour : {"Sky", "Zenith", "Light"}) {
        clickOn(tr(colour));
        frame();
    }
    ASSERT_TRUE(edited().look.sky && edited().look.skyTop && edited().look.light);
    pointAt(glm::vec2(640.0f, 10.0f));
    frame();  // the scene built again with the look
    EXPECT_EQ(shown(skyPlace), skyBefore);
    const std::array<int, 3> platformAfter = shown(platformPlace);
    for (int channel = 0; channel < 3; ++channel) {
        EXPECT_NEAR(platformAfter[channel], platformBefore[channel], 1) << channel;
    }

    const std::optional<ShownBox> name = whereShown(tr("Name"));
    ASSERT_TRUE(name);
    clickAt(glm::vec2(name->low.x - editor_driving::kFieldLeftOfLabel, name->middle().y));
    stroke(GLFW_KEY_X);
    stroke(GLFW_KEY_ENTER);
    EXPECT_EQ(edited().name, "x");
}

// Whether a pixel near that place of the window (within two) has the colour that the test
// asks: the ring's are drawn a pixel wide.
bool colourNear(glm::vec2 inWindow, int windowHeight,
                const std::function<bool(const std::array<int, 3>&)>& colour) {
    const int kAround = 2;  // pixels
    for (int dy = -kAround; dy <= kAround; ++dy) {
        for (int dx = -kAround; dx <= kAround; ++dx) {
            const int x = static_cast<int>(std::lround(inWindow.x)) + dx;
            const int y = windowHeight - 1 - static_cast<int>(std::lround(inWindow.y)) - dy;
            if (colour(pixelAt(x, y))) {
                return true;
            }
        }
    }
    return false;
}

bool greenish(const std::array<int, 3>& pixel) {
    return pixel[1] > 150 && pixel[1] > pixel[0] + 50 && pixel[1] > pixel[2] + 40;
}

bool orangeish(const std::array<int, 3>& pixel) {
    return pixel[0] > 180 && pixel[0] > pixel[1] + 40 && pixel[1] > pixel[2] + 20;
}

// Round the selected platform, at its top's height, a green ring as far from its edge as a
// walking jump carries on the level (5 units, as docs/levels.md tables it) and an orange one
// as far as a sprinting jump (10); neither between them, and none without a selection.
TEST_F(EditorTest, ReachRingsAreDrawnRoundTheSelectedPlatform) {
    // The camera flown back, so that the rings stand clear of the panels.
    startGame(editor_driving::kLargeWindowSettings);
    openOwnLevel("Rings");
    input.press(GLFW_KEY_S);
    frame(1.0);
    input.release(GLFW_KEY_S);
    frame();
    const glm::vec3 top = edited().platforms[0].at;
    const float edge = 3.0f;  // half the platform's side
    const float walk = edge + 5.0f;
    const float sprint = edge + 10.0f;
    const float between = edge + 7.5f;
    clickOnWorld(top + glm::vec3(2.0f, 0.0f, 2.0f));  // off the start, on the platform
    frame();

    // Places on each ring in the view, off the panels and off the far platform, which the
    // rings cross.
    const glm::vec3 farPlatform = edited().platforms[1].at;
    const auto places = [&](float radius) {
        std::vector<glm::vec2> found;
        for (int degrees = 5; degrees < 360; degrees += 10) {
            const float angle = glm::radians(static_cast<float>(degrees));
            const glm::vec3 at = top + radius * glm::vec3(std::cos(angle), 0.0f, std::sin(angle));
            const glm::vec2 shown = onScreen(at);
            const bool inView = shown.x > 4.0f && shown.y > 4.0f &&
                                shown.x < game->framebufferWidth - 4.0f &&
                                shown.y < game->framebufferHeight - 4.0f;
            const bool onFar = std::abs(at.x - farPlatform.x) < edge + 1.0f &&
                               std::abs(at.z - farPlatform.z) < edge + 1.0f;
            const glm::vec4 clip = game->ProjectionMatrix * game->ViewMatrix * glm::vec4(at, 1.0f);
            if (inView && clip.w > 0.0f && !onFar && !editor_driving::underPanel(shown)) {
                found.push_back(shown);
            }
        }
        return found;
    };
    const int height = game->framebufferHeight;
    const std::vector<glm::vec2> walkPlaces = places(walk);
    const std::vector<glm::vec2> sprintPlaces = places(sprint);
    const std::vector<glm::vec2> betweenPlaces = places(between);
    ASSERT_GE(walkPlaces.size(), 3u);
    ASSERT_GE(sprintPlaces.size(), 3u);
    ASSERT_GE(betweenPlaces.size(), 3u);
    for (const glm::vec2 place : walkPlaces) {
        EXPECT_TRUE(colourNear(place, height, greenish)) << place.x << ", " << place.y;
    }
    for (const glm::vec2 place : sprintPlaces) {
        EXPECT_TRUE(colourNear(place, height, orangeish)) << place.x << ", " << place.y;
    }
    for (const glm::vec2 place : betweenPlaces) {
        EXPECT_FALSE(colourNear(place, height, greenish) || colourNear(place, height, orangeish))
            << place.x << ", " << place.y;
    }

    clickOnWorld(top + glm::vec3(0.0f, 0.0f, -25.0f));  // on no piece: none selected
    frame();
    for (const glm::vec2 place : walkPlaces) {
        EXPECT_FALSE(colourNear(place, height, greenish)) << place.x << ", " << place.y;
    }
    for (const glm::vec2 place : sprintPlaces) {
        EXPECT_FALSE(colourNear(place, height, orangeish)) << place.x << ", " << place.y;
    }
}

// `smeltrun --edit PATH`, a process of its own, opens the editor on the level of that file:
// Ctrl+S writes it as the player's copy, and Escape, with nothing unsaved, quits. Standard
// output holds the game's own lines, none of them the editor's.
TEST(EditorProcess, EditOpensTheEditorOnTheLevelOfAPath) {
    GameDirectory directory(kSmallWindowSettings);
    Level level = newLevel("Elsewhere");
    level.parTime = 42;
    const std::filesystem::path file = directory.path() / "mine/elsewhere.toml";
    writeFile(file, levelText(level));
    GameCommand command = commandIn(directory, {}, {"--edit", file.string()});
    command.captureErrors = true;
    GameProcess game(command);
    ASSERT_TRUE(game.waitForLine("Game start!", kHangLimit)) << game.output();

    XInput input;
    const std::filesystem::path copy = directory.dataHome() / "smeltrun/levels/elsewhere.toml";
    input.press(GLFW_KEY_LEFT_CONTROL);
    input.press(GLFW_KEY_S);
    const auto deadline = std::chrono::steady_clock::now() + kHangLimit;
    while (!std::filesystem::exists(copy) && std::chrono::steady_clock::now() < deadline &&
           !game.waitForExit(std::chrono::milliseconds(10))) {
    }
    input.releaseAll();
    ASSERT_TRUE(std::filesystem::exists(copy)) << game.output() << game.errors();
    const LevelRead saved = parseLevel(contentsOf(copy), "elsewhere.toml");
    ASSERT_TRUE(saved.level) << saved.error;
    EXPECT_EQ(*saved.level, level);

    input.tap(GLFW_KEY_ESCAPE);
    ASSERT_TRUE(game.waitForLine(kQuitLine, kHangLimit)) << game.output();
    game.closeInput();
    EXPECT_EQ(game.waitForExit(kHangLimit), 0);
    EXPECT_EQ(game.output().find("Elsewhere"), std::string::npos) << game.output();
    EXPECT_EQ(game.output().find(file.string()), std::string::npos) << game.output();
}

}  // namespace
