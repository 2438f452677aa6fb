#include "app/editor/MakersProof.h"

#include "app/files/LevelProof.h"
#include "app/files/ReplayFile.h"
#include "gameplay/RecordRun.h"

namespace fs = std::filesystem;

void MakersProof::found(const fs::path& levelFile) {
    file = levelFile;
    tag.reset();
    proven = false;
    std::error_code error;
    if (!fs::exists(file, error)) {
        return;
    }
    const std::optional<LevelEntry> entry = readLevelFile(file);
    if (!entry) {
        return;
    }
    tag = proofTag(*entry);
    proven = !proofDoubt(*entry);
}

void MakersProof::saved(const fs::path& levelFile) {
    found(levelFile);
    if (!proven) {
        std::error_code error;
        fs::remove(proofFileOf(file), error);
    }
}

bool MakersProof::keepWin(const ReplayRecorder& recording, bool fromStart, bool asSaved) {
    const Replay& run = recording.replay();
    if (!tag || !asSaved || !fromStart || !recording.whole() ||
        recordRunFault(run.settings.gravity, recording.longestFrame())) {
        return false;
    }
    Replay proof = run;
    proof.level = *tag;
    proven = saveReplay(proof, proofFileOf(file));
    return proven;
}
