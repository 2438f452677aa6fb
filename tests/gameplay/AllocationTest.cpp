#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <streambuf>

#include "gameplay/LevelLayout.h"
#include "tests/support/GameFixture.h"

// Counts the heap allocations made while `counting` is on, by standing in for the global
// allocation functions of this test program. AddressSanitizer brings its own, so the count
// is only taken without it.
namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

}  // namespace

#if !defined(__SANITIZE_ADDRESS__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    if (counting) {
        ++allocations;
    }
    if (void* memory = std::malloc(size ? size : 1)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
#pragma GCC diagnostic pop
#endif

namespace {

using namespace level;

// Swallows the console, so that the capture's own growing buffer is not counted.
class DiscardingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

class Allocations : public GameFixture {
protected:
    void SetUp() override {
#if defined(__SANITIZE_ADDRESS__)
        GTEST_SKIP() << "AddressSanitizer replaces the allocation functions";
#endif
        startGame();
        frame();
    }

    // One update with the allocations counted; the render is left out of the count.
    void countedFrame() {
        clock += kFrameSeconds;
        glfwSetTime(clock);
        std::streambuf* console = std::cout.rdbuf(&discard);
        counting = true;
        game->update();
        counting = false;
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
};

TEST_F(Allocations, UpdateMakesNoneWhilePlayingThroughEveryEvent) {
    allocations = 0;
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

}  // namespace
