#include "app/session/PlayedLevel.h"

LevelId levelIdOf(const LevelEntry& entry) {
    if (entry.level == courseLevel()) {
        return LevelId{};
    }
    return LevelId{entry.hash, entry.level.name};
}

PlayedLevel playedLevel(const LevelEntry& entry, bool chosen) {
    return PlayedLevel{entry.level, entry.file.parent_path(), levelIdOf(entry), chosen,
                       entry.shipped};
}
