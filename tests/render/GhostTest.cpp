#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "gameplay/Replay.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Pixels.h"

namespace {

namespace fs = std::filesystem;

// A best run whose player stood at x = -2 for its first half second, crossed to x = +2 by
// 1.5 s and stood there until its win at 3 s, three units down the course from the start.
std::string crossingRun() {
    Replay replay{"test", ReplaySettings{5.0f, -9.8f}, {}, {}};
    const std::pair<float, float> stops[] = {
        {0.0f, -2.0f}, {0.5f, -2.0f}, {1.5f, 2.0f}, {3.0f, 2.0f}};
    for (const auto& [clock, x] : stops) {
        ReplayFrame frame;
        frame.clock = clock;
        frame.position = glm::vec3(x, -0.5f, -3.0f);
        replay.frames.push_back(frame);
    }
    return replayText(replay);
}

// A best run whose player stood still at `at` for three seconds, until its win.
std::string standingRun(glm::vec3 at) {
    Replay replay{"test", ReplaySettings{5.0f, -9.8f}, {}, {}};
    for (const float clock : {0.0f, 3.0f}) {
        ReplayFrame frame;
        frame.clock = clock;
        frame.position = at;
        replay.frames.push_back(frame);
    }
    return replayText(replay);
}

// The faces of the character's model file, each a triangle.
GLuint characterTriangles() {
    std::ifstream model(fs::path(SMELTRUN_ASSETS_DIR) / "OBJFiles/aphelios.obj");
    GLuint faces = 0;
    for (std::string line; std::getline(model, line);) {
        faces += line.rfind("f ", 0) == 0 ? 1 : 0;
    }
    return faces;
}

class Ghost : public GameFixture {
protected:
    void startWith(const std::string& settings, bool bestRun) {
        startWithRun(settings, bestRun ? crossingRun() : std::string());
    }

    // With that best run, or none when it is empty.
    void startWithRun(const std::string& settings, const std::string& bestRun) {
        startGame(settings, [bestRun](const fs::path& directory) {
            if (!bestRun.empty()) {
                fs::create_directories(directory / "data/smeltrun");
                std::ofstream(directory / "data/smeltrun/best.replay") << bestRun;
            }
        });
        frame();
    }

    Frame framePixels() const {
        return ::framePixels(game->framebufferWidth, game->framebufferHeight);
    }

    // The columns, from the left, where the frame just drawn differs from the same frame drawn
    // again without the ghost: the first and the last, and how many pixels differ.
    struct Columns {
        int first = -1;
        int last = -1;
        int pixels = 0;
        long change = 0;  // summed over the channels of those pixels
    };
    Columns ghostColumns() {
        const std::vector<unsigned char> with = framePixels();
        game->options.ghost = false;
        game->render();
        const std::vector<unsigned char> without = framePixels();
        game->options.ghost = true;
        Columns columns;
        for (size_t i = 0; i < with.size(); i += 3) {
            if (with[i] != without[i] || with[i + 1] != without[i + 1] ||
                with[i + 2] != without[i + 2]) {
                const int x = static_cast<int>(i / 3) % game->framebufferWidth;
                columns.first = columns.pixels++ == 0 ? x : std::min(columns.first, x);
                columns.last = std::max(columns.last, x);
                for (size_t channel = i; channel < i + 3; ++channel) {
                    columns.change += std::abs(with[channel] - without[channel]);
                }
            }
        }
        return columns;
    }
};

TEST_F(Ghost, ABestRunAddsTheCharactersTrianglesWhileItsRunLastsAndOnlyWhenShown) {
    startWith(kWithoutHudSettings, false);
    const GLuint alone = trianglesInAFrame(1.0);
    startWith(kWithoutHudSettings, true);
    EXPECT_EQ(trianglesInAFrame(1.0), alone + characterTriangles());
    EXPECT_EQ(trianglesInAFrame(2.5), alone) << "its run is over";
    startWith(std::string(kWithoutHudSettings) + "ghost = false\n", true);
    EXPECT_EQ(trianglesInAFrame(1.0), alone);
}

// The player stands at the start, in the middle of the picture: the ghost is to its left at
// first, then to its right.
TEST_F(Ghost, ItStandsWhereItsRunStoodAtTheSameTime) {
    startWith(kWithoutHudSettings, true);
    const int middle = game->framebufferWidth / 2;
    frame(0.25);
    const Columns early = ghostColumns();
    EXPECT_GT(early.pixels, 0);
    EXPECT_LT(early.last, middle);
    frame(1.75);
    const Columns late = ghostColumns();
    EXPECT_GT(late.pixels, 0);
    EXPECT_GT(late.first, middle);
}

// Two units behind the player, the camera's way to it passes through the ghost: the ghost
// changes its pixels far less there than it does a little aside, out of the way.
TEST_F(Ghost, ItFadesWhileItStandsBetweenTheCameraAndThePlayer) {
    startWithRun(kWithoutHudSettings, standingRun(glm::vec3(1.0f, -0.5f, 2.0f)));
    frame(0.25);
    const Columns aside = ghostColumns();
    startWithRun(kWithoutHudSettings, standingRun(glm::vec3(0.0f, -0.5f, 2.0f)));
    frame(0.25);
    const Columns between = ghostColumns();
    ASSERT_GT(aside.pixels, 0);
    ASSERT_GT(between.pixels, 0);
    const double asideChange = static_cast<double>(aside.change) / aside.pixels;
    const double betweenChange = static_cast<double>(between.change) / between.pixels;
    EXPECT_LT(betweenChange, 0.5 * asideChange);
}

}  // namespace
