#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <chrono>
#include <cmath>
#include <optional>
#include <string>
#include <thread>

#include "app/files/LevelCatalog.h"
#include "app/files/LevelProof.h"
#include "app/files/ReplayFile.h"
#include "app/settings/Translate.h"
#include "app/ui/PausePanel.h"
#include "gameplay/LevelFile.h"
#include "tests/support/FileText.h"
#include "tests/support/GameFixture.h"

namespace fs = std::filesystem;

namespace {

const int kLeftButton = 1;  // X's numbers
// The palette's rows, from the top.
const int kGoalRow = 4;
const int kMostFramesToWin = 600;
const float kGoalAhead = 2.0f;  // units in front of the start, on its platform
// A proof's check is a game started and played to its end: waited for, a while at a time.
const std::chrono::milliseconds kCheckAwaited(50);
const int kMostChecksAwaited = 2400;

class MakersProofTest : public GameFixture {
protected:
    const Level& edited() const { return game->editor->document().level(); }

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

    void withControl(int key) {
        input.press(GLFW_KEY_LEFT_CONTROL);
        stroke(key);
        input.release(GLFW_KEY_LEFT_CONTROL);
        frame();
    }

    // A stroke of `forward` for each whole unit of `units`, or of `back` when they are fewer than
    // none: the arrows move the selection by the snap's step of one.
    void strokes(float units, int forward, int back) {
        for (int i = 0; i < static_cast<int>(std::abs(units)); ++i) {
            stroke(units > 0.0f ? forward : back);
        }
    }

    // The palette's row, as the UI laid it out in the last frame.
    glm::vec2 paletteRow(int row) const {
        const ImGuiWindow* window = ImGui::FindWindowByName(tr("Pieces"));
        EXPECT_NE(window, nullptr);
        if (window == nullptr) {
            return glm::vec2(0.0f);
        }
        return glm::vec2(window->DC.CursorStartPos.x + ImGui::GetFontSize(),
                         window->DC.CursorStartPos.y + (static_cast<float>(row) + 0.5f) *
                                                           ImGui::GetTextLineHeightWithSpacing());
    }

    // Clicks the item of that label in the panel, found as a hand finds it: the pointer goes down
    // the panel's left side until it is over the row that starts with `rowStart` (the item itself
    // when none), then along that row until the UI says it is over the item.
    void clickItem(const char* panel, const char* label, const char* rowStart = nullptr) {
        ImGuiWindow* window = ImGui::FindWindowByName(panel);
        ASSERT_NE(window, nullptr) << panel;
        const ImGuiID item = window->GetID(label);
        const ImGuiID row = rowStart ? window->GetID(rowStart) : item;
        const float step = 0.5f * ImGui::GetFontSize();
        // In a small window the panels overlap: a click on its corner brings this one forward.
        pointAt(glm::vec2(window->Pos.x + window->Size.x - step, window->Pos.y + step));
        click();
        const float left = window->DC.CursorStartPos.x + step;
        const float bottom = window->Pos.y + window->Size.y;
        std::optional<float> rowY;
        for (float y = window->Pos.y; y < bottom && !rowY; y += step) {
            pointAt(glm::vec2(left, y));
            if (hovered() == row) {
                rowY = y;
            }
        }
        ASSERT_TRUE(rowY) << "no row starting with " << (rowStart ? rowStart : label);
        const float right = window->Pos.x + window->Size.x;
        for (float x = left; x < right && hovered() != item; x += step) {
            pointAt(glm::vec2(x, *rowY));
        }
        ASSERT_EQ(hovered(), item) << label;
        click();
    }

    static ImGuiID hovered() { return ImGui::GetCurrentContext()->HoveredId; }

    // The Levels page's row of the player's level in that file, once its proof's check, a game
    // of its own, has ended.
    std::string levelsRowOf(const fs::path& file) {
        game->session.forgetLevelList();
        std::string row = rowOf(file);
        for (int i = 0; i < kMostChecksAwaited && row == checking(); ++i) {
            std::this_thread::sleep_for(kCheckAwaited);
            row = rowOf(file);
        }
        return row;
    }

    std::string rowOf(const fs::path& file) {
        const std::vector<LevelEntry>& levels = game->session.levelList();
        for (std::size_t i = 0; i < levels.size(); ++i) {
            if (levels[i].file == file) {
                return levelRowLabel(levels, i, true);
            }
        }
        return "not listed";
    }

    static std::string checking() { return std::string("Proven  ") + tr("checking..."); }
};

// The whole of making a level: a platform placed, moved, the move undone, given a path through
// the properties panel; the goal placed from the palette; saved, read back, play-tested and won
// with the keys. The win is kept beside the level as its proof, and the Levels page says the
// level is cleared once the proof has played on it frame by frame to its win, until an edit.
TEST_F(MakersProofTest, ALevelMadeSavedAndWonIsKeptWithItsProof) {
    startGame();
    PlayedLevel made;
    made.level = newLevel("Proven");
    made.shipped = false;
    made.file = playerLevelsFolder() / "proven.toml";
    made.folder = playerLevelsFolder();
    game->startEditor(made);
    frame();
    frame();  // the panels lay themselves out in their first frame

    pointAt(paletteRow(0));  // Platform
    click();
    pointAt(glm::vec2(480.0f, 250.0f));  // on the grid, right of the start
    click();
    ASSERT_EQ(edited().platforms.size(), 3u);
    const glm::vec3 placed = edited().platforms[2].at;
    pointAt(glm::vec2(320.0f, 20.0f));  // off every panel, so that the keys are the editor's
    stroke(GLFW_KEY_RIGHT);
    EXPECT_EQ(edited().platforms[2].at, placed + glm::vec3(1.0f, 0.0f, 0.0f));
    withControl(GLFW_KEY_Z);
    EXPECT_EQ(edited().platforms[2].at, placed);
    clickItem(tr("Properties"), tr("Moves along a path"), tr("Still"));
    clickItem(tr("Properties"), tr("Add point"));
    ASSERT_EQ(edited().platforms[2].path.size(), 2u) << "a path of two points";
    EXPECT_GT(edited().platforms[2].speed, 0.0f);

    // The goal placed on the grid below the panels, then moved two steps ahead of the start.
    pointAt(paletteRow(kGoalRow));
    click();
    pointAt(glm::vec2(100.0f, 335.0f));
    click();
    const glm::vec3 dropped = edited().goal;
    ASSERT_NE(dropped, newLevel("Proven").goal);
    pointAt(glm::vec2(320.0f, 20.0f));
    const glm::vec3 ahead = edited().start + glm::vec3(0.0f, 0.0f, -kGoalAhead);
    strokes(ahead.x - dropped.x, GLFW_KEY_RIGHT, GLFW_KEY_LEFT);
    strokes(dropped.z - ahead.z, GLFW_KEY_UP, GLFW_KEY_DOWN);
    const Level before = edited();
    ASSERT_EQ(before.goal, glm::vec3(ahead.x, dropped.y, ahead.z));
    withControl(GLFW_KEY_S);
    const LevelRead saved = parseLevel(contentsOf(made.file), "proven.toml");
    ASSERT_TRUE(saved.level) << saved.error;
    EXPECT_EQ(*saved.level, before) << "what the editor wrote reads back as the level made";
    EXPECT_EQ(levelsRowOf(made.file), "Proven  " + std::string(tr("not cleared")));

    stroke(GLFW_KEY_F5);
    ASSERT_TRUE(game->editor->playTesting);
    input.press(GLFW_KEY_W);
    for (int i = 0; i < kMostFramesToWin && game->editor->playTesting; ++i) {
        frame();
    }
    input.release(GLFW_KEY_W);
    frame();
    ASSERT_TRUE(game->editing());
    ASSERT_NE(console.text().find("GAME WON! "), std::string::npos) << console.text();
    const fs::path proofFile = proofFileOf(made.file);
    EXPECT_EQ(proofFile, playerLevelsFolder() / "proven.replay");
    ReplayRead proof = readReplayFile(proofFile);
    ASSERT_TRUE(proof.replay) << proof.reason;
    EXPECT_EQ(levelsRowOf(made.file), "Proven  " + std::string(tr("cleared")))
        << "the proof plays on the level as saved, frame by frame, to its win";

    // A proof changed by hand, of the level as it stands but no longer as it was played, proves
    // nothing.
    Replay forged = *proof.replay;
    forged.frames[forged.frames.size() / 2].position.x += 1.0f;
    ASSERT_TRUE(saveReplay(forged, proofFile));
    EXPECT_EQ(levelsRowOf(made.file), "Proven  " + std::string(tr("not cleared")));
    ASSERT_TRUE(saveReplay(*proof.replay, proofFile));

    // An edit saved leaves the proof behind: it was of the level before.
    stroke(GLFW_KEY_LEFT);
    withControl(GLFW_KEY_S);
    EXPECT_FALSE(fs::exists(proofFile));
    EXPECT_EQ(levelsRowOf(made.file), "Proven  " + std::string(tr("not cleared")));
}

}  // namespace
