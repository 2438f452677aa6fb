#include "tests/support/GameDirectory.h"

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

WorkingDirectory::WorkingDirectory(const fs::path& path) : previous(fs::current_path()) {
    fs::current_path(path);
}

WorkingDirectory::~WorkingDirectory() {
    fs::current_path(previous);
}
