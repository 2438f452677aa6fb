#include <iostream>

#include "app/Console.h"
#include "app/Launch.h"

int main() {
    // Set up
    const Settings settings = loadSettings(kSettingsPath);
    try {
        std::unique_ptr<Game> game = launchGame(settings);

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
