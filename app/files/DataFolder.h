#pragma once

#include <filesystem>

// The game loads its data by paths relative to the working directory ("assets/..."). Started
// from a folder that holds assets/, such as the source tree, it works there as always. An
// installed game started from anywhere else changes its working directory, once and before it
// loads anything, to its installed data folder, found from its own executable. So every path in
// the code stays as it is, and nothing is looked up in two places. Either way the game writes
// nothing there: its files go under the player's XDG folders only.
void enterInstalledDataFolderIfNeeded();

// The path of the running game's executable; empty where the system does not tell it.
std::filesystem::path ownExecutable();

// The game's executable, which starts games of its own (a proof's check): the running one, or
// the one that a host running the game inside itself (the tests) names.
std::filesystem::path gameExecutable();
void setGameExecutable(const std::filesystem::path& executable);
