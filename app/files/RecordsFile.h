#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "gameplay/LevelPack.h"
#include "gameplay/Records.h"

// The records file in the player's data folder, and the file of the levels won beside it. Every
// game reads, merges and writes each under a lock on a .lock file beside it, so that two games
// that win at once both keep their win.

// <the player's data folder>/records; empty when the player has no known home.
std::filesystem::path recordsPath();

// <the player's data folder>/level-records/<hash>.records: a level's; the course's records
// for an empty hash.
std::filesystem::path levelRecordsFile(const std::string& hash);

// The records as the file holds them: none when there is no file. A damaged file is set aside
// under a new name beside it (records.damaged-<UTC time>), reported in one line, and the
// records start afresh.
Records loadRecords(const std::filesystem::path& path);

struct KeptWin {
    Records records;                  // as the file holds them now
    std::optional<float> beatenTime;  // the earlier best time that the win beat
    bool bestTime = false;            // no earlier win was as fast
};

// Adds the win to the file, atomically and under the lock. When no earlier win was as fast,
// `whileBest` runs under the same lock, so that what is saved with the best time matches the
// records. Nothing when the win could not be kept, which is reported in one line.
std::optional<KeptWin> keepWin(const std::filesystem::path& path, const Win& win,
                               const std::function<void()>& whileBest);

// <the player's data folder>/unlocked: the levels of the game's pack that the player has won,
// which open the levels after them; empty when the player has no known home.
std::filesystem::path wonLevelsPath();

// The levels won as the file holds them, read as loadRecords reads the records.
WonLevels loadWonLevels(const std::filesystem::path& path);

// Adds the level to the file, atomically and under its lock, unless it is there already. What
// the file holds now, other games' wins too; nothing when it could not be kept, which is
// reported in one line.
std::optional<WonLevels> keepWonLevel(const std::filesystem::path& path, const std::string& name);

// The time now, as the records date a win.
std::string utcDateNow();
