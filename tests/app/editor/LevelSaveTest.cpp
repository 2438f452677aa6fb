#include "app/editor/LevelSave.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <string>

#include "app/files/LevelCatalog.h"
#include "gameplay/LevelFile.h"
#include "tests/support/FileText.h"
#include "tests/support/GameDirectory.h"

namespace {

namespace fs = std::filesystem;

// The player's data home in a folder of the test's own, gone after it.
class LevelSave : public ::testing::Test {
protected:
    void TearDown() override { fs::remove_all(home); }

    const fs::path home = fs::temp_directory_path() / ("smeltrun-save-" + std::to_string(getpid()));
    const EnvironmentOverride data{{{"XDG_DATA_HOME", home.string()}}};
    const fs::path levels = home / "smeltrun/levels";
};

PlayedLevel readFrom(const fs::path& file) {
    PlayedLevel played;
    played.file = file;
    played.folder = file.parent_path();
    return played;
}

// The player's own level is saved in its own file; any other becomes the player's copy under
// its name, and the course built in code the copy of the course's file.
TEST_F(LevelSave, ThePlayersLevelInPlaceAnyOtherAsTheirCopy) {
    EXPECT_EQ(savePathOf(readFrom(levels / "mine.toml")), levels / "mine.toml");
    EXPECT_EQ(savePathOf(readFrom(levels / "raft/level.toml")), levels / "raft/level.toml");
    EXPECT_EQ(savePathOf(readFrom("/usr/share/smeltrun/assets/levels/corners.toml")),
              levels / "corners.toml");
    EXPECT_EQ(savePathOf(readFrom("/home/someone/work/raft/level.toml")), levels / "raft.toml");
    EXPECT_EQ(savePathOf(PlayedLevel()), levels / "course.toml");
    EXPECT_EQ(savePathOf(readFrom(levels / "../elsewhere.toml")), levels / "elsewhere.toml")
        << "a path that only seems to lie in the folder";
}

// What is written reads back as the level; a level that would not read is not written, and the
// file there before stays as it was.
TEST_F(LevelSave, WritesOnlyWhatReadsBack) {
    const fs::path file = levels / "mine.toml";
    Level level = courseLevel();
    level.name = "Mine";
    ASSERT_TRUE(saveLevel(level, true, levels, file).ok);
    const LevelRead read = parseLevel(contentsOf(file), "mine.toml");
    ASSERT_TRUE(read.level) << read.error;
    EXPECT_EQ(*read.level, level);
    const std::string kept = contentsOf(file);

    EXPECT_EQ(saveLevel(level, false, levels, file).reason, "a level needs a goal");
    Level adrift = level;
    adrift.start = glm::vec3(500.0f, -0.5f, 0.0f);
    EXPECT_NE(saveLevel(adrift, true, levels, file).reason.find("start.at stands over no platform"),
              std::string::npos);
    Level own = level;
    own.traps[0].look.model = "spikes.obj";
    EXPECT_EQ(
        saveLevel(own, true, "/elsewhere/spikes", file).reason.rfind("its own files lie in ", 0),
        0u);
    EXPECT_EQ(contentsOf(file), kept);
}

}  // namespace
