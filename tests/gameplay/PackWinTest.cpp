#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/files/ReplayFile.h"
#include "tests/support/GameFixture.h"
#include "tools/autoplay/Playthrough.h"

namespace {

namespace fs = std::filesystem;

const int kFrameLimit = 20000;

// The pack's levels after the course, whose own tests win it, in pack.txt's order.
std::vector<std::string> packLevels() {
    std::ifstream list(fs::path(SMELTRUN_ASSETS_DIR) / "levels/pack.txt");
    std::vector<std::string> names;
    for (std::string line; std::getline(list, line);) {
        if (!line.empty() && line[0] != '#' && line != "course") {
            names.push_back(line);
        }
    }
    return names;
}

// The tests' own levels beside the kept replays, by name: those the pilot must win too.
std::vector<std::string> testLevels() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(SMELTRUN_TEST_DATA_DIR) / "levels")) {
        if (entry.path().extension() == ".toml") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> wonLevels() {
    std::vector<std::string> names = packLevels();
    const std::vector<std::string> own = testLevels();
    names.insert(names.end(), own.begin(), own.end());
    return names;
}

// As --level names it: a test's own level by its file.
std::string levelToPlay(const std::string& name) {
    const fs::path own = fs::path(SMELTRUN_TEST_DATA_DIR) / "levels" / (name + ".toml");
    return fs::exists(own) ? own.string() : name;
}

// A level's name as a test's: letters, digits and underscores.
std::string testName(std::string level) {
    std::replace(level.begin(), level.end(), '-', '_');
    return level;
}

class PackWin : public GameFixture,
                public ::testing::WithParamInterface<std::tuple<std::string, double>> {};

// The pilot, which knows of a level only its file and what a player sees, wins it through X.
TEST_P(PackWin, ThePilotWinsTheLevel) {
    const auto& [name, framesPerSecond] = GetParam();
    levelName = levelToPlay(name);
    startGame(kTinyWindowSettings);
    const Playthrough played =
        playWithPilot(*game, input, clock, 1.0 / framesPerSecond, kFrameLimit);
    EXPECT_EQ(played.gaveUp, std::nullopt);
    ASSERT_TRUE(game->session.results) << console.text();
    EXPECT_NE(console.text().find("GAME WON! "), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Pack, PackWin,
                         ::testing::Combine(::testing::ValuesIn(wonLevels()),
                                            ::testing::Values(60.0, 20.0)),
                         [](const auto& info) {
                             return testName(std::get<0>(info.param)) + "_at_" +
                                    std::to_string(static_cast<int>(std::get<1>(info.param)));
                         });

class PackReplay : public GameFixture, public ::testing::WithParamInterface<std::string> {};

// Each level's kept win plays back on it frame by frame as it was recorded, to the win.
TEST_P(PackReplay, TheKeptWinVerifies) {
    levelName = levelToPlay(GetParam());
    startGame(kTinyWindowSettings);
    ReplayRead read =
        readReplayFile(fs::path(SMELTRUN_TEST_DATA_DIR) / "levels" / (GetParam() + ".replay"));
    ASSERT_TRUE(read.replay) << read.reason;
    EXPECT_EQ(read.replay->level.hash, game->session.played.id.hash)
        << "recorded on this level's file";
    const std::size_t frames = read.replay->frames.size();
    game->startReplay(std::move(*read.replay));
    for (std::size_t i = 0; i <= frames && !glfwWindowShouldClose(game->window); ++i) {
        update();
    }
    EXPECT_TRUE(glfwWindowShouldClose(game->window));
    EXPECT_FALSE(game->replayDiverged()) << console.text();
    EXPECT_NE(console.text().find("GAME WON! "), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Pack, PackReplay, ::testing::ValuesIn(wonLevels()),
                         [](const auto& info) { return testName(info.param); });

}  // namespace
