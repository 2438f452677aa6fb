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

// Whether --edit names a level yet to be made: a name that no level has. Its lookup, as a name
// is, from the data folder.
bool namesNewLevel(const std::string& operand) {
    if (namesLevelFile(operand)) {
        return false;
    }
    enterInstalledDataFolderIfNeeded();
    return !hasLevelNamed(operand);
}

// A new level for the editor, whose own files would stand beside it in the player's levels.
PlayedLevel editedLevel(const std::string& name) {
    PlayedLevel level;
    level.level = newLevel(name);
    level.folder = playerLevelsFolder();
    level.file = level.folder / (name + ".toml");
    level.shipped = false;
    return level;
}

}  // namespace

int main(int argc, char** argv) {
    // The HUD and the panels in the player's language; the console stays English.
    translateFrom(catalogueFolder(ownExecutable()));
    const CommandLine command = parseCommandLine(argc, argv);
    if (command.command == Command::Replay || command.command == Command::Verify) {
        return playReplay(command.operand, command.command == Command::Replay);
    }
    if (command.command == Command::Check) {
        return checkLevel(askedLevel(command.operand));
    }
    const Command asked = command.command;
    if (asked != Command::Play && asked != Command::Level && asked != Command::Edit) {
        return answerCommand(command, std::cout, std::cerr);
    }

    // Set up
    std::optional<PlayedLevel> level;
    const bool makeNew = asked == Command::Edit && namesNewLevel(command.operand);
    if (asked == Command::Play || makeNew) {
        enterInstalledDataFolderIfNeeded();
    } else {
        level = askedPlay(command);
        if (!level) {
            return 1;
        }
    }
    if (asked == Command::Edit && level) {
        // The editor saves it: the game does not read it again under the editor's hands.
        level->watched = false;
    }
    const Settings settings = loadGameSettings();
    try {
        auto game = std::make_unique<Game>(settings, level ? *level : PlayedLevel());
        if (asked == Command::Edit) {
            PlayedLevel edited = level ? *level : editedLevel(command.operand);
            edited.chosen = false;
            game->startEditor(std::move(edited));
        }

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
