#include <iostream>

#include "app/CommandLine.h"
#include "app/Launch.h"
#include "app/files/DataFolder.h"
#include "app/files/LevelCatalog.h"
#include "app/files/LevelCheck.h"
#include "app/files/ReplayFile.h"
#include "app/settings/Translate.h"
#include "base/Console.h"

namespace {

// The level that --level (or --check) asks for: a file is found from where the caller stands,
// before the game enters its data folder, and a name among the game's levels and the player's.
std::optional<LevelEntry> askedLevel(const std::string& operand) {
    if (namesLevelFile(operand)) {
        std::optional<LevelEntry> level = findLevel(operand);
        enterInstalledDataFolderIfNeeded();
        return level;
    }
    enterInstalledDataFolderIfNeeded();
    return findLevel(operand);
}

// The level asked for, starting where the command line asks; nothing, after the line that says
// why, when it has no such checkpoint.
std::optional<PlayedLevel> askedPlay(const CommandLine& command) {
    const std::optional<LevelEntry> entry = askedLevel(command.operand);
    if (!entry) {
        return std::nullopt;  // its line is already on the console
    }
    std::optional<PlayedLevel> played = askedLevelPlay(*entry, command.checkpoint);
    if (!played) {
        const std::size_t checkpoints = entry->level.checkpoints.size();
        std::cerr << "smeltrun: --checkpoint " << command.checkpoint << ": the level has "
                  << checkpoints << (checkpoints == 1 ? " checkpoint" : " checkpoints") << '\n';
    }
    return played;
}

}  // namespace

int main(int argc, char** argv) {
    // The HUD and the panels in the player's language; the console stays English.
    translateFrom(catalogueFolder(ownExecutable()));
    const CommandLine command = parseCommandLine(argc, argv);
    if (command.command == Command::Replay) {
        return playReplay(command.operand);
    }
    if (command.command == Command::Check) {
        return checkLevel(askedLevel(command.operand));
    }
    if (command.command != Command::Play && command.command != Command::Level) {
        return answerCommand(command, std::cout, std::cerr);
    }

    // Set up
    std::optional<PlayedLevel> level;
    if (command.command == Command::Level) {
        level = askedPlay(command);
        if (!level) {
            return 1;
        }
    } else {
        enterInstalledDataFolderIfNeeded();
    }
    const Settings settings = loadGameSettings();
    try {
        auto game = std::make_unique<Game>(settings, level ? std::move(*level) : PlayedLevel());

        // Play
        runFrames(*game);

        // Shut down: the window leaves the screen before the console asks for ENTER, so that
        // no frozen frame stays behind, nor a close button that does nothing
        if (!settings.fullscreen) {
            glfwHideWindow(game->window);
            // Asking the window's state is a round trip to the X server: the window is off the
            // screen by the time the prompt shows.
            glfwGetWindowAttrib(game->window, GLFW_VISIBLE);
            waitForEnter(std::cin);
        }
    } catch (const GameInitError&) {
        return 1;  // its line is already on the console
    } catch (const std::exception& error) {
        printLine(oneLine(error.what()));
        return 1;
    }
    return 0;
}
