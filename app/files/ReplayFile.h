#pragma once

#include <filesystem>
#include <string>

#include "gameplay/Replay.h"

// Replay files: the best run kept in the player's data folder, and any replay a player is
// handed. Their contents are untrusted, like the models': what is no regular file, or is
// larger than any replay can be, is refused before it is read.

// <the player's data folder>/best.replay; empty when the player has no known home.
std::filesystem::path bestReplayPath();

// <the player's data folder>/level-records/<hash>.replay: a level's; the course's best.replay
// for an empty hash.
std::filesystem::path levelReplayFile(const std::string& hash);

// The replay in the file, or why there is none.
ReplayRead readReplayFile(const std::filesystem::path& path);

// Writes the replay to the file atomically; a failure is reported in one line.
bool saveReplay(const Replay& replay, const std::filesystem::path& path);

// ERROR::REPLAY::REFUSED: <path>: <reason>
void reportRefusedReplay(const std::filesystem::path& path, const std::string& reason);
