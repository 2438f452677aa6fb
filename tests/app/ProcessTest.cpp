#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include "app/CommandLine.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/GameFixture.h"
#include "tests/support/GameProcess.h"
#include "tests/support/StdoutCapture.h"
#include "tools/xdrive/XInput.h"

namespace {

const char* const kFullscreenSettings =
    "[window]\n"
    "width = 640\n"
    "height = 360\n"
    "fullscreen = true\n";

// The game with these arguments, its standard error captured; it needs no directory of its own.
GameProcess withArguments(const std::vector<std::string>& arguments) {
    GameCommand command;
    command.arguments = arguments;
    command.workingDirectory = std::filesystem::temp_directory_path();
    command.captureErrors = true;
    return GameProcess(command);
}

// Starts the game, waits for its banner and ends it with Escape.
void playUntilEscape(GameProcess& game) {
    ASSERT_TRUE(game.waitForLine("Game start!", kHangLimit)) << game.output();
    XInput input;
    input.tap(GLFW_KEY_ESCAPE);
}

// The window leaves the screen before the prompt: no frozen frame waits for ENTER with it.
TEST(Process, AWindowedGameHidesItsWindowAsksForEnterAndWaitsForIt) {
    const std::string kTitle = "The window to hide";
    GameDirectory directory(std::string(kWindowedSettings) + "title = " + kTitle + "\n");
    GameProcess game(directory);
    XInput screen;
    ASSERT_TRUE(game.waitForLine("Game start!", kHangLimit)) << game.output();
    EXPECT_TRUE(screen.windowShown(kTitle));
    screen.tap(GLFW_KEY_ESCAPE);
    // Seen before the process ends: every line is flushed as it is printed.
    ASSERT_TRUE(game.waitForLine("Press ENTER to continue... ", kHangLimit)) << game.output();
    EXPECT_TRUE(game.waitForInputRead(kHangLimit)) << "the game must wait for ENTER";
    EXPECT_FALSE(screen.windowShown(kTitle));
    game.writeInput("\n");
    EXPECT_EQ(game.waitForExit(kHangLimit), 0);
}

TEST(Process, AClosedInputCountsAsEnter) {
    GameDirectory directory(kWindowedSettings);
    GameProcess game(directory);
    game.closeInput();
    playUntilEscape(game);
    EXPECT_EQ(game.waitForExit(kHangLimit), 0);
    EXPECT_NE(game.output().find("Press ENTER to continue... \n"), std::string::npos);
}

TEST(Process, AFullScreenGameEndsWithoutAPrompt) {
    GameDirectory directory(kFullscreenSettings);
    GameProcess game(directory);
    playUntilEscape(game);
    EXPECT_EQ(game.waitForExit(kHangLimit), 0) << "input is left open: nothing may wait on it";
    EXPECT_EQ(game.output().find("Press ENTER"), std::string::npos);
}

TEST(Process, ADamagedPlayerFileIsReportedInOneLineAndTheGameStartsWithoutIt) {
    GameDirectory directory(kWindowedSettings);
    directory.writePlayerSettings("[window\nwidth = 1\n");
    GameProcess game(directory);
    game.closeInput();
    playUntilEscape(game);
    EXPECT_EQ(game.waitForExit(kHangLimit), 0);
    std::vector<std::string> errors;
    for (const std::string& line : splitLines(game.output())) {
        if (line.find("ERROR") != std::string::npos) {
            errors.push_back(line);
        }
    }
    EXPECT_EQ(errors, std::vector<std::string>{"ERROR::SETTINGS::PLAYER_FILE_IGNORED: " +
                                               directory.playerSettingsFile().string()});
}

TEST(Process, WithoutADisplayStartUpFailsCleanly) {
    GameDirectory directory(kWindowedSettings);
    GameProcess game(directory, {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}});
    EXPECT_EQ(game.waitForExit(kHangLimit), 1);
    EXPECT_EQ(game.output(), "ERROR::GAME::GLFW_INIT_FAILED\n");
}

TEST(Process, AModelFileThatCannotBeOpenedEndsStartUpWithItsLine) {
    GameDirectory directory(kWindowedSettings);
    std::filesystem::remove(directory.path() / "assets/OBJFiles/trap.obj");
    GameProcess game(directory);
    EXPECT_EQ(game.waitForExit(kHangLimit), 1);
    EXPECT_EQ(game.output(), "ERROR::OBJLOADER::COULD NOT OPEN FILE: trap\n");
}

TEST(Process, VersionPrintsTheVersionAndExits) {
    GameProcess game = withArguments({"--version"});
    EXPECT_EQ(game.waitForExit(kHangLimit), 0);
    EXPECT_EQ(game.output(), std::string("smeltrun ") + kGameVersion + "\n");
    EXPECT_EQ(game.errors(), "");
}

TEST(Process, AnUnknownArgumentIsNamedWithTheUsageAsAnErrorAndExitsWithStatusTwo) {
    GameProcess game = withArguments({"--no-such-option"});
    EXPECT_EQ(game.waitForExit(kHangLimit), 2);
    EXPECT_EQ(game.output(), "");
    EXPECT_EQ(
        game.errors().rfind("smeltrun: unknown option '--no-such-option'\nusage: smeltrun", 0), 0u)
        << game.errors();
}

}  // namespace
