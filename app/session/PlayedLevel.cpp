#include "app/session/PlayedLevel.h"

LevelId levelIdOf(const LevelEntry& entry) {
    if (entry.level == courseLevel()) {
        return LevelId{};
    }
    return LevelId{entry.hash, entry.level.name};
}

PlayedLevel playedLevel(const LevelEntry& entry, bool chosen) {
    PlayedLevel played;
    played.level = entry.level;
    played.file = entry.file;
    played.folder = entry.file.parent_path();
    played.id = levelIdOf(entry);
    played.chosen = chosen;
    played.shipped = entry.shipped;
    return played;
}

std::optional<PlayedLevel> askedLevelPlay(const LevelEntry& entry, int checkpoint) {
    PlayedLevel played = playedLevel(entry, true);
    played.watched = true;
    if (checkpoint == 0) {
        return played;
    }
    if (checkpoint < 0 || static_cast<std::size_t>(checkpoint) > played.level.checkpoints.size()) {
        return std::nullopt;
    }
    played.startCheckpoint = static_cast<std::size_t>(checkpoint - 1);
    return played;
}
