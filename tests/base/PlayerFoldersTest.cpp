#include <gtest/gtest.h>

#include "base/PlayerFolders.h"
#include "tests/support/GameDirectory.h"

namespace {

TEST(PlayerFolders, AnAbsoluteXdgValueWinsOtherwiseTheFolderBelowHome) {
    EXPECT_EQ(xdgFolder("/x/config", "/home/p", ".config"), "/x/config");
    EXPECT_EQ(xdgFolder(nullptr, "/home/p", ".config"), "/home/p/.config");
    EXPECT_EQ(xdgFolder("", "/home/p", ".local/share"), "/home/p/.local/share");
    EXPECT_EQ(xdgFolder("relative/config", "/home/p", ".config"), "/home/p/.config");
    EXPECT_EQ(xdgFolder(nullptr, "relative", ".config"), "") << "never the working directory";
    EXPECT_EQ(xdgFolder(nullptr, nullptr, ".config"), "");
}

// The HUD names where a screenshot went as the player knows the folder.
TEST(PlayerFolders, APathBelowHomeIsShownFromTheTilde) {
    const EnvironmentOverride home(std::map<std::string, std::string>{{"HOME", "/home/p"}});
    EXPECT_EQ(shownPath("/home/p/Pictures/Smeltrun/a.png"), "~/Pictures/Smeltrun/a.png");
    EXPECT_EQ(shownPath("/home/p2/a.png"), "/home/p2/a.png") << "a sibling is not below home";
    EXPECT_EQ(shownPath("/srv/a.png"), "/srv/a.png");
    const EnvironmentOverride noHome(std::map<std::string, std::string>{{"HOME", "relative"}});
    EXPECT_EQ(shownPath("/home/p/a.png"), "/home/p/a.png");
}

}  // namespace
