#include <gtest/gtest.h>
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
#include "tests/app/editor/EditorFixture.h"
#include "tests/support/FileText.h"

namespace fs = std::filesystem;

namespace {

const int kMostFramesToWin = 600;
const float kGoalAhead = 2.0f;  // units in front of the start, on its platform
// A proof's check is a game started and played to its end: waited for, a while at a time.
const std::chrono::milliseconds kCheckAwaited(50);
const int kMostChecksAwaited = 2400;

class MakersProofTest : public EditorFixture {
protected:
    // A stroke of `forward` for each whole unit of `units`, or of `back` when they are fewer than
    // none: the arrows move the selection by the snap's step of one.
    void strokes(float units, int forward, int back) {
        for (int i = 0; i < static_cast<int>(std::abs(units)); ++i) {
            stroke(units > 0.0f ? forward : back);
        }
    }

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

    static std::string checking() { return std::string("proven  ") + tr("checking..."); }
};

// The whole of making a level: a platform placed, moved, the move undone, given a path through
// the properties panel; the goal placed from the palette; saved, read back, play-tested and won
// with the keys. The win is kept beside the level as its proof, and the Levels page says the
// level is cleared once the proof has played on it frame by frame to its win, until an edit.
TEST_F(MakersProofTest, ALevelMadeSavedAndWonIsKeptWithItsProof) {
    startGame(editor_driving::kLargeWindowSettings);
    const PlayedLevel made = openOwnLevel("proven");
    clickOn(tr("Platform"));
    pointAt(glm::vec2(960.0f, 500.0f));  // on the grid, right of the start
    click();
    ASSERT_EQ(edited().platforms.size(), 3u);
    const glm::vec3 placed = edited().platforms[2].at;
    pointAt(glm::vec2(640.0f, 40.0f));  // off every panel, so that the keys are the editor's
    stroke(GLFW_KEY_RIGHT);
    EXPECT_EQ(edited().platforms[2].at, placed + glm::vec3(1.0f, 0.0f, 0.0f));
    withControl(GLFW_KEY_Z);
    EXPECT_EQ(edited().platforms[2].at, placed);
    clickOn(tr("Moves along a path"));
    frame();  // the panel fits itself to the path's rows in its next frame
    clickOn(tr("Add point"));
    ASSERT_EQ(edited().platforms[2].path.size(), 2u) << "a path of two points";
    EXPECT_GT(edited().platforms[2].speed, 0.0f);

    // The goal placed on the grid below the panels, then moved two steps ahead of the start.
    clickOn(tr("Goal"));
    pointAt(glm::vec2(200.0f, 670.0f));
    click();
    const glm::vec3 dropped = edited().goal;
    ASSERT_NE(dropped, newLevel("proven").goal);
    pointAt(glm::vec2(640.0f, 40.0f));
    const glm::vec3 ahead = edited().start + glm::vec3(0.0f, 0.0f, -kGoalAhead);
    strokes(ahead.x - dropped.x, GLFW_KEY_RIGHT, GLFW_KEY_LEFT);
    strokes(dropped.z - ahead.z, GLFW_KEY_UP, GLFW_KEY_DOWN);
    const Level before = edited();
    ASSERT_EQ(before.goal, glm::vec3(ahead.x, dropped.y, ahead.z));
    withControl(GLFW_KEY_S);
    const LevelRead saved = parseLevel(contentsOf(made.file), "proven.toml");
    ASSERT_TRUE(saved.level) << saved.error;
    EXPECT_EQ(*saved.level, before) << "what the editor wrote reads back as the level made";
    EXPECT_EQ(levelsRowOf(made.file), "proven  " + std::string(tr("not cleared")));

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
    EXPECT_EQ(levelsRowOf(made.file), "proven  " + std::string(tr("cleared")))
        << "the proof plays on the level as saved, frame by frame, to its win";

    // A proof changed by hand, of the level as it stands but no longer as it was played, proves
    // nothing.
    Replay forged = *proof.replay;
    forged.frames[forged.frames.size() / 2].position.x += 1.0f;
    ASSERT_TRUE(saveReplay(forged, proofFile));
    EXPECT_EQ(levelsRowOf(made.file), "proven  " + std::string(tr("not cleared")));
    ASSERT_TRUE(saveReplay(*proof.replay, proofFile));

    // An edit saved leaves the proof behind: it was of the level before.
    stroke(GLFW_KEY_LEFT);
    withControl(GLFW_KEY_S);
    EXPECT_FALSE(fs::exists(proofFile));
    EXPECT_EQ(levelsRowOf(made.file), "proven  " + std::string(tr("not cleared")));
}

}  // namespace
