#include <gtest/gtest.h>

#include "app/Banner.h"
#include "tests/support/GameFixture.h"

namespace {

const std::vector<std::string> kBanner = {
    "Smeltrun",
    "-------------------------------",
    "Controls:",
    "WASD         - Movement",
    "Spacebar     - Jump",
    "Shift (Hold) - Sprint",
    "Move mouse   - Move camera",
    "Escape       - Quit game",
    "-------------------------------",
    "Display settings:",
    "F1           - Wireframe toggle",
    "F2           - Culling toggle",
    "F3           - Camera toggle",
    "F4           - Cel shading toggle",
    "F5           - Contour toggle (Cel shading must be on)",
    "F6           - Specular toggle",
    "-------------------------------",
    "Game start!\n",
};

TEST(Banner, HasItsEighteenLines) {
    EXPECT_EQ(controlsBanner(), kBanner);
}

using BannerOnStart = GameFixture;

TEST_F(BannerOnStart, IsPrintedWithAnEmptyLineAfterGameStart) {
    startGame();
    std::string expected;
    for (const std::string& line : kBanner) {
        expected += line + "\n";
    }
    EXPECT_EQ(console.text(), expected);
}

TEST_F(BannerOnStart, IgnoresTheKeyBindings) {
    startGame(std::string(kWindowedSettings) + "[keyboard]\nforward=265\nleft=263\n");
    EXPECT_NE(console.text().find("WASD         - Movement\n"), std::string::npos);
}

}  // namespace
