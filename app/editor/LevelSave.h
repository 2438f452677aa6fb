#pragma once

#include <filesystem>

#include "app/session/PlayedLevel.h"
#include "base/AtomicFile.h"

// Where the editor keeps a level: the player's own level in its own file; any other (one of the
// game's, or a file elsewhere) as the player's copy, `NAME.toml` in the player's levels folder,
// so that nothing the game ships is written over.
std::filesystem::path savePathOf(const PlayedLevel& level);

// Writes the level in the file format, atomically, under `comment` (the lines of comment the
// file it was opened from began with). A level that would not read back as it is
// (no goal, a start over no platform, own files that would not lie beside the file) is not
// written; the result says why.
WriteResult saveLevel(const Level& level, bool hasGoal, const std::filesystem::path& ownFolder,
                      const std::filesystem::path& file, const std::string& comment = "");
