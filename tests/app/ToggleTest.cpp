#include <gtest/gtest.h>

#include "app/Callbacks.h"
#include "app/input/Toggles.h"
#include "gameplay/Camera.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Near.h"

namespace {

struct ToggleKey {
    int key;
    bool* toggle;
    const char* firstLine;  // what the first release of the key prints: its start value flipped
};

const ToggleKey kToggles[] = {
    {GLFW_KEY_F1, &wireframe, "WIREFRAME: ON"},      {GLFW_KEY_F2, &culling, "CULLING: OFF"},
    {GLFW_KEY_F3, &debugCamera, "DEBUG CAMERA: ON"}, {GLFW_KEY_F4, &celShading, "CELSHADING: ON"},
    {GLFW_KEY_F5, &contour, "CONTOUR: OFF"},         {GLFW_KEY_F6, &specular, "SPECULAR: OFF"},
};

using Toggles = GameFixture;

// Every game starts with the same toggles, whatever the last one left them at.
TEST_F(Toggles, EachFunctionKeyFlipsOnReleaseOnlyFromItsStartValueInEveryGame) {
    for (int run = 0; run < 2; ++run) {
        startGame();
        frame();
        for (const ToggleKey& t : kToggles) {
            SCOPED_TRACE(t.firstLine);
            const bool before = *t.toggle;
            console.clear();

            input.press(t.key);
            frame();
            EXPECT_EQ(*t.toggle, before) << "a press must not flip";
            EXPECT_EQ(console.text(), "");

            input.release(t.key);
            frame();
            EXPECT_EQ(*t.toggle, !before);
            EXPECT_EQ(console.lines(), std::vector<std::string>{t.firstLine});

            if (run == 1) {  // the first game leaves every toggle flipped
                input.tap(t.key);
                frame();
                EXPECT_EQ(*t.toggle, before);
            }
        }
    }
}

TEST_F(Toggles, KeyRepeatDoesNothing) {
    startGame();
    console.clear();
    keyCallback(game->window, GLFW_KEY_F4, 0, GLFW_REPEAT, 0);
    keyCallback(game->window, GLFW_KEY_F4, 0, GLFW_PRESS, 0);
    EXPECT_FALSE(celShading);
    EXPECT_EQ(console.text(), "");

    // A second press of a held key reaches the game as a repeat.
    input.press(GLFW_KEY_F4);
    frame();
    input.press(GLFW_KEY_F4);
    frame();
    EXPECT_FALSE(celShading);
    input.release(GLFW_KEY_F4);
    frame();
    EXPECT_TRUE(celShading);
    EXPECT_EQ(console.lines(), std::vector<std::string>{"CELSHADING: ON"});
}

TEST_F(Toggles, F1SwitchesThePolygonMode) {
    startGame();
    GLint mode[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);

    input.tap(GLFW_KEY_F1);
    frame();
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_LINE);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE)) << "wireframe keeps hiding back faces";

    input.tap(GLFW_KEY_F1);
    frame();
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);
}

TEST_F(Toggles, F2SwitchesFaceCulling) {
    startGame();
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    input.tap(GLFW_KEY_F2);
    frame();
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    input.tap(GLFW_KEY_F2);
    frame();
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
}

TEST_F(Toggles, F5FlipsWhateverCelShadingIs) {
    startGame();
    ASSERT_FALSE(celShading);
    console.clear();
    input.tap(GLFW_KEY_F5);
    frame();
    EXPECT_EQ(console.lines(), std::vector<std::string>{"CONTOUR: OFF"});
    EXPECT_FALSE(contour);
}

TEST_F(Toggles, F3FliesTheCameraAndRestoresItsState) {
    startGame();
    frame();
    const glm::vec3 position = camera.position;
    const glm::vec3 front = camera.front;
    const float pitch = camera.pitch;
    const float yaw = camera.yaw;

    input.tap(GLFW_KEY_F3);
    frame();
    ASSERT_TRUE(camera.debugMode);
    EXPECT_EQ(camera.position, position);
    const glm::vec3 up = camera.up;

    input.press(GLFW_KEY_R);  // "UP" by default
    frame(0.5);
    frame(0.5);
    input.release(GLFW_KEY_R);
    const glm::vec3 flown = camera.position - position;
    EXPECT_NEAR(flown.x, up.x * 3.0f, kRounding);
    EXPECT_NEAR(flown.y, up.y * 3.0f, kRounding);
    EXPECT_NEAR(flown.z, up.z * 3.0f, kRounding);

    input.tap(GLFW_KEY_F3);
    frame();
    EXPECT_FALSE(camera.debugMode);
    EXPECT_EQ(camera.position, position);
    EXPECT_EQ(camera.front, front);
    EXPECT_EQ(camera.pitch, pitch);
    EXPECT_EQ(camera.yaw, yaw);
}

}  // namespace
