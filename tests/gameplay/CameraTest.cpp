#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include "app/input/Toggles.h"
#include "gameplay/Camera.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Near.h"

namespace {

using ::expectNear;  // the vectors' comparison, beside this one for matrices

void expectNear(const glm::mat4& actual, const glm::mat4& expected, float tolerance) {
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            EXPECT_NEAR(actual[column][row], expected[column][row], tolerance)
                << "column " << column << " row " << row;
        }
    }
}

class Cameras : public GameFixture {
protected:
    void SetUp() override { startGame(); }

    // Moves the mouse by the given pixels and lets one frame of the given length see it.
    void moveMouse(int dx, int dy, double seconds = kFrameSeconds) {
        input.moveMouse(dx, dy);
        frame(seconds);
    }

    // Moves the mouse vertically a hundred pixels a frame (so that the pointer stays inside
    // the screen) until the pitch reaches the limit, which steps of 8.33 degrees from 0 meet
    // only when it holds them there; then once more.
    void pitchTowards(int direction, float limit) {
        for (int i = 0; i < 40 && camera.pitch != limit; ++i) {
            moveMouse(0, 100 * direction);
        }
        moveMouse(0, 100 * direction);
    }
};

TEST_F(Cameras, StartBehindAndAboveThePlayerLookingAlongMinusZ) {
    frame();
    expectNear(camera.position, game->player->position + glm::vec3(0.0f, 1.5f, 4.0f), 1e-5f);
    expectNear(camera.front, glm::vec3(0.0f, 0.0f, -1.0f), 1e-5f);
    EXPECT_EQ(camera.target, game->player);
}

TEST_F(Cameras, TheFirstMouseFrameDoesNotJump) {
    input.moveMouse(120, -80);
    frame();
    EXPECT_EQ(game->xOffset, 0.0);
    EXPECT_EQ(game->yOffset, 0.0);
    EXPECT_EQ(camera.yaw, -90.0f);
    EXPECT_EQ(camera.pitch, 0.0f);
    EXPECT_EQ(game->player->rotation.y, 0.0f);
}

// 30 pixels at 5 degrees per pixel per second turn by 2.5 degrees, as one frame at 60 frames
// per second does, whatever the frame rate.
TEST_F(Cameras, TheMouseTurnsThePlayerAndTheCameraAlikeAtEveryFrameRate) {
    for (const double framesPerSecond : {20.0, 60.0, 144.0}) {
        SCOPED_TRACE(framesPerSecond);
        startGame();
        frame(1.0 / framesPerSecond);
        moveMouse(30, 0, 1.0 / framesPerSecond);
        EXPECT_EQ(game->xOffset, 30.0);
        EXPECT_NEAR(game->player->rotation.y, -2.5f, 1e-5f);
        EXPECT_EQ(game->player->meshes[0]->rotation, game->player->rotation);
        EXPECT_NEAR(camera.yaw, -87.5f, 1e-5f);
        // The follow camera swings round behind the turned player.
        const float around = -2.5f * kDegreesToRadians;
        expectNear(camera.position,
                   game->player->position +
                       glm::vec3(4.0f * std::sin(around), 1.5f, 4.0f * std::cos(around)),
                   1e-4f);
    }
}

TEST_F(Cameras, PitchStaysBetweenMinus40And80WhileFollowing) {
    frame();
    pitchTowards(-1, -40.0f);  // mouse up: the camera sinks and looks up
    EXPECT_EQ(camera.pitch, -40.0f);
    pitchTowards(1, 80.0f);
    EXPECT_EQ(camera.pitch, 80.0f);
    // Looking up, the camera came forward out of the start's platform; a second on, it has
    // eased back out to its full distance.
    frame(1.0);
    EXPECT_NEAR(camera.position.y,
                game->player->position.y + 1.5f + 4.0f * std::sin(80.0f * kDegreesToRadians),
                1e-4f);
}

TEST_F(Cameras, MovementKeysDoNotMoveTheFollowCamera) {
    frame();
    input.press(GLFW_KEY_R);
    input.press(GLFW_KEY_W);
    frame(0.25);
    frame(0.25);
    const glm::vec3 target = game->player->position;
    expectNear(camera.position, target + glm::vec3(0.0f, 1.5f, 4.0f), 1e-4f);
}

TEST_F(Cameras, ViewAndProjectionAreThoseOfLookAtAndPerspective) {
    frame();
    camera.position = glm::vec3(1.0f, 2.0f, 3.0f);
    camera.yaw = -60.0f;
    camera.pitch = 20.0f;
    game->updateUniforms();
    const glm::mat4 view =
        glm::lookAt(camera.position, camera.position + camera.front, camera.worldUp);
    expectNear(game->ViewMatrix, view, 1e-6f);
    EXPECT_EQ(camera.view, game->ViewMatrix);
    const glm::mat4 projection =
        glm::perspective(glm::radians(45.0f), 640.0f / 360.0f, 0.1f, 1000.0f);
    expectNear(game->ProjectionMatrix, projection, 1e-6f);
}

// A mouse movement turns by sensitivity x pixels / 60 degrees, whatever the frame's length.
TEST(CameraLook, YawWrapsOnceAroundAFullTurn) {
    Camera look;
    look.sensitivity = 5.0f;
    look.yaw = 355.0f;
    look.look(72.0, 0.0);  // +6 degrees
    EXPECT_NEAR(look.yaw, 1.0f, 1e-4f);
    look.yaw = -355.0f;
    look.look(-72.0, 0.0);
    EXPECT_NEAR(look.yaw, -1.0f, 1e-4f);
    look.yaw = 300.0f;
    look.look(72.0, 0.0);
    EXPECT_NEAR(look.yaw, 306.0f, 1e-4f);
}

TEST(CameraLook, PitchStaysBetweenMinus44Point5And89InDebugMode) {
    Camera look;
    look.sensitivity = 5.0f;
    look.debugMode = true;
    look.look(0.0, 1200.0);  // mouse up: the debug camera looks up
    EXPECT_EQ(look.pitch, 89.0f);
    look.look(0.0, -3000.0);
    EXPECT_EQ(look.pitch, -44.5f);
}

}  // namespace
