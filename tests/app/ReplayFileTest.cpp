#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gameplay/Replay.h"
#include "tests/support/FileText.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/GameFixture.h"
#include "tests/support/GameProcess.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// The autopilot's win as tests/data/record-autoplay recorded it, and its console lines.
const fs::path kRecorded = fs::path(SMELTRUN_TEST_DATA_DIR) / "autoplay.replay";
const fs::path kRecordedLines = fs::path(SMELTRUN_TEST_DATA_DIR) / "autoplay.lines";
const int kFrameLimit = 3000;

// The console's lines after the banner ("Game start!" and an empty line), without the prompt
// of a windowed game's end.
Lines afterBanner(const std::string& output) {
    const Lines lines = splitLines(output);
    const auto start = std::find(lines.begin(), lines.end(), "Game start!");
    if (lines.end() - start < 2) {
        return {"no banner in: " + output};
    }
    Lines after(start + 2, lines.end());
    if (!after.empty() && after.back() == "Press ENTER to continue... ") {
        after.pop_back();
    }
    return after;
}

// The value of a header line of the recorded replay ("frames 1232": "1232").
std::string headerValue(const std::string& replay, const std::string& key) {
    const size_t from = replay.find("\n" + key + " ") + key.size() + 2;
    return replay.substr(from, replay.find('\n', from) - from);
}

TEST(ReplayProcess, TheAutopilotsRecordedWinPlaysBackWithTheSameLinesAndTime) {
    GameDirectory directory(kTinyWindowSettings);
    GameProcess game(directory, {}, {"--replay", kRecorded.string()});
    game.closeInput();
    EXPECT_EQ(game.waitForExit(kHangLimit), 0) << game.output();
    EXPECT_EQ(afterBanner(game.output()), splitLines(contentsOf(kRecordedLines)));
    EXPECT_FALSE(fs::exists(directory.dataHome())) << "a replay's win is not the player's";
}

TEST(ReplayProcess, ATruncatedOrForeignReplayIsRefusedInOneLine) {
    GameDirectory directory(kSmallWindowSettings);
    const std::string text = contentsOf(kRecorded);
    const size_t header = text.find("\nframes ");
    size_t cut = text.find('\n', header + 1);
    for (int frame = 0; frame < 100; ++frame) {
        cut = text.find('\n', cut + 1);
    }
    const fs::path truncated = directory.path() / "truncated.replay";
    writeFile(truncated, text.substr(0, cut + 1));
    const fs::path foreign = directory.path() / "foreign.replay";
    const std::string rules = "\nrules " + headerValue(text, "rules") + "\n";
    std::string otherRules = text;
    otherRules.replace(text.find(rules), rules.size(), "\nrules 99\n");
    writeFile(foreign, otherRules);

    const std::pair<fs::path, std::string> refusals[] = {
        {truncated, "truncated: 100 of " + headerValue(text, "frames") + " frames"},
        {foreign, "made under rules 99, this game plays rules " + headerValue(text, "rules")},
    };
    for (const auto& [replay, reason] : refusals) {
        GameProcess game(directory, {}, {"--replay", replay.string()});
        EXPECT_EQ(game.waitForExit(kHangLimit), 1);
        EXPECT_EQ(game.output(),
                  "ERROR::REPLAY::REFUSED: " + replay.string() + ": " + reason + "\n");
    }
}

using Replays = GameFixture;

// Whatever the player did before, the best run plays from a fresh start of the level, and
// prints what it printed when it was played; P pauses it, and after its last frame the pause
// panel is back over a fresh start of the player's own game.
TEST_F(Replays, WatchingTheBestRunFromThePausePanelPlaysItAsItWentAndComesBack) {
    startGame(kSmallWindowSettings, [](const fs::path& directory) {
        writeFile(directory / "data/smeltrun/best.replay", contentsOf(kRecorded));
    });
    input.press(GLFW_KEY_W);
    input.press(GLFW_KEY_LEFT_SHIFT);
    input.moveMouse(60, 0);
    input.tap(GLFW_KEY_F3);  // the debug camera too, which stops the player
    for (int i = 0; i < 30; ++i) {
        frame();
    }
    input.tap(GLFW_KEY_F3);
    input.tap(GLFW_KEY_SPACE);
    frame();
    input.releaseAll();
    input.tap(GLFW_KEY_P);
    frame();
    ASSERT_TRUE(game->paused);
    frame();  // the panel lays itself out in its first frame, before it can be navigated
    console.clear();
    for (int key : {GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_DOWN, GLFW_KEY_SPACE}) {
        stroke(key);  // Resume, Options, Controls, then Watch best run
    }
    ASSERT_TRUE(game->playback);
    for (int i = 0; i < 60; ++i) {
        frame();
    }
    input.tap(GLFW_KEY_P);
    frame();
    const std::size_t pausedAt = game->playback->next;
    for (int i = 0; i < 10; ++i) {
        frame();
    }
    EXPECT_TRUE(game->paused);
    EXPECT_EQ(game->playback->next, pausedAt) << "a paused replay stands still";
    input.tap(GLFW_KEY_P);
    for (int i = 0; i < kFrameLimit && game->playback; ++i) {
        frame();
    }
    EXPECT_EQ(console.lines(), splitLines(contentsOf(kRecordedLines)));
    EXPECT_FALSE(game->replayDiverged());
    EXPECT_FALSE(glfwWindowShouldClose(game->window));
    EXPECT_TRUE(game->paused) << "the pause panel is back";
    EXPECT_EQ(game->totalTime, 0.0f);
    EXPECT_FALSE(game->player->goalReached) << "the player's own game, from its start";
    EXPECT_FALSE(fs::exists(std::string(std::getenv("XDG_DATA_HOME")) + "/smeltrun/records"))
        << "a replay's win is not the player's";
}

TEST_F(Replays, AFrameThatComesOutOtherwiseThanRecordedIsReportedOnce) {
    startGame(kSmallWindowSettings);
    ReplayRead read = parseReplay(contentsOf(kRecorded));
    ASSERT_TRUE(read.replay) << read.reason;
    read.replay->frames[20].position.x += 0.001f;
    const size_t frames = read.replay->frames.size();
    game->startReplay(std::move(*read.replay));
    console.clear();
    for (int i = 0; i < 40; ++i) {
        frame();
    }
    EXPECT_EQ(console.lines(),
              Lines{"ERROR::REPLAY::DIVERGED: frame 21 of " + std::to_string(frames) +
                    " played otherwise than it was recorded"});
    EXPECT_TRUE(game->replayDiverged());
}

}  // namespace
