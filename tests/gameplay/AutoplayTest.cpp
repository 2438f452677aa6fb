#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/files/ReplayFile.h"
#include "tests/support/FileText.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/GameFixture.h"
#include "tests/support/GameProcess.h"
#include "tools/autoplay/Playthrough.h"

namespace {

namespace fs = std::filesystem;

const int kFrameLimit = 6000;

// A row of five traps across the second platform, 1 apart: no lane clears them, and the one
// health cannot pay for the third, in the middle.
const char* const kTrapRowLevel = R"(format = 1
name = "Trap row"
par_time = 20
[start]
at = [0.0, -0.5, 0.0]
[[platform]]
at = [0.0, -0.5, 0.0]
[[platform]]
at = [0.0, -0.5, -8.0]
[[platform]]
at = [0.0, -0.5, -16.0]
[[trap]]
at = [-2.0, -0.5, -8.0]
[[trap]]
at = [-1.0, -0.5, -8.0]
[[trap]]
at = [0.0, -0.5, -8.0]
[[trap]]
at = [1.0, -0.5, -8.0]
[[trap]]
at = [2.0, -0.5, -8.0]
[goal]
at = [0.0, -0.45, -16.0]
)";

// A gap of 20 between edges, which no jump crosses, and no platform moves to close.
const char* const kWideGapLevel = R"(format = 1
name = "Wide gap"
par_time = 20
[start]
at = [0.0, -0.5, 0.0]
[[platform]]
at = [0.0, -0.5, 0.0]
[[platform]]
at = [0.0, -0.5, -26.0]
[goal]
at = [0.0, -0.45, -26.0]
)";

// The words of the records file's line that starts with `key`; none without one.
std::vector<std::string> recordLine(const fs::path& records, const std::string& key) {
    std::ifstream in(records);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::vector<std::string> words;
        for (std::string word; fields >> word;) {
            words.push_back(word);
        }
        if (!words.empty() && words[0] == key) {
            return words;
        }
    }
    return {};
}

// A time from the records file as the console writes times.
std::string asConsoleWrites(const std::string& seconds) {
    std::ostringstream text;
    text << std::stof(seconds) << "s";
    return text.str();
}

class Autoplay : public GameFixture {
protected:
    void expectAWin(double framesPerSecond, const Preparation& prepare = nullptr) {
        startGame(kTinyWindowSettings, prepare);
        clock.set(0.0);
        const int frames =
            playWithPilot(*game, input, clock, 1.0 / framesPerSecond, kFrameLimit).frames;
        const std::string text = console.text();
        EXPECT_LT(frames, kFrameLimit) << text;
        EXPECT_TRUE(glfwWindowShouldClose(game->window));
        EXPECT_NE(text.find("HEALTH PACK COLLECTED\n"), std::string::npos) << text;
        EXPECT_EQ(text.find("TRAP TRIGGERED"), std::string::npos) << text;
        EXPECT_EQ(text.find("GAME LOST! "), std::string::npos) << text;
        const size_t won = text.rfind("GAME WON! ");
        ASSERT_NE(won, std::string::npos) << text;
        winLine = text.substr(won, text.find('\n', won) - won);
        afterWin = text.substr(text.find('\n', won) + 1);
        records = fs::path(std::getenv("XDG_DATA_HOME")) / "smeltrun" / "records";
    }

    // The pilot plays through the keyboard like a person: its win counts as the player's.
    // Their first is the best, without a word more on the console.
    void expectAFirstWinRecorded() {
        EXPECT_EQ(afterWin, "");
        const std::vector<std::string> best = recordLine(records, "best_time");
        ASSERT_EQ(best.size(), 2u);
        EXPECT_EQ(asConsoleWrites(best[1]), wonSeconds());
        EXPECT_EQ(recordLine(records, "best_score"),
                  (std::vector<std::string>{"best_score", wonPoints()}));
        const std::vector<std::string> win = recordLine(records, "win");
        ASSERT_EQ(win.size(), 4u);
        EXPECT_EQ(win[1], best[1]);
        EXPECT_EQ(win[2], wonPoints());
        expectTheBestRunSaved();
    }

    // The game's replay goes beside the records with a best time, and ends at the win.
    void expectTheBestRunSaved() {
        const ReplayRead best = readReplayFile(records.parent_path() / "best.replay");
        ASSERT_TRUE(best.replay) << best.reason;
        ASSERT_FALSE(best.replay->frames.empty());
        std::ostringstream clock;
        clock << best.replay->frames.back().clock << "s";
        EXPECT_EQ(clock.str(), wonSeconds());
    }

    // The win line's time and points, as "20.5167s" and "15400".
    std::string wonSeconds() const { return winLine.substr(10, winLine.find(" | ") - 10); }
    std::string wonPoints() const {
        const size_t from = winLine.find(" | ") + 3;
        return winLine.substr(from, winLine.find(' ', from) - from);
    }

    Preparation seedRecords(const std::string& text) {
        return [text](const fs::path& directory) {
            fs::create_directories(directory / "data/smeltrun");
            std::ofstream(directory / "data/smeltrun/records") << text;
        };
    }

    std::string winLine;
    std::string afterWin;  // what the console says after it
    fs::path records;
};

TEST_F(Autoplay, WinsAt60FramesPerSecond) {
    expectAWin(60.0);
    expectAFirstWinRecorded();
}

TEST_F(Autoplay, WinsAt20FramesPerSecond) {
    expectAWin(20.0);
    expectAFirstWinRecorded();
}

TEST_F(Autoplay, AWinThatBeatsTheBestTimeSaysSoAfterTheWinLine) {
    expectAWin(60.0, seedRecords("smeltrun-records 1\nbest_time 999.5\nbest_score 10\n"));
    EXPECT_EQ(afterWin, "NEW BEST TIME: " + wonSeconds() + "\n");
    ASSERT_EQ(recordLine(records, "best_time").size(), 2u);
    EXPECT_EQ(asConsoleWrites(recordLine(records, "best_time")[1]), wonSeconds());
    expectTheBestRunSaved();
}

using PilotGivesUp = GameFixture;

// The same loss five times ends the play with a line that says where and how, and no more runs.
TEST_F(PilotGivesUp, AfterTheSameLossFiveTimesSayingWhich) {
    levelName = "trap-row";
    startGame(kTinyWindowSettings, [](const fs::path& directory) {
        writeFile(directory / "data/smeltrun/levels/trap-row.toml", kTrapRowLevel);
    });
    const Playthrough played = playWithPilot(*game, input, clock, 1.0 / 60.0, kFrameLimit);
    const std::string text = console.text();
    EXPECT_LT(played.frames, kFrameLimit) << text;
    EXPECT_EQ(played.gaveUp, "gave up: hit trap 3, 5 times") << text;
    std::size_t losses = 0;
    for (std::size_t at = text.find("GAME LOST! "); at != std::string::npos;
         at = text.find("GAME LOST! ", at + 1)) {
        ++losses;
    }
    EXPECT_EQ(losses, 5u) << text;
    EXPECT_FALSE(game->player->goalReached);
}

// A platform that never comes within a jump: the pilot waits for it a while, then says so and
// ends with its own status, after the lines of the game.
TEST(PilotGivesUpProcess, AtAGapTooWideWithItsOwnStatus) {
    GameDirectory directory(kWindowedSettings);
    writeFile(directory.dataHome() / "smeltrun/levels/wide-gap.toml", kWideGapLevel);
    GameCommand command =
        commandIn(directory, {}, {"--fps", "20", "--window", "64x36", "--level", "wide-gap"});
    command.binary = SMELTRUN_AUTOPLAY_BINARY;
    GameProcess pilot(command);
    EXPECT_TRUE(pilot.waitForLine(
        "gave up: waited 10 s on platform 1 for platform 2 to come within a jump", kHangLimit))
        << pilot.output();
    EXPECT_EQ(pilot.waitForExit(kHangLimit), 3) << pilot.output();
    EXPECT_EQ(pilot.output().find("GAME LOST! "), std::string::npos) << pilot.output();
}

}  // namespace
