#pragma once

#include <filesystem>

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
};

// The entry's level as its records know it: a level that is the course, whatever its file,
// keeps the course's records.
LevelId levelIdOf(const LevelEntry& entry);

// The entry's level as a game plays it.
PlayedLevel playedLevel(const LevelEntry& entry, bool chosen);
