#pragma once

#include <optional>

#include "app/files/LevelCatalog.h"

// `smeltrun --check NAME|PATH`, once the level has been looked for as --level looks (which
// prints why it does not read): reads the level's own files as the game would load them, but
// without a window or the GL, and tells each piece that the level's rules find amiss (see
// gameplay/LevelWarnings.h), each error and warning on its own line with its file, line and
// column. Returns the exit status: 0 when the level reads, warnings or not; 1 when it does not.
int checkLevel(const std::optional<LevelEntry>& level);
