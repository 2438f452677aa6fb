#pragma once

#include <string>
#include <vector>

#include "gameplay/Level.h"

// What may be wrong with a level that reads: it plays, but perhaps not as its author meant.
struct LevelWarning {
    enum class Kind { StartOverNothing, NoGoal, OutOfReach, Overlap };
    Kind kind;
    PieceRef piece;
    // In English, naming the pieces as an author counts them in the file: "platform 4".
    std::string text;
};

// The start over no platform; no goal (when `hasGoal` is false: a level still being made); a
// platform that a sprinting jump reaches from no other and reaches no other, wherever along
// their swings and paths the two come nearest; two platforms in one another at the start, an
// item inside a platform or in the place of another item. Pieces of the level's own models
// are not measured, their size being known only once loaded.
std::vector<LevelWarning> levelWarnings(const Level& level, bool hasGoal = true);
