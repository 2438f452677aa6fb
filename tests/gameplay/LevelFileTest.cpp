#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gameplay/LevelFile.h"

namespace {

// What every level needs but its platforms, on lines 1 to 5; a case adds what it tries.
const std::string kHead =
    "format = 1\n"
    "name = \"Test\"\n"
    "par_time = 30\n"
    "start.at = [1, 2, 4]\n"
    "goal.at = [0, 0, -10]\n";
const std::string kPlatform = "[[platform]]\nat = [1, 2, 3]\n";  // lines 6 and 7 after kHead

// The whole small level with `from` replaced by `to`.
std::string levelWith(const std::string& from, const std::string& to) {
    std::string text = kHead + kPlatform;
    return text.replace(text.find(from), from.size(), to);
}

std::string repeated(const std::string& text, std::size_t times) {
    std::string all;
    for (std::size_t i = 0; i < times; ++i) {
        all += text;
    }
    return all;
}

TEST(LevelFile, TheCourseFileIsTheCourse) {
    std::ifstream file(std::string(SMELTRUN_ASSETS_DIR) + "/levels/course.toml");
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    const LevelRead read = parseLevel(text, "levels/course.toml");
    ASSERT_TRUE(read.level) << read.error;
    EXPECT_TRUE(*read.level == courseLevel());
    EXPECT_TRUE(read.warnings.empty());
    EXPECT_FALSE(read.goalAtStart);
}

// Every level the game ships reads as it is, without a word.
TEST(LevelFile, EveryShippedLevelReadsWithoutAWarning) {
    int levels = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(SMELTRUN_ASSETS_DIR) + "/levels")) {
        if (entry.path().extension() != ".toml") {
            continue;
        }
        ++levels;
        std::ifstream file(entry.path());
        const std::string text{std::istreambuf_iterator<char>(file), {}};
        const LevelRead read = parseLevel(text, entry.path().filename().string());
        EXPECT_TRUE(read.level) << read.error;
        EXPECT_TRUE(read.warnings.empty()) << entry.path();
        EXPECT_FALSE(read.goalAtStart) << *read.goalAtStart;
    }
    EXPECT_GE(levels, 2);
}

// The start at the origin, on line 5, and the goal far from it; the case adds its pieces from
// line 8 on.
std::string startingAmong(const std::string& pieces) {
    return "format = 1\nname = \"Test\"\npar_time = 30\n[start]\nat = [0, 0, 0]\n"
           "[goal]\nat = [0, 0, -50]\n" +
           pieces;
}

// The player is 0.37 either side of its origin, a platform 3, a trap 0.5; a platform holds
// the player up from as high as 1 above its top. Heights do not matter for a trap.
TEST(LevelFile, RefusesALevelThatCannotBeStartedAtTheStart) {
    const std::string noPlatform = "t.toml:5:1: start.at stands over no platform";
    const std::string inTrap = "t.toml:5:1: start.at stands in a trap";
    const std::string under = "[[platform]]\nat = [0, 0, 0]\n";
    const std::pair<std::string, std::string> cases[] = {
        {"[[platform]]\nat = [3.38, 0, 0]\n", noPlatform},
        {"[[platform]]\nat = [0, -1, -3.38]\n", noPlatform},
        {"[[platform]]\nat = [0, 1.01, 0]\n", noPlatform},
        {"[[platform]]\nat = [10, 0, 0]\nswing = { axis = \"x\", amplitude = 10 }\n", noPlatform},
        {"[[platform]]\nat = [0, 0, 10]\npath = [[0, 0, 0]]\nspeed = 1\n", noPlatform},
        {"[[platform]]\nat = [20, 0, 0]\n[[trap]]\nat = [0, 0, 0]\n", noPlatform},
        {under + "[[trap]]\nat = [0.86, 0, 0]\n", inTrap},
        {under + "[[trap]]\nat = [0, 0, 5]\n[[trap]]\nat = [-0.5, -40, -0.86]\n", inTrap},
    };
    for (const auto& [pieces, error] : cases) {
        const LevelRead read = parseLevel(startingAmong(pieces), "t.toml");
        EXPECT_FALSE(read.level) << pieces;
        EXPECT_EQ(read.error, error) << pieces;
    }
    const std::string startable[] = {
        "[[platform]]\nat = [3.36, 0, -3.36]\n",
        "[[platform]]\nat = [0, 1, 0]\n",
        "[[platform]]\nat = [0, -500, 0]\n",
        "[[platform]]\nat = [0, 0, 0]\nswing = { axis = \"x\", amplitude = 10 }\n",
        "[[platform]]\nat = [0, 0, 0]\npath = [[0, 0, 10]]\nspeed = 1\n",
        // The level's own model is measured only once loaded: it may reach under the start.
        "[[platform]]\nat = [100, 50, 0]\nmodel = \"wide.obj\"\n",
        under + "[[trap]]\nat = [0.88, 0, 0]\n[[trap]]\nat = [0, 0, 0.88]\n",
        under + "[[trap]]\nat = [0, 0, 0]\nmodel = \"thin.obj\"\n",
    };
    for (const std::string& pieces : startable) {
        const LevelRead read = parseLevel(startingAmong(pieces), "t.toml");
        EXPECT_TRUE(read.level) << pieces << read.error;
    }
}

// The goal's ring is 0.712023 either side of its middle: touched at the start, the level is
// won as it begins, which reads but is told.
TEST(LevelFile, AGoalAtTheStartIsToldButReads) {
    const std::string platform = "[[platform]]\nat = [0, 0, 0]\n";
    std::string text = startingAmong(platform);
    text.replace(text.find("[0, 0, -50]"), 11, "[1.08, 9, 1.08]");
    const LevelRead read = parseLevel(text, "t.toml");
    ASSERT_TRUE(read.level) << read.error;
    EXPECT_TRUE(read.warnings.empty());
    EXPECT_EQ(read.goalAtStart, "t.toml:7:1: goal.at is within touching distance of start.at");

    text.replace(text.find("[1.08, 9, 1.08]"), 15, "[0, 0, 1.09]");
    const LevelRead apart = parseLevel(text, "t.toml");
    ASSERT_TRUE(apart.level) << apart.error;
    EXPECT_FALSE(apart.goalAtStart);
}

TEST(LevelFile, RefusesAWrongLevelSayingWhereAndWhy) {
    struct Case {
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {kHead + "[[platform]\n",
         "t.toml:6:12: a table's name needs its closing ] (or ]]) on its line"},
        {levelWith("format = 1\n", ""), "t.toml:1:1: missing format"},
        // An accented letter outside a string, which the parser reads through a stand-in.
        {levelWith("name =", "namé ="),
         "t.toml:2:4: Error while parsing key-value pair: expected '=', saw 'é'"},
        {levelWith("format = 1", "format = 2"), "t.toml:1:10: format needs to be 1"},
        {levelWith("name = \"Test\"\n", ""), "t.toml:1:1: missing name"},
        {levelWith("\"Test\"", "\"Bell\\u0007\""),
         "t.toml:2:8: name cannot hold control characters"},
        {levelWith("par_time = 30\n", ""), "t.toml:1:1: missing par_time"},
        {levelWith("30", "30.0"), "t.toml:3:12: par_time needs a whole number of seconds"},
        {levelWith("30", "0"), "t.toml:3:12: par_time needs 1 to 3600 seconds"},
        {levelWith("start.at = [1, 2, 4]\n", ""), "t.toml:1:1: missing [start]"},
        {levelWith("goal.at = [0, 0, -10]\n", ""), "t.toml:1:1: missing [goal]"},
        {levelWith("goal.at", "goal.where"), "t.toml:5:1: missing goal.at"},
        {kHead, "t.toml:1:1: a level needs at least one [[platform]]"},
        {levelWith("[1, 2, 3]", "[1, 2]"), "t.toml:7:6: platform.at needs three numbers"},
        {levelWith("[1, 2, 3]", "\"here\""), "t.toml:7:6: platform.at needs three numbers"},
        {levelWith("[1, 2, 3]", "[1, nan, 3]"),
         "t.toml:7:10: platform.at needs numbers from -10000 to 10000"},
        {levelWith("[1, 2, 3]", "[1, 2, 1e5]"),
         "t.toml:7:13: platform.at needs numbers from -10000 to 10000"},
        {kHead + kPlatform + "swing = { axis = \"y\", amplitude = 5 }\n",
         "t.toml:8:18: platform.swing.axis needs \"x\" or \"z\""},
        {kHead + kPlatform + "swing = { axis = \"x\", amplitude = 5 }\npath = [[0, 0, -5]]\n",
         "t.toml:9:8: platform.path and platform.swing cannot go together"},
        {kHead + kPlatform + "path = [[0, 0, -5]]\n",
         "t.toml:6:1: missing platform.speed, which a platform with a path needs"},
        {kHead + kPlatform + "speed = 2\n",
         "t.toml:8:9: platform.speed needs a platform.path to move along"},
        {kHead + kPlatform + "path = [[0, 0, -5]]\nspeed = 0\n",
         "t.toml:9:9: platform.speed needs a number from 0.01 to 1000"},
        {kHead + kPlatform + "wait = 1\n", "t.toml:8:8: platform.wait needs a platform.path"},
        {kHead + kPlatform + "phase = 1\n",
         "t.toml:8:9: platform.phase needs a platform.path or a platform.swing"},
        {kHead + kPlatform + "path = [[0, 0, -5]]\nspeed = 2\nwait = -1\n",
         "t.toml:10:8: platform.wait needs a number from 0 to 3600"},
        {kHead + kPlatform + "swing = { axis = \"x\", amplitude = 5 }\nphase = 1e4\n",
         "t.toml:9:9: platform.phase needs a number from 0 to 3600"},
        {kHead + kPlatform + "path = [[0, 0, -5]]\nspeed = 2\nwait = \"long\"\n",
         "t.toml:10:8: platform.wait needs a number"},
        {kHead + kPlatform + "path = [" + repeated("[0, 0, -5],", kMaxPathPoints + 1) +
             "]\nspeed = 2\n",
         "t.toml:8:8: platform.path needs 1 to 64 points"},
        {kHead + kPlatform + "model = \"../rock.obj\"\n",
         "t.toml:8:9: platform.model needs a path inside the level's folder"},
        {kHead + kPlatform + "[[trap]]\nat = [0, 0, 0]\nmodel = \"/usr/share/rock.obj\"\n",
         "t.toml:10:9: trap.model needs a path inside the level's folder"},
        {kHead + kPlatform + "[[health]]\nat = [0, 0, 0]\nmodel = \"rock.png\"\n",
         "t.toml:10:9: health.model needs an .obj file"},
        {kHead + kPlatform + "[[checkpoint]]\nat = [0, 0, 0]\nimage = \"flag.gif\"\n",
         "t.toml:10:9: checkpoint.image needs a .png, .jpg or .jpeg file"},
        // The 1001st piece is the 1000th trap, after the platform, on line 8 + 2 x 999.
        {kHead + kPlatform + repeated("[[trap]]\nat = [0, 0, 0]\n", kMaxLevelPieces),
         "t.toml:2006:1: more than 1000 pieces: platforms, traps, health packs and checkpoints "
         "together"},
        {"look = 3\n" + kHead + kPlatform, "t.toml:1:8: look needs a table"},
        {kHead + kPlatform + "[look]\nsky = [0.2, 1.5, 0.3]\n",
         "t.toml:9:13: look.sky needs numbers from 0 to 1"},
        {kHead + kPlatform + "[look]\nsky_top = [0.2, 0.3]\n",
         "t.toml:9:11: look.sky_top needs three numbers"},
        {kHead + kPlatform + "[look]\nlight = [-0.1, 1, 1]\n",
         "t.toml:9:10: look.light needs numbers from 0 to 1"},
        {kHead + kPlatform + "[look]\nplatforms = \"marble\"\n",
         "t.toml:9:13: look.platforms needs one of \"stone\", \"ice\", \"crystal\", \"rust\""},
        {kHead + kPlatform + "[look]\nmusic = 2\n",
         "t.toml:9:9: look.music needs one of \"glacier\", \"foundry\""},
        {kHead + kPlatform + std::string(kMaxLevelBytes, '#'),
         "t.toml:1:1: larger than the 1048576 bytes a level file may hold"},
    };
    for (const Case& refused : cases) {
        const LevelRead read = parseLevel(refused.text, "t.toml");
        EXPECT_FALSE(read.level) << refused.error;
        EXPECT_EQ(read.error, refused.error);
    }
}

TEST(LevelFile, ReadsEveryKeyAndWarnsOfUnknownOnesInTheFilesOrder) {
    const std::string text = R"(format = 1
name = "Every key, déjà vu"
par_time = 90
[start]
at = [1, 2.5, 3]
facing = -90.0
[[platform]]
at = [0.0, -0.5, 0.0]
model = "modèles/rock.obj"
image = "rock.PNG"
[[platform]]
at = [0, -0.5, -10]
swing = { axis = "z", amplitude = -2.5 }
phase = 1.25
[[platform]]
at = [0, -0.5, -20]
path = [[5, -0.5, -20], [5, 1, -30.25]]
speed = 2.5
wait = 0.5
phase = 3
[[trap]]
at = [0, -0.5, -20]
image = "spikes.jpeg"
[[health]]
at = [0, 0, -10]
[[checkpoint]]
at = [0, -0.5, -20]
colour = "red"
[goal]
at = [0, -0.45, -30]
[look]
sky = [0.5, 0.75, 1]
light = [1, 0.5, 0]
platforms = "ice"
music = "glacier"
)";
    Level expected;
    expected.name = "Every key, déjà vu";
    expected.parTime = 90;
    expected.start = glm::vec3(1.0f, 2.5f, 3.0f);
    expected.facing = -90.0f;
    expected.platforms.resize(3);
    expected.platforms[0].at = glm::vec3(0.0f, -0.5f, 0.0f);
    expected.platforms[0].look = PieceLook{"modèles/rock.obj", "rock.PNG"};
    expected.platforms[1].at = glm::vec3(0.0f, -0.5f, -10.0f);
    expected.platforms[1].swing = Swing{2, -2.5f};
    expected.platforms[1].phase = 1.25f;
    expected.platforms[2].at = glm::vec3(0.0f, -0.5f, -20.0f);
    expected.platforms[2].path = {glm::vec3(5.0f, -0.5f, -20.0f), glm::vec3(5.0f, 1.0f, -30.25f)};
    expected.platforms[2].speed = 2.5f;
    expected.platforms[2].wait = 0.5f;
    expected.platforms[2].phase = 3.0f;
    expected.traps = {Piece{glm::vec3(0.0f, -0.5f, -20.0f), PieceLook{"", "spikes.jpeg"}}};
    expected.healthPacks = {Piece{glm::vec3(0.0f, 0.0f, -10.0f), {}}};
    expected.checkpoints = {Piece{glm::vec3(0.0f, -0.5f, -20.0f), {}}};
    expected.goal = glm::vec3(0.0f, -0.45f, -30.0f);
    expected.look.sky = glm::vec3(0.5f, 0.75f, 1.0f);
    expected.look.light = glm::vec3(1.0f, 0.5f, 0.0f);
    expected.look.platforms = "ice";
    expected.look.music = "glacier";

    const LevelRead read = parseLevel(text, "t.toml");
    ASSERT_TRUE(read.level) << read.error;
    EXPECT_TRUE(*read.level == expected);
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.warnings,
              std::vector<std::string>{"t.toml:28:1: unknown key checkpoint.colour"});

    // Keys named against the file's order; of 25, twenty are named and the rest counted.
    std::string unknown;
    for (int key = 25; key > 0; --key) {
        unknown += "key" + std::to_string(key) + " = 1\n";
    }
    const LevelRead warned = parseLevel(unknown + kHead + kPlatform, "t.toml");
    EXPECT_TRUE(warned.level);
    ASSERT_EQ(warned.warnings.size(), kMaxLevelWarnings + 1);
    EXPECT_EQ(warned.warnings.front(), "t.toml:1:1: unknown key key25");
    EXPECT_EQ(warned.warnings[kMaxLevelWarnings - 1], "t.toml:20:1: unknown key key6");
    EXPECT_EQ(warned.warnings.back(), "... and 5 more");
}

// The file's name and a quoted key can hold anything: what would steer a terminal is shown
// escaped in the messages, as the console shows it, and the rest as it is.
TEST(LevelFile, MessagesShowControlCharactersEscaped) {
    const LevelRead refused = parseLevel("", "levels/x\x1b[2J\xc2\x9bü.toml");
    EXPECT_EQ(refused.error, "levels/x\\x1b[2J\\u009bü.toml:1:1: missing format");
    const LevelRead warned = parseLevel("\"a\\tb\\u009b\" = 1\n" + kHead + kPlatform, "t.toml");
    EXPECT_TRUE(warned.level) << warned.error;
    EXPECT_EQ(warned.warnings, std::vector<std::string>{"t.toml:1:1: unknown key a\\x09b\\u009b"});
}

TEST(LevelFile, TheHashIsFnv1aIn16HexDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "cbf29ce484222325"},
        {"a", "af63dc4c8601ec8c"},
        {"foobar", "85944171f73967e8"},
    };
    for (const auto& [text, hash] : cases) {
        EXPECT_EQ(levelHashText(levelHash(text)), hash) << text;
    }
    EXPECT_EQ(levelHashText(0x1f), "000000000000001f");
}

// TOML's own mistakes, in the words of the level format: what the parser says of them means
// nothing to an author who has not read its code.
TEST(LevelFile, TomlMistakesAreToldInTheFormatsWords) {
    struct Case {
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {kHead + kPlatform + "at = [1, 2, 3]\n", "t.toml:8:6: at is given twice"},
        {levelWith("name = \"Test\"\n", "name = \"A\"\nname = \"B\"\n"),
         "t.toml:3:8: name is given twice"},
        {kPlatform + "[goal]\nat = [0, 0, 0]\n[goal]\n", "t.toml:5:1: [goal] is given twice"},
        {"[platform]\nat = [1, 2, 3]\n[[platform]]\n",
         "t.toml:3:1: [platform] is one table, so [[platform]] cannot add another"},
        {kPlatform + "[platform]\n",
         "t.toml:3:1: [[platform]] is a list of tables, so [platform] cannot be one"},
        {"[start\n", "t.toml:1:7: a table's name needs its closing ] (or ]]) on its line"},
        {"at = [1, 2, 3\n", "t.toml:1:15: a list needs its closing ]"},
        {"at = [1 2 3]\n", "t.toml:1:9: a list needs a comma between its values"},
        {"swing = { axis = \"x\", amplitude = 5.0\n",
         "t.toml:1:38: an inline table needs its closing } on the same line"},
        {"swing = { axis = \"x\" amplitude = 5.0 }\n",
         "t.toml:1:22: an inline table needs a comma between its keys"},
        {"name = \"Test\n", "t.toml:1:13: a string needs its closing \" on the same line"},
        {"name = 'Test\n", "t.toml:1:13: a string needs its closing ' on the same line"},
        {"name = abc\n",
         "t.toml:1:8: a value needs to be a number, a \"string\", a [list] or an { inline table }"},
        {"name = Test\n",
         "t.toml:1:8: a value needs to be a number, a \"string\", a [list] or an { inline table }"},
        {"speed = 1.\n",
         "t.toml:1:11: a number needs a digit on each side of its point, such as 1.0 or 0.5"},
        {"speed = 1,5\n", "t.toml:1:10: only a comment may follow a value on its line"},
        // One that an author can act on as it is stays as it is.
        {"speed\n", "t.toml:1:6: Error while parsing key-value pair: expected '=', saw '\\n'"},
    };
    for (const Case& refused : cases) {
        EXPECT_EQ(parseLevel(refused.text, "t.toml").error, refused.error) << refused.text;
    }
}

// What is found wrong after reading (an own model that is missing, a platform out of reach)
// is told at the key it comes from.
TEST(LevelFile, KeepsWhereEachPiecesKeysStand) {
    const LevelRead read = parseLevel(kHead + kPlatform +
                                          "[[platform]]\nmodel = \"rock.obj\"\nat = [1, 2, -9]\n"
                                          "[[trap]]\n  at = [1, 2, -9]\nimage = \"t.png\"\n",
                                      "t.toml");
    ASSERT_TRUE(read.level) << read.error;
    const auto expectPlace = [](KeyPlace place, std::uint32_t line, std::uint32_t column) {
        EXPECT_EQ(place.line, line);
        EXPECT_EQ(place.column, column);
    };
    expectPlace(read.places.of(PieceRef{PieceRef::Kind::Start, 0}).at, 4, 7);
    expectPlace(read.places.of(PieceRef{PieceRef::Kind::Goal, 0}).at, 5, 6);
    expectPlace(read.places.of(PieceRef{PieceRef::Kind::Platform, 0}).at, 7, 1);
    const PiecePlaces& second = read.places.of(PieceRef{PieceRef::Kind::Platform, 1});
    expectPlace(second.model, 9, 1);
    expectPlace(second.at, 10, 1);
    expectPlace(second.image, 10, 1);  // none: told at its `at`
    const PiecePlaces& trap = read.places.of(PieceRef{PieceRef::Kind::Trap, 0});
    expectPlace(trap.at, 12, 3);
    expectPlace(trap.image, 13, 1);
}

// A file from Windows, with its line ends and a byte order mark, reads as the same level.
TEST(LevelFile, ReadsWindowsLineEndsAndAByteOrderMark) {
    const std::string text = kHead + kPlatform + "[[trap]]\nat = [5, 2, 3]   # a comment\n";
    std::string windows = "\xef\xbb\xbf";
    for (const char c : text) {
        windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const LevelRead unix = parseLevel(text, "t.toml");
    const LevelRead read = parseLevel(windows, "t.toml");
    ASSERT_TRUE(unix.level) << unix.error;
    ASSERT_TRUE(read.level) << read.error;
    EXPECT_TRUE(*read.level == *unix.level);
    EXPECT_EQ(read.level->name, "Test");
    EXPECT_EQ(parseLevel(windows + "at = 1\r\n", "t.toml").error, "t.toml:10:6: at is given twice");
}

}  // namespace
