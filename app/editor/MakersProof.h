#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>

#include "gameplay/Replay.h"

// Whether the level being made is cleared by its maker: a play-test's win of the level as its
// file holds it, kept beside the file as its proof (see LevelProof).
class MakersProof {
public:
    // The level's file as the editor found it, at the document's revision then.
    void opened(const std::filesystem::path& levelFile, std::size_t revision);
    // The level's file as the editor wrote it. A proof beside it of the level before the change
    // is removed: it proves nothing any more.
    void saved(const std::filesystem::path& levelFile, std::size_t revision);
    // A play-test's win, kept as the proof when it played the level as saved, from its start,
    // as a record run would. True when it was kept.
    bool keepWin(const ReplayRecorder& recording, bool fromStart, std::size_t revision);
    // Whether the level as it stands in the editor, at this revision, is cleared.
    bool cleared(std::size_t revision) const { return proven && revision == savedRevision; }
    // Whether the level as it stands is the one in its file, which a win would clear.
    bool asSaved(std::size_t revision) const { return tag && revision == savedRevision; }

private:
    std::filesystem::path file;
    std::optional<ReplayLevel> tag;  // the file's level, as a proof names it
    std::size_t savedRevision = 0;
    bool proven = false;
};
