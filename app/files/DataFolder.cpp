#include "app/files/DataFolder.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const char* const kAssets = "assets";
const char* const kOwnExecutable = "/proc/self/exe";

}  // namespace

fs::path ownExecutable() {
    std::error_code error;
    return fs::read_symlink(kOwnExecutable, error);
}

namespace {

fs::path& namedGameExecutable() {
    static fs::path named;
    return named;
}

}  // namespace

fs::path gameExecutable() {
    return namedGameExecutable().empty() ? ownExecutable() : namedGameExecutable();
}

void setGameExecutable(const fs::path& executable) {
    namedGameExecutable() = executable;
}

void enterInstalledDataFolderIfNeeded() {
    std::error_code error;
    if (fs::exists(kAssets, error)) {
        return;
    }
    const fs::path executable = ownExecutable();
    if (executable.empty()) {
        return;
    }
    // Without the folder the game stays where it is, and names the first file it cannot load.
    const fs::path installed = executable.parent_path() / SMELTRUN_DATA_FROM_BIN;
    if (fs::is_directory(installed / kAssets, error)) {
        fs::current_path(installed, error);
    }
}
