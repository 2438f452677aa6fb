#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/AtomicFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/FileText.h"
#include "tests/support/GameDirectory.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

TEST(AtomicFile, WritesTheFolderAndReplacesTheFileLeavingNothingBeside) {
    GameDirectory directory("");
    const fs::path target = directory.path() / "player/smeltrun/settings.ini";
    const WriteResult first = writeFileAtomically(target, "first\n");
    EXPECT_TRUE(first.ok);
    EXPECT_EQ(first.reason, "");
    EXPECT_EQ(contentsOf(target), "first\n");
    EXPECT_TRUE(writeFileAtomically(target, "second").ok);
    EXPECT_EQ(contentsOf(target), "second");
    EXPECT_EQ(namesIn(target.parent_path()), std::vector<std::string>{"settings.ini"});
}

// A save killed before its rename leaves a temporary file; the next write into the folder
// removes those a day old, and nothing else.
TEST(AtomicFile, TemporaryFilesLeftByAKilledSaveGoOnceADayOld) {
    GameDirectory directory("");
    const fs::path folder = directory.path() / "data";
    fs::create_directories(folder);
    const auto twoDaysAgo = fs::file_time_type::clock::now() - std::chrono::hours(48);
    for (const char* name : {".records.Ab3dE9", ".best.replay.x0Y1z2", ".notes.txt", "keep.Ab3dE9",
                             ".records.fresh1"}) {
        std::ofstream(folder / name) << "left";
        if (std::string(name) != ".records.fresh1") {
            fs::last_write_time(folder / name, twoDaysAgo);
        }
    }
    ASSERT_TRUE(writeFileAtomically(folder / "unlocked", "corners\n").ok);
    std::vector<std::string> names = namesIn(folder);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".notes.txt", ".records.fresh1", "keep.Ab3dE9",
                                               "unlocked"}));
}

TEST(AtomicFile, AFailedWriteGivesItsReasonAndLeavesTheOldFile) {
    GameDirectory directory("");
    const fs::path target = directory.path() / "player/settings.ini";
    ASSERT_TRUE(writeFileAtomically(target, "old").ok);

    WriteResult cut;
    {
        const FileSizeLimit limit(4);
        cut = writeFileAtomically(target, "longer than four bytes");
    }
    EXPECT_FALSE(cut.ok);
    EXPECT_EQ(cut.reason, "File too large");
    EXPECT_EQ(contentsOf(target), "old");
    EXPECT_EQ(namesIn(target.parent_path()), std::vector<std::string>{"settings.ini"})
        << "the temporary file is removed";

    const WriteResult unmade = writeFileAtomically(target / "inner.ini", "new");
    EXPECT_FALSE(unmade.ok);
    EXPECT_EQ(unmade.reason, "Not a directory");
    EXPECT_EQ(contentsOf(target), "old");

    const WriteResult relative = writeFileAtomically("settings.ini", "new");
    EXPECT_FALSE(relative.ok) << "never into the working directory";
    EXPECT_EQ(relative.reason, "not an absolute path to a file");
}

}  // namespace
