#include <gtest/gtest.h>

#include <cmath>

#include "gameplay/LevelLayout.h"
#include "tests/support/GameFixture.h"

namespace {

using namespace level;

struct Swing {
    int platform;
    int axis;  // 0: x, 2: z
    float amplitude;
};
const Swing kSwings[] = {{1, 0, -5.0f}, {3, 0, 5.0f}, {5, 0, -5.0f}, {7, 2, 5.0f}, {8, 2, -5.0f}};

glm::vec3 layoutPosition(int platform) {
    return glm::vec3(0.0f, kPlatformHeight, kPlatformZ[platform]);
}

using Platforms = GameFixture;

TEST_F(Platforms, NoneMovesOnTheFrameThatCapturesItsOrigin) {
    startGame(kSmallWindowSettings);
    frame(0.7);
    for (int i = 0; i < kPlatformCount; ++i) {
        EXPECT_EQ(game->platforms[i]->position, layoutPosition(i)) << i;
    }
    for (const Swing& swing : kSwings) {
        EXPECT_EQ(game->run.swingOrigins[swing.platform],
                  layoutPosition(swing.platform)[swing.axis]);
    }
    EXPECT_EQ(game->run.swingOrigins[0], std::nullopt) << "a standing platform never captures";
}

TEST_F(Platforms, ExactlyFiveSwingOnTheirAxesWithTheSineOfTheTime) {
    startGame(kSmallWindowSettings);
    frame();
    for (int step = 0; step < 40; ++step) {
        frame(0.1);
        const float t = game->totalTime;
        for (int i = 0; i < kPlatformCount; ++i) {
            SCOPED_TRACE("platform " + std::to_string(i) + " at " + std::to_string(t));
            glm::vec3 expected = layoutPosition(i);
            for (const Swing& swing : kSwings) {
                if (swing.platform == i) {
                    expected[swing.axis] += swing.amplitude * std::sin(t);
                }
            }
            EXPECT_NEAR(game->platforms[i]->position.x, expected.x, 1e-4f);
            EXPECT_EQ(game->platforms[i]->position.y, expected.y);
            EXPECT_NEAR(game->platforms[i]->position.z, expected.z, 1e-4f);
            EXPECT_EQ(game->platforms[i]->meshes[0]->position, game->platforms[i]->position);
        }
    }
    // Spot checks: platform 3 at x = 5 sin t, platform 7 at z = -75 + 5 sin t.
    EXPECT_NEAR(game->platforms[3]->position.x, 5.0f * std::sin(game->totalTime), 1e-4f);
    EXPECT_NEAR(game->platforms[7]->position.z, -75.0f + 5.0f * std::sin(game->totalTime), 1e-4f);
}

TEST_F(Platforms, APlayerStandingStillOnOneIsLeftBehindAndFalls) {
    startGame(kSmallWindowSettings);
    frame();
    game->player->setPosition(glm::vec3(0.0f, kPlatformHeight, kPlatformZ[1]));
    frame();
    float lowest = game->player->position.y;
    for (int i = 0; i < 240 && lowest > -5.0f; ++i) {
        frame();
        lowest = std::min(lowest, game->player->position.y);
        EXPECT_EQ(game->player->position.x, 0.0f) << "the platform does not carry the player";
    }
    EXPECT_LT(lowest, -5.0f);
}

}  // namespace
