#pragma once

#include <string>

#include "gameplay/Level.h"

// The level in the format that gameplay/LevelFile.h reads, in the order docs/levels.md tells
// its keys, for a person to read and change: every number as the shortest text that reads
// back as the same float, so that reading what this writes gives back the same level.
std::string levelText(const Level& level);
