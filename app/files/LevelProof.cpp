#include "app/files/LevelProof.h"

#include "app/files/ReplayFile.h"

namespace fs = std::filesystem;

namespace {

const char* const kProofExtension = ".replay";

}  // namespace

fs::path proofFileOf(const fs::path& levelFile) {
    return fs::path(levelFile).replace_extension(kProofExtension);
}

ReplayLevel proofTag(const LevelEntry& entry) {
    return ReplayLevel{entry.hash, entry.level.name};
}

std::optional<std::string> proofDoubt(const LevelEntry& entry) {
    const fs::path proof = proofFileOf(entry.file);
    std::error_code error;
    if (!fs::exists(proof, error)) {
        return "no win of it is kept";
    }
    const ReplayRead read = readReplayFile(proof);
    if (!read.replay) {
        return read.reason;
    }
    const ReplayLevel tag = proofTag(entry);
    if (read.replay->level.hash != tag.hash || read.replay->level.name != tag.name) {
        return "the win kept was of the level before it was changed";
    }
    return recordRunDoubt(*read.replay);
}
