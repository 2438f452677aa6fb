#include "app/Launch.h"

#include <iostream>
#include <limits>

#include "app/files/DataFolder.h"
#include "app/files/ReplayFile.h"
#include "base/Console.h"

namespace {

// On standard error: the console's lines are the game's, and a replay's are those of its game.
void tellVerdict(const std::optional<std::string>& doubt) {
    if (doubt) {
        printNotice("REPLAY NOT VERIFIED: ", *doubt);
    } else {
        printNotice("REPLAY VERIFIED");
    }
}

}  // namespace

void runFrames(Game& game) {
    while (!glfwWindowShouldClose(game.window)) {
        game.update();
        game.render();
    }
}

void waitForEnter(std::istream& input) {
    printLine("Press ENTER to continue... ");
    input.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

int playReplay(const std::string& path) {
    ReplayRead read = readReplayFile(path);
    if (!read.replay) {
        reportRefusedReplay(path, read.reason);
        return 1;
    }
    // The file is the caller's, found from where it stands; the game's own are in its data folder.
    enterInstalledDataFolderIfNeeded();
    PlayedLevel played;
    if (!read.replay->level.hash.empty()) {
        const std::optional<LevelEntry> level = levelOfReplay(read.replay->level, path);
        if (!level) {
            return 1;
        }
        played = playedLevel(*level, false);
    }
    const Settings settings = loadGameSettings();
    const std::optional<std::string> ruled = recordRunDoubt(*read.replay);
    try {
        auto game = std::make_unique<Game>(settings, std::move(played));
        game->startReplay(std::move(*read.replay));
        runFrames(*game);
        const std::optional<std::string> doubt = ruled ? ruled : playedDoubt(game->replayPlayed());
        tellVerdict(doubt);
        if (!settings.fullscreen) {
            waitForEnter(std::cin);
        }
        return doubt ? 1 : 0;
    } catch (const GameInitError&) {
        return 1;  // its line is already on the console
    } catch (const std::exception& error) {
        printLine(oneLine(error.what()));
        return 1;
    }
}
