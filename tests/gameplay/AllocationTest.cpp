#include <gtest/gtest.h>

#include <algorithm>
#include <streambuf>

#include "gameplay/LevelLayout.h"
#include "tests/support/GameFixture.h"
#include "tools/alloccount/AllocationCounter.h"
#include "tools/caplevel/CapLevel.h"

namespace {

using namespace level;

// Swallows the console, so that the capture's own growing buffer is not counted.
class DiscardingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

class Allocations : public GameFixture {
protected:
    void SetUp() override { start(kWindowedSettings); }

    void start(const char* settings) {
        if (!AllocationCount::available()) {
            GTEST_SKIP() << "AddressSanitizer replaces the allocation functions";
        }
        startGame(settings);
        frame();
    }

    // One update with the allocations counted; the render is left out of the count.
    void countedFrame(double seconds = kFrameSeconds) {
        clock.advance(seconds);
        std::streambuf* console = std::cout.rdbuf(&discard);
        {
            const AllocationCount count;
            game->update();
            allocations += count.made();
        }
        std::cout.rdbuf(console);
        game->render();
    }

    void framesOn(glm::vec3 point, int count) {
        for (int i = 0; i < count; ++i) {
            game->player->setPosition(point);
            countedFrame();
        }
    }

    DiscardingBuffer discard;
    long allocations = 0;
};

TEST_F(Allocations, UpdateMakesNoneWhilePlayingThroughEveryEvent) {
    input.press(GLFW_KEY_W);
    input.press(GLFW_KEY_LEFT_SHIFT);
    input.moveMouse(40, -10);
    for (int i = 0; i < 30; ++i) {
        countedFrame();
    }
    input.tap(GLFW_KEY_SPACE);
    for (int i = 0; i < 30; ++i) {
        countedFrame();
    }
    countedFrame(0.5);  // a hitch: played in steps

    input.releaseAll();
    for (int key = GLFW_KEY_F1; key <= GLFW_KEY_F6; ++key) {
        input.tap(key);  // each toggle prints its line from inside the update
        countedFrame();
        input.tap(key);
        countedFrame();
    }
    framesOn(glm::vec3(kHealthPosition.x, kPlatformHeight, kHealthPosition.z), 3);
    ASSERT_TRUE(game->models[healthModel]->hidden);
    framesOn(glm::vec3(kTrap11Position.x, kPlatformHeight, kTrap11Position.z), 3);
    ASSERT_TRUE(game->models[firstTrapModel]->hidden);
    game->player->health = 1;
    framesOn(glm::vec3(kTrap21Position.x, kPlatformHeight, kTrap21Position.z), 3);
    ASSERT_FALSE(game->models[firstTrapModel]->hidden) << "the loss restores the traps";
    framesOn(glm::vec3(0.0f, kLossHeight - 1.0f, 0.0f), 2);  // a fall
    EXPECT_EQ(allocations, 0);
}

// A level at the cap of pieces: the touches, swings and paths of 1,000 of them, and the camera
// kept clear of them all. Nothing is read from the screen, so the window is the smallest.
class CapLevelAllocations : public Allocations {
protected:
    void SetUp() override {
        builtLevel = capLevelPlay();
        start(kTinyWindowSettings);
    }

    bool taken(Item::Kind kind) const {
        return std::any_of(game->run.items.begin(), game->run.items.end(),
                           [kind](const Item& item) { return item.kind == kind && item.taken; });
    }
};

TEST_F(CapLevelAllocations, UpdateMakesNoneAmongAThousandPieces) {
    const Level& level = game->session.played.level;
    const auto onTop = [](glm::vec3 at) { return glm::vec3(at.x, kPlatformHeight, at.z); };
    input.press(GLFW_KEY_W);
    input.press(GLFW_KEY_LEFT_SHIFT);
    for (int i = 0; i < 20; ++i) {
        countedFrame();
    }
    input.releaseAll();
    framesOn(onTop(level.healthPacks.front().at), 3);
    ASSERT_TRUE(taken(Item::Kind::HealthPack));
    framesOn(onTop(level.checkpoints.front().at), 3);
    ASSERT_TRUE(game->run.checkpointReached());
    game->player->health = 3;  // the trap costs one, and the run goes on
    framesOn(onTop(level.traps.front().at), 3);
    ASSERT_TRUE(taken(Item::Kind::Trap));
    framesOn(onTop(level.platforms[level.platforms.size() / 2].at),
             3);                                                      // far off, short of the goal
    framesOn(glm::vec3(0.0f, game->run.lossHeight - 1.0f, 0.0f), 2);  // a fall, to the checkpoint
    EXPECT_FALSE(taken(Item::Kind::Trap)) << "the loss puts the traps back";
    EXPECT_EQ(allocations, 0);
}

}  // namespace
