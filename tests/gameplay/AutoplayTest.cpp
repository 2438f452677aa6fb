#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/files/ReplayFile.h"
#include "tests/support/GameFixture.h"
#include "tools/autoplay/Playthrough.h"

namespace {

namespace fs = std::filesystem;

const int kFrameLimit = 6000;

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
        const int frames = playWithPilot(*game, input, clock, 1.0 / framesPerSecond, kFrameLimit);
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

}  // namespace
