#include "base/PlayerFolders.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace {

const char* const kGameFolder = "smeltrun";

bool isAbsolute(const char* value) {
    return value != nullptr && fs::path(value).is_absolute();
}

fs::path gameFolderIn(const fs::path& base) {
    return base.empty() ? base : base / kGameFolder;
}

}  // namespace

fs::path xdgFolder(const char* value, const char* home, const char* belowHome) {
    if (isAbsolute(value)) {
        return value;
    }
    if (isAbsolute(home)) {
        return fs::path(home) / belowHome;
    }
    return {};
}

fs::path playerConfigFolder() {
    return gameFolderIn(xdgFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), ".config"));
}

fs::path playerDataFolder() {
    return gameFolderIn(
        xdgFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), ".local/share"));
}
