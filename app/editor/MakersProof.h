#pragma once

#include <filesystem>
#include <optional>

#include "gameplay/Replay.h"

// Whether the level being made is cleared by its maker: a play-test's win of the level as its
// file holds it, kept beside the file as its proof (see LevelProof).
class MakersProof {
public:
    // The level's file as the editor found it.
    void found(const std::filesystem::path& levelFile);
    // The level's file as the editor wrote it. A proof beside it of the level before the change
    // is removed: it proves nothing any more.
    void saved(const std::filesystem::path& levelFile);
    // A play-test's win, kept as the proof when it played the level as saved (`asSaved`), from
    // its start, as a record run would. True when it was kept.
    bool keepWin(const ReplayRecorder& recording, bool fromStart, bool asSaved);
    // Whether the level is cleared, while it stands as saved.
    bool cleared(bool asSaved) const { return proven && asSaved; }

private:
    std::filesystem::path file;
    std::optional<ReplayLevel> tag;  // the file's level, as a proof names it
    bool proven = false;
};
