#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "gameplay/LevelFile.h"
#include "gameplay/LevelText.h"
#include "tests/support/FileText.h"
#include "tools/caplevel/CapLevel.h"

namespace {

// What the text of a level reads back as; a level that does not read fails the test.
Level readBack(const Level& level) {
    const std::string text = levelText(level);
    const LevelRead read = parseLevel(text, "written.toml");
    EXPECT_TRUE(read.level) << read.error << "\n" << text;
    EXPECT_TRUE(read.warnings.empty()) << read.warnings.front() << "\n" << text;
    return read.level.value_or(Level{});
}

// Every level file the game ships and the tests keep, read, written and read again, is the
// same level, down to the bit of each number.
TEST(LevelText, EveryShippedAndKeptLevelReadsBackAsItself) {
    int levels = 0;
    for (const char* folder : {SMELTRUN_ASSETS_DIR "/levels", SMELTRUN_TEST_DATA_DIR "/levels"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() != ".toml") {
                continue;
            }
            ++levels;
            const LevelRead read = parseLevel(contentsOf(entry.path()), entry.path().string());
            ASSERT_TRUE(read.level) << read.error;
            EXPECT_TRUE(readBack(*read.level) == *read.level) << entry.path();
        }
    }
    EXPECT_GE(levels, 9);
    EXPECT_TRUE(readBack(courseLevel()) == courseLevel());
}

// Every key the format has, numbers that no short decimal holds, and a name that TOML must
// escape.
TEST(LevelText, ALevelWithEveryKeyReadsBackAsItself) {
    Level level;
    level.name = "Caf\xc3\xa9 \"\\ \xce\xbb\xe3\x81\x8b";  // é, a quote, a backslash, λ, か
    level.parTime = 3600;
    level.start = {0.1f, -0.5f, 1.0f / 3.0f};
    level.facing = -359.99f;
    PlatformPiece still;
    still.at = level.start;
    still.look = {"models/rock.obj", "rock \"one\".PNG"};
    PlatformPiece swinging;
    swinging.at = {9999.999f, -10000.0f, 1e-7f};
    swinging.swing = Swing{2, -0.3f};
    swinging.phase = 0.1f;
    PlatformPiece moving;
    moving.at = {-0.0f, 2.5f, -30.0f};
    moving.path = {{1.0f, 2.0f, 3.0f}, {16777216.0f / 4096.0f, 0.7f, -5.55f}};
    moving.speed = 0.01f;
    moving.wait = 3600.0f;
    moving.phase = 1.0f / 3.0f;
    moving.look.image = "deck.jpeg";
    level.platforms = {still, swinging, moving};
    level.traps = {Piece{{1.5f, -0.5f, -20.0f}, {"trap.obj", ""}}};
    level.healthPacks = {Piece{{0.0f, 0.0f, -40.0f}, {}}};
    level.checkpoints = {Piece{{2.0f, 3.0f, 4.0f}, {"", "flag.png"}},
                         Piece{{-2.0f, 3.0f, 4.0f}, {}}};
    level.goal = {0.0f, -0.45f, -110.0f};
    level.look.sky = glm::vec3(0.0f, 1.0f / 3.0f, 1.0f);
    level.look.skyTop = glm::vec3(0.1f, 0.2f, 0.3f);
    level.look.light = glm::vec3(1.0f, 0.9f, 0.7f);
    level.look.platforms = "crystal";
    level.look.music = "foundry";
    EXPECT_TRUE(readBack(level) == level) << levelText(level);

    // Each key of the look stands alone: the others stay the game's own.
    Level partial = level;
    partial.look = LevelLook{};
    partial.look.light = glm::vec3(0.5f);
    EXPECT_TRUE(readBack(partial) == partial) << levelText(partial);
    partial.look = LevelLook{};
    partial.look.music = "glacier";
    EXPECT_TRUE(readBack(partial) == partial) << levelText(partial);
}

TEST(LevelText, ReadsInTheDocumentedOrderWithPlainNumbers) {
    const std::string text = levelText(courseLevel());
    EXPECT_EQ(text.rfind("format = 1\nname = \"The course\"\npar_time = 50\n\n[start]\n"
                         "at = [0.0, -0.5, 0.0]\n\n[[platform]]\n",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("swing = { axis = \"x\", amplitude = -5.0 }\n"), std::string::npos);
    EXPECT_LT(text.find("[[trap]]"), text.find("[[health]]"));
    EXPECT_LT(text.find("[[health]]"), text.find("[goal]"));
    // The course has no look of its own, and its text says none.
    EXPECT_EQ(text.find("[look]"), std::string::npos);
}

// A key at its default is left out, as a hand-written file leaves it: the start's facing
// straight ahead. A facing of its own is written, and no run of blank lines anywhere.
TEST(LevelText, LeavesOutKeysAtTheirDefaults) {
    Level level = courseLevel();
    EXPECT_EQ(levelText(level).find("facing"), std::string::npos) << levelText(level);
    level.facing = -90.0f;
    const std::string text = levelText(level, "# Turned.\n");
    EXPECT_NE(text.find("[start]\nat = [0.0, -0.5, 0.0]\nfacing = -90.0\n\n"), std::string::npos)
        << text;
    EXPECT_EQ(text.find("\n\n\n"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 2), "]\n") << "the goal's place, and one line break";
}

// Each pack level written by the editor, holding no comment but its description, is written
// again the same, but for the lines of keys at their defaults that it once kept.
TEST(LevelText, ThePacksEditorMadeLevelsReSaveAsTheyAre) {
    int made = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SMELTRUN_ASSETS_DIR "/levels")) {
        if (entry.path().extension() != ".toml") {
            continue;
        }
        const std::string file = contentsOf(entry.path());
        const std::string comment = leadingComment(file);
        if (file.find('#', comment.size()) != std::string::npos) {
            continue;  // written by hand, its comments among its keys
        }
        ++made;
        const LevelRead read = parseLevel(file, entry.path().string());
        ASSERT_TRUE(read.level) << read.error;
        std::string expected = file;
        const std::string facingAhead = "facing = 0.0\n";
        if (const std::size_t at = expected.find(facingAhead); at != std::string::npos) {
            expected.erase(at, facingAhead.size());
        }
        EXPECT_EQ(levelText(*read.level, comment), expected) << entry.path();
    }
    EXPECT_GE(made, 6) << "the levels made in the editor";
}

// A file's leading comment, its description, is taken up to its first line of anything else
// and written back above the level: a load and a save keep it, and it reads as the level.
TEST(LevelText, KeepsTheFilesLeadingComment) {
    const std::string file =
        "# Up a shaft on lifts.\r\n#\n# Step on at the bottom.\nformat = 1\n# not this one\n";
    const std::string comment = leadingComment(file);
    EXPECT_EQ(comment, "# Up a shaft on lifts.\n#\n# Step on at the bottom.\n");
    EXPECT_EQ(leadingComment("format = 1\n# later\n"), "");
    EXPECT_EQ(leadingComment("# no line break at the end"), "# no line break at the end\n");

    const Level level = courseLevel();
    const std::string text = levelText(level, comment);
    EXPECT_EQ(text, comment + levelText(level));
    EXPECT_EQ(leadingComment(text), comment) << "a second round trip keeps it as it was";
    const LevelRead read = parseLevel(text, "commented.toml");
    ASSERT_TRUE(read.level) << read.error;
    EXPECT_EQ(*read.level, level);
}
}  // namespace

namespace {

// The benchmark's and the tests' level at the cap: a level file could hold it, and the player
// starts on a platform, clear of its traps and its goal.
TEST(CapLevel, ReadsBackAsALevelFileAtTheCapThatStartsInPlay) {
    const Level level = capLevel();
    EXPECT_EQ(readBack(level), level);
    const std::size_t pieces = level.platforms.size() + level.traps.size() +
                               level.healthPacks.size() + level.checkpoints.size();
    EXPECT_EQ(pieces, 1000u);
    const auto swings = std::count_if(level.platforms.begin(), level.platforms.end(),
                                      [](const PlatformPiece& p) { return p.swing.has_value(); });
    const auto movers = std::count_if(level.platforms.begin(), level.platforms.end(),
                                      [](const PlatformPiece& p) { return !p.path.empty(); });
    EXPECT_GT(swings, 100);
    EXPECT_GT(movers, 100);
    EXPECT_TRUE(startsOverPlatform(level));
    EXPECT_FALSE(startsInTrap(level));
    EXPECT_FALSE(startsAtGoal(level));
}

}  // namespace
