#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "app/files/RecordsFile.h"
#include "app/files/ReplayFile.h"
#include "tests/support/FileText.h"
#include "tests/support/GameFixture.h"
#include "tests/support/ShownText.h"
#include "tests/support/SmallLevel.h"

namespace {

namespace fs = std::filesystem;

const int kFrameLimit = 600;

struct RunCase {
    const char* name;
    const char* settings;      // after the small window's
    double stallSeconds;       // one frame this long, early in the run
    const char* noRecordLine;  // what the results say of a win that is no record, or nullptr
};

const RunCase kRuns[] = {
    {"OwnRules", "", 1.0 / 60.0, nullptr},
    {"OtherGravity", "[world]\ngravity = -5\n", 1.0 / 60.0, "No record: another gravity"},
    {"TenFramesASecond", "", 0.1, nullptr},
    {"Stalled", "", 0.3, "No record: the game stalled"},
};

void PrintTo(const RunCase& run, std::ostream* out) {
    *out << run.name;
}

class RecordRun : public GameFixture, public ::testing::WithParamInterface<RunCase> {};

// The win plays and shows its results either way; only a run under the game's own rules, in
// the steps they are made for, keeps a record and its replay.
TEST_P(RecordRun, OnlyARunUnderTheGamesRulesInItsStepsKeepsARecord) {
    const RunCase& run = GetParam();
    levelName = "small";
    startGame(std::string(kSmallWindowSettings) + run.settings, [](const fs::path& directory) {
        writeFile(directory / "data/smeltrun/levels/small.toml", kSmallLevel);
    });
    input.press(GLFW_KEY_W);
    frame(0.0);
    frame(run.stallSeconds);
    for (int i = 0; i < kFrameLimit && !game->session.results; ++i) {
        frame();
    }
    input.releaseAll();
    ASSERT_TRUE(game->session.results) << console.text();
    EXPECT_NE(console.text().find("GAME WON! "), std::string::npos);
    const bool record = run.noRecordLine == nullptr;
    EXPECT_EQ(game->session.results->newBest, record);
    EXPECT_EQ(fs::exists(levelRecordsFile(game->session.played.id.hash)), record);
    EXPECT_EQ(fs::exists(levelReplayFile(game->session.played.id.hash)), record);
    frame();
    if (run.noRecordLine) {
        EXPECT_TRUE(showsText(run.noRecordLine)) << shownGlyphs();
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, RecordRun, ::testing::ValuesIn(kRuns),
                         [](const auto& info) { return std::string(info.param.name); });

using RunClock = GameFixture;

// Choosing a level loads it between two frames: the time that takes is no frame of the run.
TEST_F(RunClock, StartsWhenTheRunStartsNotWhenTheFrameBeforeDid) {
    levelName = "small";
    startGame(kSmallWindowSettings, [](const fs::path& directory) {
        writeFile(directory / "data/smeltrun/levels/small.toml", kSmallLevel);
    });
    frame();
    clock.advance(2.0);  // as long as a large level takes to load
    game->retry();
    frame();
    EXPECT_LT(game->session.recording.longestFrame(), 0.05f);
    EXPECT_NEAR(game->totalTime, kFrameSeconds, 1e-5);
}

using BestRun = GameFixture;

// A best run is played as the ghost and offered to watch only on the level it was won on.
TEST_F(BestRun, AnotherLevelsReplayIsNotTheCoursesBestRunNorTheCoursesALevels) {
    const fs::path data = fs::path(SMELTRUN_TEST_DATA_DIR);
    const ReplayRead levels = readReplayFile(data / "levels/first-steps.replay");
    ASSERT_TRUE(levels.replay) << levels.reason;
    startGame(kTinyWindowSettings, [&data](const fs::path& directory) {
        writeFile(directory / "data/smeltrun/best.replay",
                  contentsOf(data / "levels/first-steps.replay"));
    });
    EXPECT_FALSE(game->session.bestRun);
    EXPECT_NE(console.text().find(": recorded on level " + levels.replay->level.hash + "\n"),
              std::string::npos)
        << console.text();
    stopGame();

    levelName = "first-steps";
    console.clear();
    startGame(kTinyWindowSettings);
    writeFile(levelReplayFile(game->session.played.id.hash), contentsOf(data / "autoplay.replay"));
    restartGame();
    EXPECT_FALSE(game->session.bestRun);
    EXPECT_NE(console.text().find(": recorded on the course\n"), std::string::npos)
        << console.text();
}

}  // namespace
