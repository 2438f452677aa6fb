#include "app/ReplayFile.h"

#include <fstream>
#include <iostream>

#include "app/Launch.h"
#include "base/AtomicFile.h"
#include "base/Console.h"
#include "base/PlayerFolders.h"

namespace fs = std::filesystem;

namespace {

const char* const kBestFileName = "best.replay";

}  // namespace

fs::path bestReplayPath() {
    const fs::path folder = playerDataFolder();
    return folder.empty() ? folder : folder / kBestFileName;
}

ReplayRead readReplayFile(const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        return {std::nullopt, error ? error.message() : "not a regular file"};
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > kMaxReplayBytes) {
        return {std::nullopt, error ? error.message() : "larger than any replay"};
    }
    std::string text(size, '\0');
    std::ifstream in(path, std::ios::binary);
    if (!in.read(text.data(), static_cast<std::streamsize>(size))) {
        return {std::nullopt, "cannot be read"};
    }
    return parseReplay(text);
}

void saveReplay(const Replay& replay, const fs::path& path) {
    const WriteResult written = writeFileAtomically(path, replayText(replay));
    if (!written.ok) {
        printLine("ERROR::REPLAY::SAVE_FAILED: ", path.string(), ": ", written.reason);
    }
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
    const Settings settings = loadGameSettings();
    try {
        auto game = std::make_unique<Game>(settings);
        game->startReplay(std::move(*read.replay));
        runFrames(*game);
        if (!settings.fullscreen) {
            waitForEnter(std::cin);
        }
        return game->replayDiverged() ? 1 : 0;
    } catch (const GameInitError&) {
        return 1;  // its line is already on the console
    } catch (const std::exception& error) {
        printLine(oneLine(error.what()));
        return 1;
    }
}
