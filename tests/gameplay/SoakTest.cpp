#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <glm/gtc/type_ptr.hpp>
#include <random>

#include "gameplay/Camera.h"
#include "gameplay/LevelLayout.h"
#include "tests/support/GameFixture.h"

namespace {

// The suite's soak is short; SMELTRUN_SOAK_FRAMES=36000 runs the long one.
const int kDefaultFrames = 1500;
const int kSettledFrame = 1000;        // memory is measured from here on
const long kAllowedGrowth = 1L << 20;  // bytes of resident memory
const int kReportEvery = 2000;         // frames between memory lines on the console
const int kUniformCheckEvery = 50;     // frames
const double kPressChance = 0.08;      // per frame, for each key that is up
const double kReleaseChance = 0.15;    // per frame, for each key that is held
const double kToggleChance = 0.01;     // per frame
const int kMaxMouseStep = 40;          // pixels
#ifdef __SANITIZE_ADDRESS__
// AddressSanitizer keeps freed memory in quarantine, so resident size tells nothing there.
const bool kMeasureMemory = false;
#else
const bool kMeasureMemory = true;
#endif

const int kHeldKeys[] = {GLFW_KEY_W, GLFW_KEY_A, GLFW_KEY_S,     GLFW_KEY_D,
                         GLFW_KEY_R, GLFW_KEY_F, GLFW_KEY_SPACE, GLFW_KEY_LEFT_SHIFT};
const int kToggleKeys[] = {GLFW_KEY_F1, GLFW_KEY_F2, GLFW_KEY_F3,
                           GLFW_KEY_F4, GLFW_KEY_F5, GLFW_KEY_F6};

int framesToRun() {
    const char* frames = std::getenv("SMELTRUN_SOAK_FRAMES");
    return frames ? std::max(std::atoi(frames), kSettledFrame + 1) : kDefaultFrames;
}

long rawResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Resident memory once the allocator has handed its free pages back. Without that, freed
// memory that the allocator keeps for reuse (the driver's passing work leaves some behind,
// in steps) reads as growth though nothing is held.
long residentBytes() {
    malloc_trim(0);
    return rawResidentBytes();
}

bool finite(const float* values, int count) {
    for (int i = 0; i < count; ++i) {
        if (!std::isfinite(values[i])) {
            return false;
        }
    }
    return true;
}

bool finite(const glm::vec3& v) {
    return finite(glm::value_ptr(v), 3);
}
bool finite(const glm::mat4& m) {
    return finite(glm::value_ptr(m), 16);
}

class Soak : public GameFixture {
protected:
    void randomInput() {
        for (int key : kHeldKeys) {
            const bool held = down.count(key) > 0;
            if (!held && chance(random) < kPressChance) {
                input.press(key);
                down.insert(key);
            } else if (held && chance(random) < kReleaseChance) {
                input.release(key);
                down.erase(key);
            }
        }
        if (chance(random) < kToggleChance) {
            input.tap(kToggleKeys[random() % 6]);
        }
        std::uniform_int_distribution<int> step(-kMaxMouseStep, kMaxMouseStep);
        input.moveMouse(step(random), step(random));
    }

    void expectFiniteState() {
        for (const auto& model : game->models) {
            ASSERT_TRUE(finite(model->position) && finite(model->rotation));
            for (const auto& mesh : model->meshes) {
                ASSERT_TRUE(finite(mesh->ModelMatrix));
            }
        }
        for (const auto& light : game->lights) {
            ASSERT_TRUE(finite(light->position));
        }
        ASSERT_TRUE(finite(camera.position) && finite(camera.front));
        ASSERT_TRUE(finite(game->ViewMatrix) && finite(game->ProjectionMatrix));
    }

    void expectFiniteUniforms() {
        const GLuint program = game->shaders[mainShader]->id;
        for (const char* name : {"ViewMatrix", "ProjectionMatrix", "ModelMatrix"}) {
            glm::mat4 value(0.0f);
            glGetUniformfv(program, glGetUniformLocation(program, name), glm::value_ptr(value));
            ASSERT_TRUE(finite(value)) << name;
        }
        for (int light = 0; light < level::lightCount; ++light) {
            const std::string name = "pointLights[" + std::to_string(light) + "].position";
            glm::vec3 value(0.0f);
            glGetUniformfv(program, glGetUniformLocation(program, name.c_str()),
                           glm::value_ptr(value));
            ASSERT_TRUE(finite(value)) << name;
        }
    }

    // A loss must leave the player at the start with the items back.
    void expectCleanRestartAfterALoss() {
        const std::string text = console.text();
        if (text.find("GAME LOST! ") == std::string::npos) {
            return;
        }
        ++losses;
        console.clear();
        EXPECT_EQ(game->player->position, glm::vec3(0.0f));
        EXPECT_EQ(game->player->health, 1);
        EXPECT_EQ(game->totalTime, 0.0f);
        EXPECT_FALSE(game->models[level::healthModel]->hidden);
        for (int trap = 0; trap < level::kTrapCount; ++trap) {
            EXPECT_FALSE(game->models[level::firstTrapModel + trap]->hidden);
        }
    }

    std::mt19937 random{20261207};
    std::uniform_real_distribution<double> chance{0.0, 1.0};
    std::set<int> down;
    int losses = 0;
};

TEST_F(Soak, RandomPlayStaysFiniteResetsCleanlyAndDoesNotGrow) {
    startGame("[window]\nwidth = 64\nheight = 36\nfullscreen = false\n");
    const int frames = framesToRun();
    long settled = 0;
    std::size_t framesKept = 0;  // by the game's replay
    for (int i = 0; i < frames; ++i) {
        randomInput();
        frame();
        ASSERT_FALSE(glfwWindowShouldClose(game->window)) << "frame " << i;
        ASSERT_NO_FATAL_FAILURE(expectFiniteState()) << "frame " << i;
        if (i % kUniformCheckEvery == 0) {
            ASSERT_NO_FATAL_FAILURE(expectFiniteUniforms()) << "frame " << i;
        }
        expectCleanRestartAfterALoss();
        if (i == kSettledFrame) {
            settled = residentBytes();
            framesKept = game->session.recording.replay().frames.size();
        }
        if (i % kReportEvery == 0) {
            const long raw = rawResidentBytes();
            std::printf("soak: frame %d, resident %ld KiB (%ld KiB before trimming the heap)\n", i,
                        residentBytes() / 1024, raw / 1024);
        }
    }
    // The game's replay keeps every frame it steps, up to thirty minutes of them: that much
    // growth is the recording's, not a leak.
    const long recording = static_cast<long>(
        (game->session.recording.replay().frames.size() - framesKept) * sizeof(ReplayFrame));
    const long growth = residentBytes() - settled - recording;
    if (kMeasureMemory) {
        EXPECT_LT(growth, kAllowedGrowth);
    }
    std::printf(
        "soak: %d frames, %d losses, resident memory grew by %ld KiB after frame %d besides the "
        "replay's %ld KiB\n",
        frames, losses, growth / 1024, kSettledFrame, recording / 1024);
}

}  // namespace
