#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>

#include "app/files/LevelCatalog.h"
#include "app/session/LevelId.h"
#include "gameplay/Level.h"

// The level a game plays: its description, and the folder its own files are found in (empty
// for the course built in code).
struct PlayedLevel {
    Level level = courseLevel();
    std::filesystem::path folder;
    LevelId id;  // by which its records and replays are known
    // Chosen by the player, from the Levels panel or the command line: a win shows the
    // results rather than closing the game.
    bool chosen = false;
    bool shipped = true;  // as LevelEntry's; the course built in code is the game's own
    // The checkpoint (from 0) where the player's runs start, to practise a section: such a run
    // is no record. None: at the level's start.
    std::optional<std::size_t> startCheckpoint;
    // The file it was read from; empty for the course built in code.
    std::filesystem::path file;
    // Read again whenever its file changes, as its author saves it: a level asked for on the
    // command line.
    bool watched = false;
};

// The entry's level as its records know it: a level that is the course, whatever its file,
// keeps the course's records.
LevelId levelIdOf(const LevelEntry& entry);

// The entry's level as a game plays it.
PlayedLevel playedLevel(const LevelEntry& entry, bool chosen);

// The entry's level as the command line asks for it: chosen, read again when its file changes,
// its runs starting at its Nth checkpoint (from 1; 0 for its start). Nothing when it has fewer.
std::optional<PlayedLevel> askedLevelPlay(const LevelEntry& entry, int checkpoint);
