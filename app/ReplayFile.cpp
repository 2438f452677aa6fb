#include "app/ReplayFile.h"

#include <iostream>

#include "app/DataFolder.h"
#include "app/Launch.h"
#include "app/RecordsFile.h"
#include "base/AtomicFile.h"
#include "base/Console.h"
#include "base/FileRead.h"
#include "base/PlayerFolders.h"

namespace fs = std::filesystem;

namespace {

const char* const kBestFileName = "best.replay";

// On standard error: the console's lines are the game's, and a replay's are those of its game.
void tellVerdict(const std::optional<std::string>& doubt) {
    if (doubt) {
        printNotice("REPLAY NOT VERIFIED: ", *doubt);
    } else {
        printNotice("REPLAY VERIFIED");
    }
}

}  // namespace

fs::path bestReplayPath() {
    const fs::path folder = playerDataFolder();
    return folder.empty() ? folder : folder / kBestFileName;
}

// Beside the level's records.
fs::path levelReplayFile(const std::string& hash) {
    if (hash.empty()) {
        return bestReplayPath();
    }
    const fs::path records = levelRecordsFile(hash);
    return records.empty() ? records : records.parent_path() / (hash + ".replay");
}

ReplayRead readReplayFile(const fs::path& path) {
    const FileText file = readWholeFile(path, kMaxReplayBytes, "larger than any replay");
    if (!file.text) {
        return {std::nullopt, file.reason};
    }
    return parseReplay(*file.text);
}

bool saveReplay(const Replay& replay, const fs::path& path) {
    const WriteResult written = writeFileAtomically(path, replayText(replay));
    if (!written.ok) {
        printLine("ERROR::REPLAY::SAVE_FAILED: ", path.string(), ": ", written.reason);
    }
    return written.ok;
}

void reportRefusedReplay(const fs::path& path, const std::string& reason) {
    printLine("ERROR::REPLAY::REFUSED: ", path.string(), ": ", reason);
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
