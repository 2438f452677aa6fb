#include "app/Launch.h"

#include <iostream>
#include <limits>

#include "app/files/DataFolder.h"
#include "app/files/ReplayFile.h"
#include "base/Console.h"

namespace {

// The smallest window of the game's shape: unseen, its pixels are never looked at.
const int kUnseenWidth = 64;
const int kUnseenHeight = 36;

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

// Unseen, nothing is drawn: the rules alone play.
void runUpdates(Game& game) {
    while (!glfwWindowShouldClose(game.window)) {
        game.update();
    }
}

void waitForEnter(std::istream& input) {
    printLine("Press ENTER to continue... ");
    input.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

namespace {

// A game that plays unseen: no window on the screen, no sound, and nothing that pauses it.
Settings unseen(Settings settings) {
    settings.fullscreen = false;
    settings.width = kUnseenWidth;
    settings.height = kUnseenHeight;
    settings.audioEnabled = false;
    settings.pauseOnFocusLoss = false;
    settings.hudEnabled = false;
    return settings;
}

}  // namespace

int playReplay(const std::string& path, bool shown) {
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
    const Settings settings = shown ? loadGameSettings() : unseen(loadGameSettings());
    const std::optional<std::string> ruled = recordRunDoubt(*read.replay);
    if (!shown) {
        // GLFW keeps the hints given once it is set up, and the game's setting up finds it so.
        glfwInit();
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    }
    try {
        auto game = std::make_unique<Game>(settings, std::move(played));
        game->startReplay(std::move(*read.replay));
        shown ? runFrames(*game) : runUpdates(*game);
        const std::optional<std::string> doubt = ruled ? ruled : playedDoubt(game->replayPlayed());
        tellVerdict(doubt);
        if (shown && !settings.fullscreen) {
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
