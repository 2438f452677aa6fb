#include <gtest/gtest.h>

#include <cmath>

#include "app/input/Toggles.h"
#include "base/Angles.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Near.h"

namespace {

class Movement : public GameFixture {
protected:
    void SetUp() override {
        startGame();
        frame();  // the first cursor reading and the platforms' swing origins
    }

    // Holds the keys for the given time in frames of a sixtieth, then lets go. A frame of no
    // length first takes the presses in: the first key after a mouse move can reach the game
    // one poll late.
    glm::vec3 walk(std::initializer_list<int> keys, double seconds) {
        for (int key : keys) {
            input.press(key);
        }
        frame(0.0);
        const glm::vec3 start = game->player->position;
        const int frames = static_cast<int>(std::lround(seconds / kFrameSeconds));
        for (int i = 0; i < frames; ++i) {
            frame();
        }
        for (int key : keys) {
            input.release(key);
        }
        frame(0.0);
        return game->player->position - start;
    }
};

// Eleven seconds without a frame, Sprint and Forward down, are eleven seconds of running: the
// player meets the course's first gap and falls in, again and again, rather than leaping the
// 110 units to the goal in one step.
TEST_F(Movement, AStallWithSprintAndForwardDownRunsIntoTheFirstGap) {
    input.press(GLFW_KEY_W);
    input.press(GLFW_KEY_LEFT_SHIFT);
    frame(0.0);
    console.clear();
    frame(11.0);
    input.releaseAll();
    const std::string text = console.text();
    EXPECT_NE(text.find("GAME LOST! "), std::string::npos) << text;
    EXPECT_EQ(text.find("GAME WON! "), std::string::npos) << text;
    EXPECT_GT(game->player->position.z, -20.0f) << "short of the second platform's far side";
    EXPECT_LT(game->totalTime, 11.0f) << "the clock started again at the loss";
}

TEST_F(Movement, ForwardIsMinusZAndRightIsPlusXAtTheStart) {
    expectNear(walk({GLFW_KEY_W}, 0.5), glm::vec3(0.0f, 0.0f, -2.5f));
    expectNear(walk({GLFW_KEY_D}, 0.5), glm::vec3(2.5f, 0.0f, 0.0f));
    expectNear(walk({GLFW_KEY_S}, 0.5), glm::vec3(0.0f, 0.0f, 2.5f));
    expectNear(walk({GLFW_KEY_A}, 0.5), glm::vec3(-2.5f, 0.0f, 0.0f));
}

TEST_F(Movement, ForwardFollowsTheFacingAfterAMouseTurn) {
    input.moveMouse(120, 0);
    frame();
    const float facing = game->player->rotation.y;
    ASSERT_NEAR(facing, -10.0f, 1e-4f);  // 120 px at 5 degrees per pixel per second of look
    const float a = facing * kDegreesToRadians;
    expectNear(walk({GLFW_KEY_W}, 0.5), 2.5f * glm::vec3(-std::sin(a), 0.0f, -std::cos(a)));
}

TEST_F(Movement, DiagonalsAreFasterAndOppositeKeysCancel) {
    const glm::vec3 diagonal = walk({GLFW_KEY_W, GLFW_KEY_A}, 0.5);
    EXPECT_NEAR(glm::length(diagonal), 2.5f * std::sqrt(2.0f), 3e-3f);
    expectNear(walk({GLFW_KEY_W, GLFW_KEY_S}, 0.5), glm::vec3(0.0f));
    expectNear(walk({GLFW_KEY_A, GLFW_KEY_D}, 0.5), glm::vec3(0.0f));
}

TEST_F(Movement, ShiftSprintsExceptWhileSlowed) {
    expectNear(walk({GLFW_KEY_W, GLFW_KEY_LEFT_SHIFT}, 0.25), glm::vec3(0.0f, 0.0f, -2.5f));
    game->player->slowTimer = 2.0f;
    frame();
    EXPECT_EQ(game->player->speed, 2.5f);
    expectNear(walk({GLFW_KEY_S, GLFW_KEY_LEFT_SHIFT}, 0.5), glm::vec3(0.0f, 0.0f, 1.25f));
}

TEST_F(Movement, AJumpStartsAt4UpwardAndRisesAbout0Point8) {
    const float ground = game->player->position.y;
    input.press(GLFW_KEY_SPACE);
    update(1.0 / 120.0);
    input.release(GLFW_KEY_SPACE);
    EXPECT_TRUE(game->player->isJumping);
    EXPECT_NEAR(game->player->velocity.y, 4.0f - 9.8f / 120.0f, kRounding);
    float highest = ground;
    for (int i = 0; i < 120; ++i) {
        update(1.0 / 120.0);
        highest = std::max(highest, game->player->position.y);
    }
    EXPECT_NEAR(highest - ground, 0.82f, 0.03f);
    EXPECT_FALSE(game->player->isJumping) << "landed again";
    EXPECT_EQ(game->player->position.y, ground);
}

TEST_F(Movement, APlayerWhoWalkedOffAnEdgeCanJumpOnceInTheAir) {
    game->player->setPosition(glm::vec3(8.0f, -0.5f, 0.0f));  // beside the first platform
    frame();
    ASSERT_LT(game->player->velocity.y, 0.0f);
    input.press(GLFW_KEY_SPACE);
    update(1.0 / 120.0);
    EXPECT_NEAR(game->player->velocity.y, 4.0f - 9.8f / 120.0f, kRounding)
        << "a jump starts at 4 up whatever the fall";
    for (int i = 0; i < 30; ++i) {
        update(1.0 / 120.0);
    }
    input.release(GLFW_KEY_SPACE);
    EXPECT_LT(game->player->velocity.y, 4.0f - 31 * 9.8f / 120.0f + 0.01f) << "only once";
}

TEST_F(Movement, TheDebugCameraLeavesThePlayerToGravityAlone) {
    input.tap(GLFW_KEY_F3);
    frame();
    ASSERT_TRUE(debugCamera);
    const glm::vec3 start = game->player->position;
    expectNear(walk({GLFW_KEY_W, GLFW_KEY_D, GLFW_KEY_SPACE}, 0.3), glm::vec3(0.0f));
    input.moveMouse(80, 0);
    frame(0.1);
    EXPECT_EQ(game->player->rotation.y, 0.0f);

    game->player->setPosition(start + glm::vec3(0.0f, 0.4f, 0.0f));
    for (int i = 0; i < 30; ++i) {
        frame();
    }
    EXPECT_EQ(game->player->position.y, start.y) << "fell and landed";
}

}  // namespace
