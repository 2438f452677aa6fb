#include <cstring>
#include <iostream>

#include "app/Launch.h"
#include "app/ReplayFile.h"
#include "base/Console.h"

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--replay") == 0) {
        return playReplay(argv[2]);
    }
    // Set up
    const Settings settings = loadGameSettings();
    try {
        auto game = std::make_unique<Game>(settings);

        // Play
        runFrames(*game);

        // Shut down
        if (!settings.fullscreen) {
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
