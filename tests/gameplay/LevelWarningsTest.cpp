#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "gameplay/LevelFile.h"
#include "gameplay/LevelWarnings.h"
#include "tests/support/FileText.h"

namespace {

// A level of these pieces, its start on the first platform at the origin, its goal far off.
Level levelOf(const std::string& pieces) {
    const std::string text =
        "format = 1\nname = \"Test\"\npar_time = 30\n"
        "start.at = [0, 0, 0]\ngoal.at = [0, 0, -500]\n"
        "[[platform]]\nat = [0, 0, 0]\n" +
        pieces;
    const LevelRead read = parseLevel(text, "test.toml");
    EXPECT_TRUE(read.level) << read.error;
    return read.level.value_or(Level{});
}

std::vector<std::string> textsOf(const std::vector<LevelWarning>& warnings) {
    std::vector<std::string> texts;
    for (const LevelWarning& warning : warnings) {
        texts.push_back(warning.text);
    }
    return texts;
}

using Texts = std::vector<std::string>;

TEST(LevelWarnings, NoShippedLevelHasOne) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(SMELTRUN_ASSETS_DIR) + "/levels")) {
        if (entry.path().extension() == ".toml") {
            const LevelRead read = parseLevel(contentsOf(entry.path()), entry.path().string());
            ASSERT_TRUE(read.level) << read.error;
            EXPECT_EQ(textsOf(levelWarnings(*read.level)), Texts{}) << entry.path();
        }
    }
}

// A sprinting jump carries about 10 on the level (feet caught up to 1 below a top): 16
// between centres leaves 9.3 between where the player can stand, 18 leaves 11.3. Diagonally
// the gap is measured as the crow flies, 6.3 on each axis being 8.9.
TEST(LevelWarnings, APlatformOutOfASprintsReachOfEveryOtherIsNamed) {
    const Level level = levelOf(
        "[[platform]]\nat = [0, 0, -16]\n"
        "[[platform]]\nat = [0, 0, -34]\n"
        "[[platform]]\nat = [13, 0, -29]\n"
        "[[platform]]\nat = [0, 1.9, -16]\n"  // 1.9 above: reached by dropping from it
        "[[platform]]\nat = [60, 0, 0]\n");
    const std::vector<LevelWarning> warnings = levelWarnings(level);
    ASSERT_EQ(textsOf(warnings),
              (Texts{"platform 6 is beyond a sprinting jump from every other platform",
                     "platform 5 goes into platform 2"}));
    EXPECT_EQ(warnings[0].kind, LevelWarning::Kind::OutOfReach);
    EXPECT_TRUE(warnings[0].piece == (PieceRef{PieceRef::Kind::Platform, 5}));
    EXPECT_EQ(warnings[1].kind, LevelWarning::Kind::Overlap);
}

// A ferry that comes within reach of both ends, and a swing that does at one end of its
// travel, join what they stand apart from.
TEST(LevelWarnings, MovingPlatformsAreMeasuredWhereTheyComeNearest) {
    const Level level = levelOf(
        "[[platform]]\nat = [0, 0, -10]\npath = [[0, 0, -30], [0, 3, -50]]\nspeed = 2\n"
        "[[platform]]\nat = [0, 3, -60]\n"
        "[[platform]]\nat = [0, 3, -80]\nswing = { axis = \"z\", amplitude = -12 }\n");
    EXPECT_EQ(textsOf(levelWarnings(level)), Texts{});

    Level still = level;
    still.platforms[1].path.clear();
    still.platforms[3].swing.reset();
    EXPECT_EQ(textsOf(levelWarnings(still)),
              (Texts{"platform 3 is beyond a sprinting jump from every other platform",
                     "platform 4 is beyond a sprinting jump from every other platform"}));
}

TEST(LevelWarnings, ItemsInsidePlatformsOrOneAnothersPlaceAreNamed) {
    const Level level = levelOf(
        "[[platform]]\nat = [0, 0, -8]\n"
        "[[trap]]\nat = [2, 0, -8]\n"
        "[[health]]\nat = [2.5, 1, -8.5]\n"      // on the trap's footprint, higher up
        "[[checkpoint]]\nat = [0, -1, -8]\n"     // in the second platform's slab
        "[[checkpoint]]\nat = [0, -2.5, -20]\n"  // under nothing
        "[[health]]\nat = [0, 0, -500]\n");      // on the goal
    EXPECT_EQ(
        textsOf(levelWarnings(level)),
        (Texts{"health pack 1 stands in the place of trap 1", "checkpoint 1 is inside platform 2",
               "the goal stands in the place of health pack 2"}));
}

TEST(LevelWarnings, AStartOverNothingAndNoGoalAreNamed) {
    Level level = levelOf("");
    level.start = {0.0f, 0.0f, 10.0f};
    const std::vector<LevelWarning> warnings = levelWarnings(level, false);
    ASSERT_EQ(textsOf(warnings),
              (Texts{"the start stands over no platform", "the level has no goal"}));
    EXPECT_EQ(warnings[0].kind, LevelWarning::Kind::StartOverNothing);
    EXPECT_EQ(warnings[1].kind, LevelWarning::Kind::NoGoal);
}

}  // namespace
