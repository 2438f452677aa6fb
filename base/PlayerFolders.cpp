#include "base/PlayerFolders.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

const char* const kGameFolder = "smeltrun";
const char* const kPicturesFolder = "Smeltrun";  // among the player's pictures, as people name it
const char* const kAskPictures = "xdg-user-dir PICTURES 2>/dev/null";

bool isAbsolute(const char* value) {
    return value != nullptr && fs::path(value).is_absolute();
}

fs::path gameFolderIn(const fs::path& base) {
    return base.empty() ? base : base / kGameFolder;
}

// The first line of the command's output; empty when it cannot run.
std::string firstLineOf(const char* command) {
    std::unique_ptr<FILE, int (*)(FILE*)> output(popen(command, "r"), pclose);
    char line[4096] = "";
    if (!output || !std::fgets(line, sizeof line, output.get())) {
        return "";
    }
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
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

fs::path playerPicturesFolder() {
    const char* home = std::getenv("HOME");
    if (!isAbsolute(home)) {
        return {};
    }
    const fs::path named = firstLineOf(kAskPictures);
    const bool answered = named.is_absolute() && named != fs::path(home);
    return (answered ? named : fs::path(home) / "Pictures") / kPicturesFolder;
}

std::string shownPath(const fs::path& path) {
    const char* home = std::getenv("HOME");
    if (!isAbsolute(home)) {
        return path.string();
    }
    const fs::path below = path.lexically_relative(fs::path(home));
    const bool inHome = !below.empty() && *below.begin() != ".." && below != ".";
    return inHome ? (fs::path("~") / below).string() : path.string();
}
