#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Console.h"
#include "gameplay/Level.h"

// A level as its file describes it, in TOML:
//
//   format = 1
//   name = "First steps"
//   par_time = 50                 # whole seconds
//   [start]
//   at = [0.0, -0.5, 0.0]
//   facing = 0.0                  # degrees about y, optional
//   [[platform]]                  # at least one
//   at = [0.0, -0.5, -10.0]
//   swing = { axis = "x", amplitude = -5.0 }          # optional
//   path = [[5.0, -0.5, -20.0]]   # optional, not with a swing; needs speed
//   speed = 2.0                   # units per second
//   wait = 1.5                    # seconds of rest at each end of the path, optional
//   phase = 3.0                   # seconds of head start, for a path or a swing, optional
//   model = "rock.obj"            # optional, beside the level file; so is image
//   image = "rock.png"
//   [[trap]], [[health]], [[checkpoint]]: at, and optionally model and image
//   [goal]
//   at = [0.0, -0.45, -110.0]
//   [look]                        # optional, and so is each of its keys
//   sky = [0.2, 0.2, 0.3]         # red, green, blue from 0 to 1; so are sky_top and light
//   platforms = "stone"           # one of kPlatformSets; music one of kMusicLoops
//
// The file comes from players: whatever it holds, reading it stays within these caps.

constexpr std::size_t kMaxLevelBytes = 1024 * 1024;  // the app refuses a larger file unread
constexpr std::size_t kMaxLevelPieces = 1000;        // platforms, traps, health packs, checkpoints
constexpr std::size_t kMaxPathPoints = 64;           // per moving platform
constexpr double kMaxPlatformSeconds = 3600.0;       // a path's wait at its ends, a head start
constexpr double kMaxFacingDegrees = 360.0;          // the start's facing, either way
constexpr std::size_t kMaxLevelWarnings = kMaxWarningsPerFile;  // then one line counts the rest

// Where a key stands in the level's file.
struct KeyPlace {
    std::uint32_t line = 1;
    std::uint32_t column = 1;
};

// Where a piece's keys stand: what is found wrong once the level has been read (an own model
// that is missing, a platform out of reach) is told at the key it comes from.
struct PiecePlaces {
    KeyPlace at;
    KeyPlace model;  // where the piece has none, as its `at`
    KeyPlace image;
};

struct LevelPlaces {
    std::vector<PiecePlaces> platforms;
    std::vector<PiecePlaces> traps;
    std::vector<PiecePlaces> healthPacks;
    std::vector<PiecePlaces> checkpoints;
    PiecePlaces start;  // its `at`, for each of the three
    PiecePlaces goal;

    const PiecePlaces& of(PieceRef piece) const;
};

// "<file>:<line>:<column>: <what>", as every message about a level's file reads.
std::string placedText(const std::string& fileName, KeyPlace place, std::string_view what);

struct LevelRead {
    std::optional<Level> level;
    // Why there is no level: "<file>:<line>:<column>: <what is wrong>".
    std::string error;
    // Every key the game does not know, read or refused, in the file's order:
    // "<file>:<line>:<column>: unknown key platform.colour", then "... and N more".
    std::vector<std::string> warnings;
    // A goal that the player touches at the start reads, and is told, as
    // "<file>:<line>:<column>: goal.at is within touching distance of start.at".
    std::optional<std::string> goalAtStart;
    // Where the level's pieces stand in the file; with a level only.
    LevelPlaces places;
};

// `fileName` only names the file in the messages, as "levels/x.toml".
LevelRead parseLevel(std::string_view text, const std::string& fileName);

// The 64-bit FNV-1a hash of a level file's bytes, by which records know the level's version,
// and that hash as 16 lowercase hexadecimal digits.
std::uint64_t levelHash(std::string_view text);
std::string levelHashText(std::uint64_t hash);
