#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "gameplay/Level.h"
#include "gameplay/LevelFile.h"
#include "gameplay/LevelPack.h"
#include "gameplay/Replay.h"

// The level files the game can play: those shipped in assets/levels/, and the player's in
// <the player's data folder>/levels/, each as NAME.toml or as a folder NAME/level.toml that
// holds the level's own models and images too.

// Whether a player's level is won by its maker as it stands: no proof, or none that verified; its
// proof being played; or its proof verified, frame by frame.
enum class LevelProofState { None, Checking, Verified };

struct LevelEntry {
    std::string key;  // NAME, by which --level finds it
    std::filesystem::path file;
    Level level;
    // Of the file's bytes and its own files': an edited level, or one whose own model was
    // swapped for another, is another level.
    std::string hash;
    // Named in assets/levels/pack.txt: one of the game's pack, which opens in the pack's order.
    bool inPack = false;
    // In assets/levels: one of the game's own, whose name the catalogue translates.
    bool shipped = false;
    // Where its pieces stand in the file, for what is told of them after reading.
    LevelPlaces places;
    // A player's level won by its maker as it stands: see LevelProof.
    LevelProofState proof = LevelProofState::None;
};

// The level in the file. A file that cannot be read, or is no valid level, is named in one
// line with what is wrong, and gives nothing; an unknown key is a warning line of its own.
// `problem`, when given, is told what the error line says is wrong.
std::optional<LevelEntry> readLevelFile(const std::filesystem::path& file,
                                        std::string* problem = nullptr);

// Every level that reads: the shipped ones in the pack's order, then the other shipped ones by
// name, then the player's by name. Those that do not read are reported and left out, and so is
// a name in the pack without a level file. A folder lists its first 1,000 levels by name; the
// names of the rest go to standard error, and findLevel finds them all the same.
std::vector<LevelEntry> findLevels();

// Whether the player may choose the level at `place` in findLevels' list, having won the pack's
// levels in `won`. The pack's first two (the course and the one after it) are open from the
// start, and each other opens once the one before it, or itself, has been won; a level outside
// the pack is always open.
bool isLevelOpen(const std::vector<LevelEntry>& levels, std::size_t place, const WonLevels& won);

// A level's name as the player reads it: one of the game's own levels' in the player's
// language, a player's own as it is written.
std::string shownName(const Level& level, bool shipped);

// The installed level that a replay names, or nothing, after a line saying so.
std::optional<LevelEntry> levelOfReplay(const ReplayLevel& tag, const std::string& replayFile);

// Whether `--level` names a file rather than a level: a path with a folder in it, or a
// .toml file.
bool namesLevelFile(const std::string& nameOrPath);

// `--level NAME|PATH`: the level file at PATH, or the level called NAME, shipped or the
// player's. Nothing, after a line saying why, when there is no such level or it does not read.
std::optional<LevelEntry> findLevel(const std::string& nameOrPath);

// Whether a level file of that name is among the game's levels or the player's, read or not.
bool hasLevelNamed(const std::string& name);

// <the player's data folder>/levels; empty when the player has no known home.
std::filesystem::path playerLevelsFolder();
// The NAME by which --level finds the level in that file: the file's name without `.toml`, or
// its folder's for a `level.toml`.
std::string levelKeyOf(const std::filesystem::path& file);
