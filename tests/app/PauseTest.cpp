#include <gtest/gtest.h>

#include "tests/support/GameFixture.h"
#include "tests/support/Near.h"

namespace {

// What moves while the game runs: the clock, the player, a swinging platform, a spinning item
// and a particle of the goal.
struct Motion {
    float clock;
    glm::vec3 player;
    glm::vec3 platform;
    float spin;
    glm::vec3 particle;

    bool operator==(const Motion& other) const {
        return clock == other.clock && player == other.player && platform == other.platform &&
               spin == other.spin && particle == other.particle;
    }
};

class Pause : public GameFixture {
protected:
    Motion motion() const {
        return {game->totalTime, game->player->position, game->platforms[3]->position,
                game->models[1]->rotation.y, game->particleSystems[0]->particles[0].position};
    }
};

TEST_F(Pause, PStopsEveryMotionAndResumingMakesUpNothing) {
    startGame(kSmallWindowSettings);
    frame();
    frame();
    input.press(GLFW_KEY_W);  // walking on, held through the pause
    frame();
    input.tap(GLFW_KEY_P);
    frame();
    ASSERT_TRUE(game->paused);
    EXPECT_EQ(glfwGetInputMode(game->window, GLFW_CURSOR), GLFW_CURSOR_NORMAL);
    const Motion paused = motion();
    for (int i = 0; i < 100; ++i) {
        frame();
    }
    EXPECT_TRUE(motion() == paused) << "something moved while paused";

    input.tap(GLFW_KEY_P);
    input.moveMouse(40, 0);  // the free cursor's travel must not turn the view
    frame();
    EXPECT_FALSE(game->paused);
    EXPECT_EQ(glfwGetInputMode(game->window, GLFW_CURSOR), GLFW_CURSOR_DISABLED);
    EXPECT_NEAR(game->totalTime - paused.clock, 1.0f / 60.0f, kRounding) << "one frame's time";
    EXPECT_NEAR(game->player->position.z - paused.player.z, -5.0f / 60.0f, kRounding);
    EXPECT_EQ(game->player->rotation.y, 0.0f);
}

TEST_F(Pause, LosingTheFocusPauses) {
    startGame(kSmallWindowSettings);
    frame();
    input.focusElsewhere();
    frame();
    EXPECT_TRUE(game->paused);
}

}  // namespace
