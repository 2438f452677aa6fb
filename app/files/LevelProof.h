#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "app/files/LevelCatalog.h"
#include "gameplay/Replay.h"

// A player's level is cleared by its maker when beside its file lies its proof: the replay of a
// win of the level as the file holds it, played from its start under the game's own rules.
// Another's level with its proof beside it can be won; one without may not be.

// NAME.replay beside NAME.toml; level.replay beside a folder's level.toml.
std::filesystem::path proofFileOf(const std::filesystem::path& levelFile);

// How a proof names the level it clears: by the hash of the file (and its own files) and its name,
// so that any change to the file leaves the proof behind.
ReplayLevel proofTag(const LevelEntry& entry);

// Why the proof beside the entry's file does not clear it, in words for the editor's panel;
// nothing when it does.
std::optional<std::string> proofDoubt(const LevelEntry& entry);
