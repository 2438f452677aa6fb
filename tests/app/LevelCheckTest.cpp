#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/FileText.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/GameProcess.h"
#include "tests/support/SmallLevel.h"

namespace fs = std::filesystem;

namespace {

// `smeltrun --check` as an author runs it in a terminal with no display at all.
class LevelCheck : public testing::Test {
protected:
    struct Checked {
        int status;
        std::string output;
    };

    Checked check(const std::string& level) {
        GameCommand command = commandIn(directory, {{"DISPLAY", ""}}, {"--check", level});
        command.captureErrors = true;
        GameProcess game(command);
        const std::optional<int> status = game.waitForExit(kHangLimit);
        EXPECT_TRUE(status) << "hung";
        EXPECT_EQ(game.errors(), "");
        return {status.value_or(-1), game.output()};
    }

    fs::path levels() const { return directory.dataHome() / "smeltrun/levels"; }

    GameDirectory directory{""};
};

// A shipped level by its name, and a player's with a model and an image of its own, both
// read without a window and pass without a word.
TEST_F(LevelCheck, AGoodLevelPassesSilently) {
    writeFile(levels() / "own/level.toml", std::string(kSmallLevel) +
                                               "[[platform]]\nat = [0.0, -0.5, -18.0]\n"
                                               "model = \"raft.obj\"\nimage = \"raft.png\"\n");
    fs::copy_file(directory.path() / "assets/OBJFiles/platform.obj", levels() / "own/raft.obj");
    fs::copy_file(directory.path() / "assets/Images/trap.png", levels() / "own/raft.png");
    for (const char* level : {"course", "own"}) {
        const Checked checked = check(level);
        EXPECT_EQ(checked.status, 0) << level;
        EXPECT_EQ(checked.output, "") << level;
    }
}

// Warnings do not keep the level from reading: each has its line, with the place of the key.
TEST_F(LevelCheck, ALevelWithWarningsReadsAndEachIsToldAtItsKey) {
    const fs::path file = fs::absolute(directory.path() / "mine.toml");
    writeFile(file, std::string(kSmallLevel) +
                        "[[platform]]\n"  // line 16
                        "at = [40, -0.5, -6]\n"
                        "colour = \"red\"\n"
                        "[[health]]\n"
                        "at = [2, -1, -6]\n");  // line 20: inside the second platform
    const Checked checked = check(file.string());
    EXPECT_EQ(checked.status, 0);
    const std::string path = file.string();
    EXPECT_EQ(checked.output,
              "WARNING::LEVEL::UNKNOWN_KEY: " + path + ":18:1: unknown key platform.colour\n" +
                  "WARNING::LEVEL::OUT_OF_REACH: " + path +
                  ":17:1: platform 4 is beyond a sprinting jump from every other platform\n" +
                  "WARNING::LEVEL::OVERLAP: " + path +
                  ":20:1: health pack 1 is inside platform 2\n");
}

// A level that does not read is told as --level tells it, with the place of the key that
// asks for what is missing or broken, and the status is 1.
TEST_F(LevelCheck, ABrokenLevelIsToldAtItsKeyAndFails) {
    writeFile(levels() / "lost/level.toml", std::string(kSmallLevel) +
                                                "[[trap]]\nat = [2, -0.5, -12]\n"
                                                "model = \"spikes.obj\"\n");  // line 18
    const Checked lost = check("lost");
    EXPECT_EQ(lost.status, 1);
    EXPECT_EQ(lost.output, "ERROR::LEVEL::INVALID: " + (levels() / "lost/level.toml").string() +
                               ":18:1: trap.model: spikes.obj is missing\n");

    writeFile(levels() / "broken/level.toml", std::string(kSmallLevel) +
                                                  "[[trap]]\nat = [2, -0.5, -12]\n"
                                                  "model = \"spikes.obj\"\n");
    writeFile(levels() / "broken/spikes.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 9\n");
    const Checked broken = check("broken");
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.output.find("ERROR::OBJLOADER::INVALID_FACE: "), std::string::npos)
        << broken.output;
    EXPECT_NE(broken.output.find("/broken/level.toml:18:1: trap.model names it\n"),
              std::string::npos)
        << broken.output;
}

}  // namespace
