#pragma once

#include <filesystem>
#include <string>

// A temporary working directory for one game: a copy of the project's assets/ with a
// settings.ini of the test's choosing. Removed with the object.
class GameDirectory {
public:
    explicit GameDirectory(const std::string& settingsIni);
    ~GameDirectory();
    GameDirectory(const GameDirectory&) = delete;
    GameDirectory& operator=(const GameDirectory&) = delete;

    const std::filesystem::path& path() const { return root; }
    void writeSettings(const std::string& settingsIni) const;

private:
    std::filesystem::path root;
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
