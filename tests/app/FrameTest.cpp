#include <gtest/gtest.h>

#include <imgui.h>
#include <array>
#include <glm/gtc/matrix_transform.hpp>

#include "gameplay/Camera.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Pixels.h"

namespace {

// A pixel of the top row of the frame just drawn, where only sky shows at the start.
std::array<int, 3> drawnSky(const Game& game) {
    return pixelAt(game.framebufferWidth / 2, game.framebufferHeight - 1);
}

void expectColour(const std::array<int, 3>& actual, float r, float g, float b) {
    EXPECT_NEAR(actual[0], r * 255.0f, 1.0f);
    EXPECT_NEAR(actual[1], g * 255.0f, 1.0f);
    EXPECT_NEAR(actual[2], b * 255.0f, 1.0f);
}

GLint viewport(int index) {
    GLint values[4] = {};
    glGetIntegerv(GL_VIEWPORT, values);
    return values[index];
}

class Frame : public GameFixture {
protected:
    void resizeAndSettle(int width, int height) {
        glfwSetWindowSize(game->window, width, height);
        settle();
    }

    // Runs the frame in which the game hears the server's answer to a change of its window:
    // without a window manager the server makes it at once, and a round trip on the game's
    // connection queues it for the frame's poll.
    void settle() {
        input.sync();
        frame();
    }
};

TEST_F(Frame, TheSkyShowsTheSkyColour) {
    startGame();
    frame();
    expectColour(drawnSky(*game), 0.2f, 0.2f, 0.3f);
}

TEST_F(Frame, BrightnessLightensTheClearColour) {
    startGame(std::string(kWindowedSettings) + "[graphics]\nbrightness = 0.5\n");
    frame();
    expectColour(drawnSky(*game), 0.7f, 0.7f, 0.8f);
}

TEST_F(Frame, MultisamplingFollowsTheSampleRate) {
    startGame();
    GLint samples = -1;
    glGetIntegerv(GL_SAMPLES, &samples);
    EXPECT_EQ(samples, 4);
    EXPECT_TRUE(glIsEnabled(GL_MULTISAMPLE));

    startGame(std::string(kWindowedSettings) + "[graphics]\nsample_rate = 0\n");
    glGetIntegerv(GL_SAMPLES, &samples);
    EXPECT_EQ(samples, 0);
}

TEST_F(Frame, TheFixedStateIsSetAtStart) {
    startGame();
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    GLint value = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &value);
    EXPECT_EQ(value, GL_BACK);
    glGetIntegerv(GL_FRONT_FACE, &value);
    EXPECT_EQ(value, GL_CCW);
    glGetIntegerv(GL_BLEND_SRC_RGB, &value);
    EXPECT_EQ(value, GL_SRC_ALPHA);
    glGetIntegerv(GL_BLEND_DST_RGB, &value);
    EXPECT_EQ(value, GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(glfwGetInputMode(game->window, GLFW_CURSOR), GLFW_CURSOR_DISABLED);
    int major = 0, minor = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    EXPECT_EQ(major * 10 + minor, 45);
    glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &value);
    EXPECT_TRUE(value & GL_CONTEXT_CORE_PROFILE_BIT);
}

TEST_F(Frame, TimeIsVariableStepFromTheFirstFrame) {
    startGame();
    update(2.5);  // a start-up that took 2.5 s: none of it is play
    EXPECT_EQ(game->deltaTime, 0.0f);
    EXPECT_EQ(game->totalTime, 0.0f);
    update(0.25);
    // The clock reads exactly what the test set, and these are exact in binary.
    EXPECT_EQ(game->deltaTime, 0.25f);
    EXPECT_EQ(game->currentFrame, 2.75f);
    EXPECT_EQ(game->lastFrame, game->currentFrame);
    EXPECT_EQ(game->totalTime, 0.25f);
}

// The resizes run without the HUD: llvmpipe (Mesa 22.3) loses a few hundred kilobytes of its
// own when the UI is drawn across a resize, which LeakSanitizer would report as ours.
TEST_F(Frame, AResizableWindowKeepsTheViewportInStepWithTheFramebuffer) {
    startGame(kWithoutHudSettings);
    frame();
    resizeAndSettle(500, 300);
    EXPECT_EQ(viewport(2), 500);
    EXPECT_EQ(viewport(3), 300);
    EXPECT_EQ(game->framebufferWidth, 500);
    const glm::mat4 expected =
        glm::perspective(45.0f * kDegreesToRadians, 500.0f / 300.0f, 0.1f, 1000.0f);
    EXPECT_EQ(game->ProjectionMatrix, expected);
}

TEST_F(Frame, AFixedSizeWindowKeepsItsViewport) {
    startGame(std::string(kWindowedSettings) + "resizable = false\n[hud]\nenabled = false\n");
    frame();
    ASSERT_EQ(viewport(2), 640);
    resizeAndSettle(500, 300);
    int w = 0, h = 0;
    glfwGetFramebufferSize(game->window, &w, &h);
    ASSERT_EQ(w, 500) << "the window itself must have changed for this test to mean anything";
    EXPECT_EQ(viewport(2), 640);
    EXPECT_EQ(viewport(3), 360);
}

// Counts the pixels of the frame just drawn that are not sky: the scene, as it draws.
int sceneShare(const Game& game) {
    int scene = 0;
    for (int y = 0; y < game.framebufferHeight; y += 8) {
        for (int x = 0; x < game.framebufferWidth; x += 8) {
            scene += isSky(pixelAt(x, y)) ? 0 : 1;
        }
    }
    return scene;
}

// F11 and Alt+Enter switch between the window and full screen on its monitor, in the same
// context: the scene goes on drawing from the same GL objects. The Enter of Alt+Enter reaches
// neither the game nor the UI, where it would press the button in focus.
TEST_F(Frame, F11AndAltEnterSwitchFullScreenAndBackInTheSameContext) {
    startGame(kWithoutHudSettings);
    frame();
    const GLuint program = game->shaders[mainShader]->id;
    const int windowed = sceneShare(*game);
    ASSERT_GT(windowed, 0);

    input.tap(GLFW_KEY_F11);
    frame();
    GLFWmonitor* monitor = glfwGetWindowMonitor(game->window);
    ASSERT_NE(monitor, nullptr);
    const GLFWvidmode* mode = glfwGetVideoMode(monitor);
    settle();
    frame();
    EXPECT_EQ(game->framebufferWidth, mode->width);
    EXPECT_EQ(game->framebufferHeight, mode->height);
    EXPECT_GT(sceneShare(*game), windowed) << "the same scene over a larger frame";

    input.press(GLFW_KEY_LEFT_ALT);
    input.press(GLFW_KEY_ENTER);
    frame();
    EXPECT_FALSE(ImGui::GetIO().KeysDown[GLFW_KEY_ENTER]);
    input.release(GLFW_KEY_ENTER);
    input.release(GLFW_KEY_LEFT_ALT);
    settle();
    frame();
    EXPECT_EQ(glfwGetWindowMonitor(game->window), nullptr);
    EXPECT_NEAR(sceneShare(*game), windowed, windowed / 20) << "the same picture; particles move";
    EXPECT_TRUE(glIsProgram(program));

    input.press(GLFW_KEY_ENTER);
    frame();
    EXPECT_TRUE(ImGui::GetIO().KeysDown[GLFW_KEY_ENTER]) << "Enter alone is the UI's";
    EXPECT_EQ(glfwGetWindowMonitor(game->window), nullptr);
}

// A window as large as the screen, back from full screen, fits the monitor's work area with
// room above it for a title bar.
TEST_F(Frame, BackFromFullScreenAWindowAsLargeAsTheScreenFitsTheWorkArea) {
    startGame("[window]\nwidth = 1920\nheight = 1080\nfullscreen = true\n[hud]\nenabled = false\n");
    frame();
    input.tap(GLFW_KEY_F11);
    frame();
    settle();
    ASSERT_EQ(glfwGetWindowMonitor(game->window), nullptr);
    int left = 0, top = 0, width = 0, height = 0;
    glfwGetMonitorWorkarea(glfwGetPrimaryMonitor(), &left, &top, &width, &height);
    int x = 0, y = 0, w = 0, h = 0;
    glfwGetWindowPos(game->window, &x, &y);
    glfwGetWindowSize(game->window, &w, &h);
    EXPECT_GT(x, left);
    EXPECT_GT(y, top) << "room for a title bar";
    EXPECT_LT(x + w, left + width);
    EXPECT_LT(y + h, top + height);
    EXPECT_EQ(game->options.width, 1920) << "the setting stays as it was";
}

}  // namespace
