#include <gtest/gtest.h>

#include "tests/support/GameFixture.h"
#include "tools/autoplay/Playthrough.h"

namespace {

const int kFrameLimit = 6000;

class Autoplay : public GameFixture {
protected:
    void expectAWin(double framesPerSecond) {
        startGame("[window]\nwidth = 320\nheight = 180\nfullscreen = false\n");
        glfwSetTime(0.0);
        const int frames = playWithPilot(*game, input, 1.0 / framesPerSecond, kFrameLimit);
        const std::string text = console.text();
        EXPECT_LT(frames, kFrameLimit) << text;
        EXPECT_TRUE(glfwWindowShouldClose(game->window));
        EXPECT_NE(text.find("HEALTH PACK COLLECTED\n"), std::string::npos) << text;
        EXPECT_EQ(text.find("TRAP TRIGGERED"), std::string::npos) << text;
        EXPECT_EQ(text.find("GAME LOST! "), std::string::npos) << text;
        EXPECT_EQ(console.lines().back().rfind("GAME WON! ", 0), 0u) << text;
    }
};

TEST_F(Autoplay, WinsAt60FramesPerSecond) {
    expectAWin(60.0);
}

TEST_F(Autoplay, WinsAt20FramesPerSecond) {
    expectAWin(20.0);
}

}  // namespace
