#include <gtest/gtest.h>

#include "base/PlayerFolders.h"

namespace {

TEST(PlayerFolders, AnAbsoluteXdgValueWinsOtherwiseTheFolderBelowHome) {
    EXPECT_EQ(xdgFolder("/x/config", "/home/p", ".config"), "/x/config");
    EXPECT_EQ(xdgFolder(nullptr, "/home/p", ".config"), "/home/p/.config");
    EXPECT_EQ(xdgFolder("", "/home/p", ".local/share"), "/home/p/.local/share");
    EXPECT_EQ(xdgFolder("relative/config", "/home/p", ".config"), "/home/p/.config");
    EXPECT_EQ(xdgFolder(nullptr, "relative", ".config"), "") << "never the working directory";
    EXPECT_EQ(xdgFolder(nullptr, nullptr, ".config"), "");
}

}  // namespace
