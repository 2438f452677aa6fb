#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "tests/support/GameDirectory.h"
#include "tests/support/GameFixture.h"
#include "tests/support/GameProcess.h"
#include "tools/xdrive/XInput.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

// Everything under a folder, with the size of each file and the time of its last change.
struct Entry {
    uintmax_t size;
    fs::file_time_type changed;
    bool operator==(const Entry& other) const {
        return size == other.size && changed == other.changed;
    }
};
using Snapshot = std::map<std::string, Entry>;

Snapshot snapshot(const fs::path& folder) {
    Snapshot entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        entries[fs::relative(entry.path(), folder).string()] = {
            entry.is_regular_file() ? entry.file_size() : 0, entry.last_write_time()};
    }
    return entries;
}

void install(const fs::path& prefix) {
    const std::string command = std::string("'") + SMELTRUN_CMAKE + "' --install '" +
                                SMELTRUN_BUILD_DIR + "' --prefix '" + prefix.string() +
                                "' >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

// The installed desktop entry's StartupWMClass.
std::string startupWmClass(const fs::path& prefix) {
    for (const auto& entry : fs::directory_iterator(prefix / "share" / "applications")) {
        std::ifstream file(entry.path());
        for (std::string line; std::getline(file, line);) {
            if (line.rfind("StartupWMClass=", 0) == 0) {
                return line.substr(line.find('=') + 1);
            }
        }
    }
    return "";
}

// The installed game, started from a folder without assets/, finds its data beside its
// executable, plays, and leaves both folders as they were. The game directory gives the
// player's homes; its copy of the assets is not on the game's way. Its window has the class
// that its desktop entry names, by which docks know it.
TEST(Install, TheInstalledGameRunsFromAnyFolderAndWritesNothingThere) {
    GameDirectory directory(kWindowedSettings);
    const fs::path prefix = directory.path() / "prefix";
    const fs::path elsewhere = directory.path() / "elsewhere";
    fs::create_directories(elsewhere);
    ASSERT_NO_FATAL_FAILURE(install(prefix));
    // The installed settings ask for full screen; the player's own file wins.
    directory.writePlayerSettings(kWindowedSettings);
    const Snapshot installed = snapshot(prefix);

    GameCommand command;
    command.binary = prefix / "bin" / "smeltrun";
    command.workingDirectory = elsewhere;
    command.environment = directory.gameEnvironment();
    GameProcess game(command);
    game.closeInput();  // the window's closing prompt then ends at once
    ASSERT_TRUE(game.waitForLine("Game start!", seconds(60))) << game.output();
    XInput screen;
    const std::vector<std::string> classes = screen.shownWindowClasses();
    const std::string wmClass = startupWmClass(prefix);
    EXPECT_NE(std::find(classes.begin(), classes.end(), wmClass), classes.end())
        << "no window of the desktop entry's class " << wmClass << " on screen";
    screen.tap(GLFW_KEY_ESCAPE);
    EXPECT_EQ(game.waitForExit(seconds(30)), 0) << game.output();

    EXPECT_TRUE(snapshot(prefix) == installed) << "the game wrote into its install folder";
    EXPECT_TRUE(fs::is_empty(elsewhere)) << "the game wrote into its working directory";
}

}  // namespace
