#pragma once

#include <string>
#include <string_view>

#include "gameplay/Level.h"

// The level in the format that gameplay/LevelFile.h reads, in the order docs/levels.md tells
// its keys, for a person to read and change: every number as the shortest text that reads
// back as the same float, so that reading what this writes gives back the same level.
// `comment`, the lines a file began with (leadingComment's), stays above the level: a file's
// description of itself is the maker's, and goes through a load and a save unchanged.
std::string levelText(const Level& level, const std::string& comment = "");

// The lines of comment at the top of a level's file, up to its first line of anything else,
// each ending in a line break.
std::string leadingComment(std::string_view text);
