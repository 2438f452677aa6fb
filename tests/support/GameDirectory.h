#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

// A temporary working directory for one game: a copy of the project's assets/ with a
// settings.ini of the test's choosing, and the player's config and data homes, so that no
// test ever reads or writes the developer's own files. Removed with the object.
class GameDirectory {
public:
    explicit GameDirectory(const std::string& settingsIni);
    ~GameDirectory();
    GameDirectory(const GameDirectory&) = delete;
    GameDirectory& operator=(const GameDirectory&) = delete;

    const std::filesystem::path& path() const { return root; }
    void writeSettings(const std::string& settingsIni) const;

    // What XDG_CONFIG_HOME and XDG_DATA_HOME name for a game here; not created beforehand.
    std::filesystem::path configHome() const { return root / "config"; }
    std::filesystem::path dataHome() const { return root / "data"; }
    // Those two, the test process's sound output (SoundCard), and English.
    std::map<std::string, std::string> gameEnvironment() const;

    // The player's settings.ini, as the game finds it under configHome().
    std::filesystem::path playerSettingsFile() const;
    void writePlayerSettings(const std::string& settingsIni) const;

private:
    std::filesystem::path root;
};

// Sets environment variables for as long as it lives, then restores what was there.
class EnvironmentOverride {
public:
    explicit EnvironmentOverride(const std::map<std::string, std::string>& values);
    ~EnvironmentOverride();
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    std::map<std::string, std::optional<std::string>> previous;
};

// Changes the working directory for as long as it lives.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& path);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path previous;
};
