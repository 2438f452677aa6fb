#include <gtest/gtest.h>

#include "gameplay/LevelLayout.h"
#include "gameplay/Score.h"
#include "tests/support/GameFixture.h"

namespace {

using namespace level;

using Lines = std::vector<std::string>;

class GameEnd : public GameFixture {
protected:
    void SetUp() override {
        startGame();
        frame();
        console.clear();
    }
};

TEST(Score, RewardsAFastFinish) {
    EXPECT_EQ(pointsFor(23.4567f, true), 15400);
    EXPECT_EQ(pointsFor(8.5f, true), 36800);
    EXPECT_EQ(pointsFor(12.9f, false), 7600);
    EXPECT_EQ(pointsFor(50.0f, false), 0);
    EXPECT_EQ(pointsFor(75.0f, false), 0);
    EXPECT_EQ(pointsFor(50.0f, true), 10000);
    EXPECT_EQ(pointsFor(9.99f, true), 36400) << "under ten seconds doubles";
    EXPECT_EQ(pointsFor(10.0f, true), 18000);
    EXPECT_EQ(pointsFor(23.99f, false), 5400) << "whole seconds are truncated";
    EXPECT_EQ(pointsFor(3.0e30f, true), 10000) << "a huge clock still scores";
    EXPECT_EQ(pointsFor(-1.0f, false), 10000) << "no time played scores as 0 s";
}

TEST_F(GameEnd, AWinPrintsTimeAndScoreAndClosesTheWindow) {
    game->player->goalReached = true;
    game->totalTime = 125.4f;
    game->checkGameState();
    game->tellEvents();
    EXPECT_EQ(console.lines(), (Lines{"GAME WON! 125.4s | 10000 points"}));
    EXPECT_TRUE(glfwWindowShouldClose(game->window));
}

TEST_F(GameEnd, TimesPrintInTheStreamsDefaultFormat) {
    game->player->health = 0;
    game->totalTime = 1234567.0f;
    game->checkGameState();
    game->tellEvents();
    EXPECT_EQ(console.lines(), (Lines{"GAME LOST! 1.23457e+06s | 0 points", ""}));
}

TEST_F(GameEnd, WalkingOffTheLastPlatformLosesAtMinusNine) {
    game->player->setPosition(glm::vec3(0.0f, kPlatformHeight, kPlatformZ[9] - 3.0f));
    input.press(GLFW_KEY_W);
    float lowest = 0.0f;
    for (int i = 0; i < 300 && console.text().empty(); ++i) {
        lowest = std::min(lowest, game->player->position.y);
        frame();
    }
    input.release(GLFW_KEY_W);
    ASSERT_EQ(console.lines().size(), 2u) << console.text();
    EXPECT_EQ(console.lines()[0].rfind("GAME LOST! ", 0), 0u);
    EXPECT_GT(lowest, -9.0f) << "the first frame at or below the loss height loses";
    EXPECT_EQ(game->player->position, glm::vec3(0.0f));
    EXPECT_EQ(game->player->pivot, glm::vec3(0.0f));
    EXPECT_EQ(game->totalTime, 0.0f);
    EXPECT_EQ(game->player->slowTimer, -1.0f);
}

TEST_F(GameEnd, ALossAfterTheHealthPackBringsItBack) {
    game->player->setPosition(glm::vec3(0.0f, kPlatformHeight, kHealthPosition.z));
    frame();
    ASSERT_TRUE(game->models[healthModel]->hidden);
    game->player->health = 0;
    frame();
    EXPECT_FALSE(game->models[healthModel]->hidden);
    EXPECT_FALSE(game->models[firstHealthOrbModel]->hidden);
    EXPECT_FALSE(game->models[firstHealthOrbModel + 1]->hidden);
    EXPECT_FALSE(game->lights[healthLight]->off);
    EXPECT_EQ(game->player->health, 1);
    EXPECT_TRUE(game->models[firstPlayerOrbModel]->hidden);
}

TEST_F(GameEnd, AWinAndALossInOneUpdatePrintBothWinFirst) {
    game->player->health = 0;
    game->player->setPosition(kGoalPosition);
    frame();
    const Lines lines = console.lines();
    ASSERT_EQ(lines.size(), 3u) << console.text();
    EXPECT_EQ(lines[0].rfind("GAME WON! ", 0), 0u);
    EXPECT_EQ(lines[1].rfind("GAME LOST! ", 0), 0u);
    EXPECT_TRUE(glfwWindowShouldClose(game->window));
    EXPECT_EQ(game->player->position, glm::vec3(0.0f));
}

}  // namespace
