#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "base/FileRead.h"
#include "tests/support/GameDirectory.h"

namespace {

namespace fs = std::filesystem;

// What could hold the game up (a FIFO with no writer), never end (/dev/zero) or fill the
// memory is refused before a byte is read, and said why.
TEST(FileRead, OnlyARegularFileWithinItsLimitIsRead) {
    GameDirectory directory("");
    const fs::path folder = directory.path();
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder / "zero");
    fs::create_directory(folder / "folder");
    std::ofstream(folder / "small") << "twelve bytes";
    fs::create_symlink(folder / "small", folder / "link");
    std::ofstream(folder / "large") << "thirteen byte";

    const struct {
        const char* name;
        FileRefusal refusal;
        const char* reason;
    } cases[] = {
        {"fifo", FileRefusal::Unreadable, "not a regular file"},
        {"zero", FileRefusal::Unreadable, "not a regular file"},
        {"folder", FileRefusal::Unreadable, "not a regular file"},
        {"missing", FileRefusal::Missing, "No such file or directory"},
        {"large", FileRefusal::TooLarge, "too large"},
        {"small", FileRefusal::None, ""},
        {"link", FileRefusal::None, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FileText read = readWholeFile(folder / c.name, 12, "too large");
        EXPECT_EQ(read.refusal, c.refusal);
        EXPECT_EQ(read.reason, c.reason);
        EXPECT_EQ(read.text.has_value(), c.refusal == FileRefusal::None);
    }
    EXPECT_EQ(readWholeFile(folder / "link", 12, "").text, "twelve bytes");

    // The name handed on opens the file that was checked, even once another stands in its place.
    CheckedFile checked(folder / "small", 12, "too large");
    fs::rename(folder / "large", folder / "small");
    std::ifstream reopened(checked.openingName());
    std::string text;
    std::getline(reopened, text);
    EXPECT_EQ(text, "twelve bytes");
}

}  // namespace
