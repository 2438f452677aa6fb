#include <gtest/gtest.h>

#include "gameplay/LevelPack.h"

namespace {

TEST(LevelPack, TheLevelsWonReadBackAsWrittenAndDamagedTextIsRefusedWhole) {
    const char* const kFile = "smeltrun-unlocked 1\ncourse\nfirst steps\n";
    const std::optional<WonLevels> won = parseWonLevels(kFile);
    ASSERT_TRUE(won);
    EXPECT_EQ(*won, (WonLevels{"course", "first steps"}));
    EXPECT_EQ(wonLevelsText(*won), kFile);
    EXPECT_EQ(parseWonLevels("smeltrun-unlocked 1\r\n\n  course \r\n"), (WonLevels{"course"}))
        << "line ends and spaces a text editor may leave";

    const char* const damaged[] = {
        "",
        "course\n",
        "smeltrun-unlocked 2\ncourse\n",
        "smeltrun-records 1\n",
        "smeltrun-unlocked 1\nfirst\tsteps\n",
        "smeltrun-unlocked 1\ncourse\n\x01\n",
        "smeltrun-unlocked 1\n../course\n",
    };
    for (const char* text : damaged) {
        EXPECT_FALSE(parseWonLevels(text)) << text;
    }
}

}  // namespace
