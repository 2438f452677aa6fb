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

// `--replay FILE` with its standard error captured.
GameCommand replayCommand(const GameDirectory& directory, const fs::path& replay) {
    GameCommand command = commandIn(directory, {}, {"--replay", replay.string()});
    command.captureErrors = true;
    return command;
}

TEST(ReplayProcess, TheAutopilotsRecordedWinPlaysBackWithTheSameLinesAndTime) {
    GameDirectory directory(kTinyWindowSettings);
    GameProcess game(replayCommand(directory, kRecorded));
    game.closeInput();
    EXPECT_EQ(game.waitForExit(kHangLimit), 0) << game.output();
    EXPECT_EQ(afterBanner(game.output()), splitLines(contentsOf(kRecordedLines)));
    EXPECT_NE(game.errors().find("REPLAY VERIFIED\n"), std::string::npos) << game.errors();
    EXPECT_FALSE(fs::exists(directory.dataHome())) << "a replay's win is not the player's";
}

// --verify plays the run as --replay does, unseen and without waiting for ENTER: a win played
// as recorded verifies, and one with a frame moved by hand does not.
TEST(ReplayProcess, VerifyingPlaysUnseenAndSaysWhetherItIsTheWinRecorded) {
    GameDirectory directory(kTinyWindowSettings);
    ReplayRead read = parseReplay(contentsOf(kRecorded));
    ASSERT_TRUE(read.replay) << read.reason;
    read.replay->frames[read.replay->frames.size() / 2].position.x += 0.5f;
    const fs::path forged = directory.path() / "forged.replay";
    writeFile(forged, replayText(*read.replay));
    const std::pair<fs::path, const char*> verdicts[] = {
        {kRecorded, "REPLAY VERIFIED\n"},
        {forged, "REPLAY NOT VERIFIED: "},
    };
    for (const auto& [replay, verdict] : verdicts) {
        GameCommand command = commandIn(directory, {}, {"--verify", replay.string()});
        command.captureErrors = true;
        GameProcess game(command);
        EXPECT_EQ(game.waitForExit(kHangLimit), replay == kRecorded ? 0 : 1) << game.errors();
        EXPECT_NE(game.errors().find(verdict), std::string::npos) << game.errors();
        EXPECT_EQ(game.output().find("Press ENTER"), std::string::npos);
    }
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

// A replay made from the autopilot's win that the game could not have played as a win.
struct Forgery {
    const char* name;
    void (*forge)(Replay& replay);
    const char* reason;  // after "REPLAY NOT VERIFIED: "
};

const Forgery kForgeries[] = {
    {"ElevenSecondsInOneFrame",
     [](Replay& replay) {
         replay.frames.resize(2);
         replay.frames[1].deltaTime = 11.0f;
         replay.frames[1].input.held.set(Action::Forward);
         replay.frames[1].input.held.set(Action::Sprint);
     },
     "frame 2 takes 11 s, longer than a record run's longest frame of 0.25 s"},
    {"NoGravity", [](Replay& replay) { replay.settings.gravity = 0.0f; },
     "gravity 0, not the game's -9.8"},
    {"FramesAfterTheWin",
     [](Replay& replay) {
         const std::size_t won = replay.frames.size();
         replay.frames.resize(won + 5, replay.frames.back());
     },
     "5 frames follow its win at frame 1232"},
    {"NoFrames", [](Replay& replay) { replay.frames.clear(); }, "no frames"},
    {"CutShortByEscape",
     [](Replay& replay) {
         replay.frames.resize(300);
         replay.frames.back().input.held.set(Action::Quit);
     },
     "it stopped at frame 300 of 300 without a win"},
};

void PrintTo(const Forgery& forgery, std::ostream* out) {
    *out << forgery.name;
}

class ForgedReplay : public ::testing::TestWithParam<Forgery> {};

// The game plays what it can read, says why it is no win, and exits with 1.
TEST_P(ForgedReplay, PlaysButDoesNotVerify) {
    ReplayRead read = parseReplay(contentsOf(kRecorded));
    ASSERT_TRUE(read.replay) << read.reason;
    ASSERT_EQ(read.replay->frames.size(), 1232u) << "the frame counts above are this replay's";
    GetParam().forge(*read.replay);
    GameDirectory directory(kTinyWindowSettings);
    const fs::path forged = directory.path() / "forged.replay";
    writeFile(forged, replayText(*read.replay));
    GameProcess game(replayCommand(directory, forged));
    game.closeInput();
    EXPECT_EQ(game.waitForExit(kHangLimit), 1) << game.output() << game.errors();
    EXPECT_NE(game.output().find("Game start!"), std::string::npos) << "it plays";
    EXPECT_NE(game.errors().find(std::string("REPLAY NOT VERIFIED: ") + GetParam().reason + "\n"),
              std::string::npos)
        << game.errors();
}

INSTANTIATE_TEST_SUITE_P(Forgeries, ForgedReplay, ::testing::ValuesIn(kForgeries),
                         [](const auto& info) { return std::string(info.param.name); });

using Replays = GameFixture;

// A frame longer than the rules' step is recorded as it came, and plays back in the same steps.
TEST_F(Replays, AStalledFramePlaysBackInTheStepsItWasPlayedIn) {
    startGame(kSmallWindowSettings);
    input.press(GLFW_KEY_W);
    for (int i = 0; i < 10; ++i) {
        frame();
    }
    frame(0.4);
    input.press(GLFW_KEY_SPACE);
    input.moveMouse(30, 0);
    frame(0.3);
    input.releaseAll();
    frame();
    const Replay played = game->session.recording.replay();
    ASSERT_TRUE(std::any_of(played.frames.begin(), played.frames.end(),
                            [](const ReplayFrame& frame) { return frame.deltaTime > 0.25f; }))
        << "kept as it came";
    game->startReplay(played);
    for (std::size_t i = 0; i <= played.frames.size(); ++i) {
        frame();
    }
    EXPECT_FALSE(game->replayDiverged()) << console.text();
    EXPECT_EQ(game->replayPlayed().played, played.frames.size());
}

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
    ASSERT_TRUE(game->session.playback);
    for (int i = 0; i < 60; ++i) {
        frame();
    }
    input.tap(GLFW_KEY_P);
    frame();
    const std::size_t pausedAt = game->session.playback->next;
    for (int i = 0; i < 10; ++i) {
        frame();
    }
    EXPECT_TRUE(game->paused);
    EXPECT_EQ(game->session.playback->next, pausedAt) << "a paused replay stands still";
    input.tap(GLFW_KEY_P);
    // Played to its end without drawing, as --verify plays one: no picture is read here.
    for (int i = 0; i < kFrameLimit && game->session.playback; ++i) {
        update();
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
