#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// The game's own levels come as a pack, played in an order that pack.txt gives, one level NAME
// (its file's name without .toml) a line:
//
//   # The pack, easiest first.
//   course
//   first-steps
//
// Lines starting with '#' and blank lines are skipped, and spaces around a name go.

// The names in their order; a name listed again keeps its first place.
std::vector<std::string> parsePackOrder(std::string_view text);

// The pack's levels that the player has won, by NAME: each opens the level after it. The
// player's data keeps them as text, a first line naming the format and its version, then one
// NAME a line:
//
//   smeltrun-unlocked 1
//   course
//   first-steps
using WonLevels = std::set<std::string>;

// The names in the text, or nothing when it is not such a file of this version, or a line is
// no level's name (a control character, or a '/'). Blank lines are allowed.
std::optional<WonLevels> parseWonLevels(std::string_view text);

std::string wonLevelsText(const WonLevels& won);
