#include <gtest/gtest.h>

#include "gameplay/LevelLayout.h"
#include "tests/support/GameFixture.h"

namespace {

using namespace level;

using Lines = std::vector<std::string>;

class Events : public GameFixture {
protected:
    void SetUp() override {
        startGame();
        frame();
        console.clear();
    }

    // Puts the player at a point of the course and runs one frame there.
    void stepOnto(glm::vec3 point) {
        game->player->setPosition(point);
        frame();
    }

    GameObject& object(int index) { return *game->objects[index]; }
};

TEST_F(Events, TheHealthPackHealsOnceAndShowsThePlayersOrbs) {
    stepOnto(glm::vec3(kHealthPosition.x, kPlatformHeight, kHealthPosition.z));
    EXPECT_EQ(console.lines(), (Lines{"HEALTH PACK COLLECTED", "HEALTH INCREASED BY 1"}));
    EXPECT_EQ(game->player->health, 2);
    EXPECT_TRUE(object(healthModel).hidden);
    EXPECT_TRUE(object(firstHealthOrbModel).hidden);
    EXPECT_TRUE(object(firstHealthOrbModel + 1).hidden);
    EXPECT_TRUE(game->lights[healthLight]->off);
    EXPECT_FALSE(object(firstPlayerOrbModel).hidden) << "shown in the same frame";
    EXPECT_FALSE(object(firstPlayerOrbModel + 1).hidden);

    console.clear();
    frame();
    frame();
    EXPECT_EQ(console.text(), "") << "a hidden item is not touched again";
    EXPECT_EQ(game->player->health, 2);
}

TEST_F(Events, ATrapHurtsSlowsAndGoesDark) {
    game->player->health = 2;
    stepOnto(glm::vec3(kTrap11Position.x, kPlatformHeight, kTrap11Position.z));
    EXPECT_EQ(console.lines(),
              (Lines{"TRAP TRIGGERED", "SLOWED FOR 2 SECONDS", "HEALTH REDUCED BY -1"}));
    EXPECT_EQ(game->player->health, 1);
    EXPECT_TRUE(object(firstTrapModel).hidden);
    EXPECT_TRUE(game->lights[firstTrapLight]->off);
    EXPECT_NEAR(game->player->slowTimer, 2.0f - game->deltaTime, 1e-6f);
    EXPECT_EQ(game->player->speed, 2.5f) << "slowed from the same update on";
    EXPECT_TRUE(object(firstPlayerOrbModel).hidden);
}

TEST_F(Events, JumpingOverATrapStillTriggersIt) {
    game->player->health = 2;
    stepOnto(kTrap22Position + glm::vec3(0.0f, 2.0f, 0.0f));
    EXPECT_TRUE(object(firstTrapModel + 2).hidden);
    EXPECT_TRUE(game->lights[firstTrapLight + 2]->off);
    EXPECT_FALSE(game->lights[firstTrapLight + 1]->off);
}

TEST_F(Events, ATrapAtOneHealthLosesInTheSameUpdateAndComesBack) {
    stepOnto(glm::vec3(kTrap23Position.x, kPlatformHeight, kTrap23Position.z));
    const Lines lines = console.lines();
    ASSERT_EQ(lines.size(), 5u) << console.text();
    EXPECT_EQ(lines[2], "HEALTH REDUCED BY -1");
    EXPECT_EQ(lines[3].rfind("GAME LOST! ", 0), 0u);
    EXPECT_EQ(lines[4], "");
    EXPECT_FALSE(object(firstTrapModel + 3).hidden);
    EXPECT_FALSE(game->lights[firstTrapLight + 3]->off);
    EXPECT_EQ(game->player->health, 1);
    EXPECT_EQ(game->player->position, glm::vec3(0.0f));

    console.clear();
    game->player->health = 2;
    stepOnto(glm::vec3(kTrap23Position.x, kPlatformHeight, kTrap23Position.z));
    EXPECT_EQ(console.lines().front(), "TRAP TRIGGERED") << "shown again, touched again";
    EXPECT_TRUE(object(firstTrapModel + 3).hidden);
}

TEST_F(Events, OnlyTheFirstGoalPieceCounts) {
    game->onCollision(object(firstCheckpointModel + 1));
    game->onCollision(object(firstCheckpointModel + 2));
    game->onCollision(object(firstHealthOrbModel));
    EXPECT_FALSE(game->player->goalReached);
    EXPECT_TRUE(game->events.empty());
    game->onCollision(object(firstCheckpointModel));
    EXPECT_TRUE(game->player->goalReached);
    EXPECT_TRUE(game->events.empty()) << "the win is the end of the update's to tell";
    EXPECT_FALSE(object(firstCheckpointModel).hidden);
}

TEST_F(Events, ItemsSpinAndOrbsCircleTheirTargets) {
    const float healthTurn = object(healthModel).rotation.y;
    const float goalTurn = object(firstCheckpointModel + 1).rotation.y;
    frame(0.5);
    const float dt = game->deltaTime;
    EXPECT_NEAR(object(healthModel).rotation.y - healthTurn, 120.0f * dt, 1e-3f);
    EXPECT_NEAR(object(firstCheckpointModel + 1).rotation.y - goalTurn, -20.0f * dt, 1e-3f);

    const Model& orb = object(firstHealthOrbModel);
    const Model& pack = object(healthModel);
    EXPECT_EQ(orb.position, pack.position + glm::vec3(0.0f, 0.35f, -0.5f));
    EXPECT_EQ(orb.pivot, pack.pivot);
    EXPECT_EQ(orb.rotation, orb.spin + pack.rotation);
    const Model& playerOrb = object(firstPlayerOrbModel + 1);
    EXPECT_EQ(playerOrb.position, game->player->position + glm::vec3(0.0f, 1.0f, 0.5f));
    const float spun = playerOrb.spin.y;
    frame(0.25);
    EXPECT_NEAR(playerOrb.spin.y - spun, 400.0f * game->deltaTime, 1e-2f);
}

}  // namespace
