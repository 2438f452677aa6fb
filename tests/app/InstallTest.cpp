#include <gtest/gtest.h>

#include <GLFW/glfw3.h>
#include <imgui_internal.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "app/settings/Translate.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/GameFixture.h"
#include "tests/support/GameProcess.h"
#include "tools/xdrive/XInput.h"

namespace {

namespace fs = std::filesystem;

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
// that its desktop entry names, by which docks know it. Asked for German, which it finds
// installed, it still prints its console's lines in English.
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
    command.environment["LANGUAGE"] = "de";
    GameProcess game(command);
    game.closeInput();  // the window's closing prompt then ends at once
    ASSERT_TRUE(game.waitForLine("Game start!", kHangLimit)) << game.output();
    XInput screen;
    const std::vector<std::string> classes = screen.shownWindowClasses();
    const std::string wmClass = startupWmClass(prefix);
    EXPECT_NE(std::find(classes.begin(), classes.end(), wmClass), classes.end())
        << "no window of the desktop entry's class " << wmClass << " on screen";
    screen.tap(GLFW_KEY_ESCAPE);
    EXPECT_TRUE(game.waitForLine("Game has been quit.", kHangLimit)) << game.output();
    EXPECT_EQ(game.waitForExit(kHangLimit), 0) << game.output();

    EXPECT_TRUE(snapshot(prefix) == installed) << "the game wrote into its install folder";
    EXPECT_TRUE(fs::is_empty(elsewhere)) << "the game wrote into its working directory";
}

class InstalledLanguage : public GameFixture {
protected:
    void TearDown() override {
        stopTranslating();
        GameFixture::TearDown();
    }
};

// With LANGUAGE=de, the catalogue installed where the installed game looks for it from its
// executable puts the pause panel in German: its title, and its first button, Resume, which
// resumes. The console stays English, even in the reason that glibc gives for a failed save,
// which a process-wide locale of messages would turn German.
TEST_F(InstalledLanguage, ThePausePanelIsGermanAndTheConsoleEnglish) {
    // A file where the player's config folder should be: the options cannot be saved.
    startGame(kWindowedSettings, [](const fs::path& directory) {
        install(directory / "prefix");
        std::ofstream(directory / "config");
    });
    ASSERT_FALSE(HasFatalFailure());
    const std::string notADirectory = std::strerror(ENOTDIR);  // before any language is chosen
    const EnvironmentOverride german(std::map<std::string, std::string>{{"LANGUAGE", "de"}});
    translateFrom(catalogueFolder(gameDirectory().path() / "prefix" / "bin" / "smeltrun"));
    frame();
    input.tap(GLFW_KEY_P);
    frame();
    stroke(GLFW_KEY_DOWN);
    stroke(GLFW_KEY_UP);  // back on the first button

    ImGuiWindow* panel = ImGui::FindWindowByName("###main");
    ASSERT_NE(panel, nullptr);
    EXPECT_STREQ(panel->Name, "Pause###main");
    EXPECT_EQ(ImGui::GetCurrentContext()->NavId, panel->GetID("Fortsetzen"));
    stroke(GLFW_KEY_SPACE);
    EXPECT_FALSE(game->paused);

    console.clear();
    input.tap(GLFW_KEY_F1);
    frame();
    input.tap(GLFW_KEY_P);
    frame();
    for (int key : {GLFW_KEY_DOWN, GLFW_KEY_SPACE, GLFW_KEY_SPACE, GLFW_KEY_I}) {
        stroke(key);  // to Options, its first key, Forward's, and a new one for it
    }
    frame();
    const std::string notSaved =
        "ERROR::SETTINGS::SAVE_FAILED: " + gameDirectory().playerSettingsFile().string() + ": " +
        notADirectory;
    EXPECT_EQ(console.lines(), (std::vector<std::string>{"WIREFRAME: ON", notSaved}));
}

}  // namespace
