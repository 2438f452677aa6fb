#include <gtest/gtest.h>

#include "gameplay/LevelLayout.h"
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

    std::string points(float seconds, bool won) {
        game->totalTime = seconds;
        return game->getPoints(won);
    }
};

TEST_F(GameEnd, ScoresRewardAFastFinish) {
    EXPECT_EQ(points(23.4567f, true), "15400 points");
    EXPECT_EQ(points(8.5f, true), "36800 points");
    EXPECT_EQ(points(12.9f, false), "7600 points");
    EXPECT_EQ(points(50.0f, false), "0 points");
    EXPECT_EQ(points(75.0f, false), "0 points");
    EXPECT_EQ(points(50.0f, true), "10000 points");
    EXPECT_EQ(points(9.99f, true), "36400 points") << "under ten seconds doubles";
    EXPECT_EQ(points(10.0f, true), "18000 points");
    EXPECT_EQ(points(23.99f, false), "5400 points") << "whole seconds are truncated";
    EXPECT_EQ(points(3.0e30f, true), "10000 points") << "a huge clock still scores";
}

TEST_F(GameEnd, AWinPrintsTimeAndScoreAndClosesTheWindow) {
    game->player->goalReached = true;
    game->totalTime = 125.4f;
    game->checkGameState();
    EXPECT_EQ(console.lines(), (Lines{"GAME WON! 125.4s | 10000 points"}));
    EXPECT_TRUE(glfwWindowShouldClose(game->window));
}

TEST_F(GameEnd, TimesPrintInTheStreamsDefaultFormat) {
    game->player->health = 0;
    game->totalTime = 1234567.0f;
    game->checkGameState();
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
    EXPECT_GT(lowest, kLossHeight) << "the first frame at or below the loss height loses";
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
