#include "tests/support/GameDirectory.h"

#include "tests/support/SoundCard.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

GameDirectory::GameDirectory(const std::string& settingsIni) {
    std::string pattern = (fs::temp_directory_path() / "smeltrun-test-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data())) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    root = name.data();
    fs::copy(SMELTRUN_ASSETS_DIR, root / "assets", fs::copy_options::recursive);
    writeSettings(settingsIni);
}

GameDirectory::~GameDirectory() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

void GameDirectory::writeSettings(const std::string& settingsIni) const {
    std::ofstream(root / "assets" / "settings.ini", std::ios::trunc) << settingsIni;
}

std::map<std::string, std::string> GameDirectory::gameEnvironment() const {
    // English whatever the developer's own language, so that the panels read as the tests
    // expect: no LANGUAGE, and a locale that names none.
    return {{"XDG_CONFIG_HOME", configHome().string()},
            {"XDG_DATA_HOME", dataHome().string()},
            {"ALSOFT_CONF", SoundCard::configFile().string()},
            {"LANGUAGE", ""},
            {"LC_ALL", "C.UTF-8"}};
}

fs::path GameDirectory::playerSettingsFile() const {
    return configHome() / "smeltrun" / "settings.ini";
}

void GameDirectory::writePlayerSettings(const std::string& settingsIni) const {
    fs::create_directories(playerSettingsFile().parent_path());
    std::ofstream(playerSettingsFile(), std::ios::binary | std::ios::trunc) << settingsIni;
}

EnvironmentOverride::EnvironmentOverride(const std::map<std::string, std::string>& values) {
    for (const auto& [name, value] : values) {
        const char* old = std::getenv(name.c_str());
        previous[name] = old ? std::optional<std::string>(old) : std::nullopt;
        setenv(name.c_str(), value.c_str(), 1);
    }
}

EnvironmentOverride::~EnvironmentOverride() {
    for (const auto& [name, value] : previous) {
        if (value) {
            setenv(name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name.c_str());
        }
    }
}

WorkingDirectory::WorkingDirectory(const fs::path& path) : previous(fs::current_path()) {
    fs::current_path(path);
}

WorkingDirectory::~WorkingDirectory() {
    fs::current_path(previous);
}
