#pragma once

#include <filesystem>
#include <string>

// Where the player's own files live, after the XDG Base Directory rules. Nothing here touches
// the disk: a folder is created only when a file is written into it.

// The folder named by an XDG variable's value, or `home`/`belowHome` when the value is unset,
// empty or relative (the rules ignore a relative value). Empty when neither gives an absolute
// path, so that nothing ever lands in the working directory.
std::filesystem::path xdgFolder(const char* value, const char* home, const char* belowHome);

// $XDG_CONFIG_HOME/smeltrun, or ~/.config/smeltrun: the player's settings.
std::filesystem::path playerConfigFolder();

// $XDG_DATA_HOME/smeltrun, or ~/.local/share/smeltrun: what the game keeps of the player's play.
std::filesystem::path playerDataFolder();

// The player's pictures folder as `xdg-user-dir PICTURES` names it, or ~/Pictures when it
// names none (it answers the home folder itself then), with Smeltrun's own folder in it:
// where screenshots go. Empty without an absolute home.
std::filesystem::path playerPicturesFolder();

// The path as the player reads it: below the home folder as ~/..., otherwise as it is.
std::string shownPath(const std::filesystem::path& path);
