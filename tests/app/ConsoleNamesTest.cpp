#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/FileText.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/GameFixture.h"
#include "tests/support/GameProcess.h"

namespace {

namespace fs = std::filesystem;

// Bytes that steer a terminal: ESC, BEL, and CSI as a raw byte and in UTF-8.
bool holdsTerminalControls(const std::string& text) {
    return text.find_first_of("\x1b\x07\x9b") != std::string::npos;
}

// A level file whose name clears the screen and retitles the window, and a replay whose level
// name does the same with C1 controls, are named on the console with those shown escaped.
TEST(ConsoleNames, NamesFromOutsideReachTheConsoleEscaped) {
    GameDirectory directory(kWindowedSettings);
    const fs::path levels = directory.dataHome() / "smeltrun/levels";
    fs::create_directories(levels);
    writeFile(levels / "x\x1b[2J\x1b]0;owned\x07.toml", "format = [\n");
    std::string replay = contentsOf(fs::path(SMELTRUN_TEST_DATA_DIR) / "levels/first-steps.replay");
    // The level's line, whatever the hash of the level's file is now.
    const std::size_t line = replay.find("\nlevel ") + 1;
    replay.replace(line, replay.find('\n', line) - line,
                   "level 0123456789abcdef Gone\xc2\x9b"
                   "2J\x9b"
                   "2J");
    const fs::path replayFile = directory.path() / "gone.replay";
    writeFile(replayFile, replay);

    GameProcess game(commandIn(directory, {}, {"--replay", replayFile.string()}));
    game.closeInput();
    EXPECT_EQ(game.waitForExit(kHangLimit), 1) << game.output();
    EXPECT_FALSE(holdsTerminalControls(game.output())) << game.output();
    EXPECT_NE(game.output().find("ERROR::LEVEL::INVALID: " + levels.string() +
                                 "/x\\x1b[2J\\x1b]0;owned\\x07.toml:1:"),
              std::string::npos)
        << game.output();
    EXPECT_NE(game.output().find("ERROR::REPLAY::REFUSED: " + replayFile.string() +
                                 ": its level, Gone\\u009b2J\\x9b2J, is not installed"),
              std::string::npos)
        << game.output();
}

// Asked for by a name that is not there, the name is shown as the player typed it but for
// what would steer the terminal; an ordinary name in any script is shown as it is.
TEST(ConsoleNames, ALevelAskedForIsNamedEscapedOnlyWhereItMustBe) {
    GameDirectory directory(kWindowedSettings);
    for (const std::string& name : {std::string("Grüße-日本\x1b[31m"), std::string("Grüße-日本")}) {
        GameProcess game(directory, {}, {"--level", name});
        game.closeInput();
        EXPECT_EQ(game.waitForExit(kHangLimit), 1) << game.output();
        EXPECT_FALSE(holdsTerminalControls(game.output())) << game.output();
        const std::string shown = name.back() == 'm' ? "Grüße-日本\\x1b[31m" : name;
        EXPECT_NE(game.output().find("ERROR::LEVEL::NOT_FOUND: " + shown + "\n"), std::string::npos)
            << game.output();
    }
}

}  // namespace
