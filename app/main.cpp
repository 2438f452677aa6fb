#include <iostream>

#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/Launch.h"
#include "app/ReplayFile.h"
#include "base/Console.h"

int main(int argc, char** argv) {
    const CommandLine command = parseCommandLine(argc, argv);
    if (command.command == Command::Replay) {
        return playReplay(command.replayFile);
    }
    if (command.command != Command::Play) {
        return answerCommand(command, std::cout, std::cerr);
    }

    // Set up
    enterInstalledDataFolderIfNeeded();
    const Settings settings = loadGameSettings();
    try {
        auto game = std::make_unique<Game>(settings);

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
