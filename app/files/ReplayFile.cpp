#include "app/files/ReplayFile.h"

#include "app/files/DataFolder.h"
#include "app/files/RecordsFile.h"
#include "base/AtomicFile.h"
#include "base/Console.h"
#include "base/FileRead.h"
#include "base/PlayerFolders.h"

namespace fs = std::filesystem;

namespace {

const char* const kBestFileName = "best.replay";

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
