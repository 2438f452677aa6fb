#include <gtest/gtest.h>

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
