#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>

#include "app/input/Gamepad.h"
#include "app/input/Toggles.h"
#include "base/Angles.h"
#include "gameplay/Camera.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Near.h"

namespace {

const float kWalkingSpeed = 5.0f;      // units per second
const float kTurnAtFullTilt = 150.0f;  // degrees per second, at the default sensitivity of 5

// The game plays with pads of the test's making: `pads` is what every frame reads. Pad 0 is
// connected from the start.
class Gamepads : public GameFixture {
protected:
    void SetUp() override {
        readGamepads = [this] { return pads; };
        pads[0].name = "Test pad";
    }
    void TearDown() override {
        GameFixture::TearDown();
        readGamepads = readGlfwGamepads;
    }

    void start(const std::string& settingsIni = kSmallWindowSettings,
               const Preparation& prepare = nullptr) {
        startGame(settingsIni, prepare);
        frame();
    }

    // GLFW's sticks point down their Y axis.
    void leftStick(float x, float y) {
        pads[0].state.axes[GLFW_GAMEPAD_AXIS_LEFT_X] = x;
        pads[0].state.axes[GLFW_GAMEPAD_AXIS_LEFT_Y] = y;
    }
    void rightStick(float x, float y) {
        pads[0].state.axes[GLFW_GAMEPAD_AXIS_RIGHT_X] = x;
        pads[0].state.axes[GLFW_GAMEPAD_AXIS_RIGHT_Y] = y;
    }
    void hold(int button, bool down = true) {
        pads[0].state.buttons[button] = down ? GLFW_PRESS : GLFW_RELEASE;
    }
    // Holds a button for a frame: the panel reads the pad as each frame begins.
    void push(int button) {
        hold(button);
        frame();
        hold(button, false);
        frame();
    }

    glm::vec3 walkFor(double seconds) {
        const glm::vec3 start = game->player->position;
        const int frames = static_cast<int>(std::lround(seconds / kFrameSeconds));
        for (int i = 0; i < frames; ++i) {
            frame();
        }
        return game->player->position - start;
    }

    int jumpsOver(int frames) {
        int jumps = 0;
        for (int i = 0; i < frames; ++i) {
            const bool wasJumping = game->player->isJumping;
            frame();
            jumps += !wasJumping && game->player->isJumping;
        }
        return jumps;
    }

    PadReadings pads{};
};

TEST_F(Gamepads, TheLeftStickWalksTheFacingAtItsTiltPastTheDeadZone) {
    start();
    input.moveMouse(120, 0);
    frame();
    const float a = game->player->rotation.y * kDegreesToRadians;
    ASSERT_NE(a, 0.0f);
    const glm::vec3 forward(-std::sin(a), 0.0f, -std::cos(a));

    leftStick(0.0f, -0.1f);
    expectNear(walkFor(0.5), glm::vec3(0.0f));
    leftStick(0.0f, -0.6f);
    const float share = (0.6f - 0.2f) / 0.8f;
    expectNear(walkFor(0.5), forward * (share * kWalkingSpeed * 0.5f));
    leftStick(0.0f, 0.6f);        // back, not off the platform's edge
    hold(GLFW_GAMEPAD_BUTTON_X);  // sprinting
    expectNear(walkFor(0.5), -forward * (2.0f * share * kWalkingSpeed * 0.5f));
}

TEST_F(Gamepads, AFullDiagonalTiltWalksNoFasterThanWalkingEvenWithAKey) {
    start();
    leftStick(1.0f, -1.0f);  // the corner of a square gate, forward and right
    const glm::vec3 alone = walkFor(0.5);
    EXPECT_NEAR(glm::length(alone), kWalkingSpeed * 0.5f, kRounding);
    EXPECT_NEAR(alone.x, -alone.z, 1e-3f);

    leftStick(-1.0f, 1.0f);  // back and left
    input.press(GLFW_KEY_S);
    frame(0.0);
    const glm::vec3 withKey = walkFor(0.5);
    input.release(GLFW_KEY_S);
    EXPECT_NEAR(glm::length(withKey), kWalkingSpeed * 0.5f, kRounding);
}

TEST_F(Gamepads, TheRightStickTurnsAsFarInASecondAtTwentyAsAtSixtyFramesPerSecond) {
    start();
    rightStick(1.0f, 0.0f);
    for (int i = 0; i < 60; ++i) {
        frame(1.0 / 60.0);
    }
    EXPECT_NEAR(game->player->rotation.y, -kTurnAtFullTilt, kRounding);
    EXPECT_NEAR(camera.yaw, -90.0f + kTurnAtFullTilt, kRounding);

    rightStick(-1.0f, 0.0f);
    for (int i = 0; i < 20; ++i) {
        frame(1.0 / 20.0);
    }
    EXPECT_NEAR(game->player->rotation.y, 0.0f, kRounding);
    EXPECT_NEAR(camera.yaw, -90.0f, kRounding);

    rightStick(0.0f, -1.0f);  // up, which turns the view as the mouse moved up does
    const float pitch = camera.pitch;
    frame(0.1);
    EXPECT_NEAR(camera.pitch - pitch, -0.1f * kTurnAtFullTilt, kRounding);
}

TEST_F(Gamepads, APressOfAJumpsOnce) {
    start();
    hold(GLFW_GAMEPAD_BUTTON_A);
    int pressed = jumpsOver(10);
    hold(GLFW_GAMEPAD_BUTTON_A, false);
    pressed += jumpsOver(110);
    EXPECT_EQ(pressed, 1);
}

// Held from the first frame of a count of 120, each jumps as soon as it lands: three times.
TEST_F(Gamepads, HoldingAJumpsAsHoldingSpaceDoes) {
    start();
    input.press(GLFW_KEY_SPACE);
    const int withSpace = jumpsOver(120);
    input.release(GLFW_KEY_SPACE);
    jumpsOver(60);
    hold(GLFW_GAMEPAD_BUTTON_A);
    const int withA = jumpsOver(120);
    EXPECT_EQ(withSpace, 3);
    EXPECT_EQ(withA, withSpace);
}

// Start pauses; the pad's arrows move through the panel, as the keyboard's do, and A chooses:
// Resume, without jumping as well, and Quit.
TEST_F(Gamepads, StartPausesAndThePadChoosesOnThePanel) {
    start();
    push(GLFW_GAMEPAD_BUTTON_START);
    ASSERT_TRUE(game->paused);
    push(GLFW_GAMEPAD_BUTTON_DPAD_DOWN);
    push(GLFW_GAMEPAD_BUTTON_DPAD_UP);
    const float ground = game->player->position.y;
    hold(GLFW_GAMEPAD_BUTTON_A);
    frame();
    EXPECT_FALSE(game->paused);
    for (int i = 0; i < 10; ++i) {
        frame();
    }
    EXPECT_EQ(game->player->position.y, ground) << "the A that resumed did not jump";
    hold(GLFW_GAMEPAD_BUTTON_A, false);
    frame();

    push(GLFW_GAMEPAD_BUTTON_START);
    ASSERT_TRUE(game->paused);
    for (int i = 0; i < 5; ++i) {
        push(GLFW_GAMEPAD_BUTTON_DPAD_DOWN);  // past Resume, Options, Controls, Levels and Make
    }
    hold(GLFW_GAMEPAD_BUTTON_A);
    // Frames as the game's own loop runs them: none after the one that closes the window.
    for (int i = 0; i < 3 && !glfwWindowShouldClose(game->window); ++i) {
        frame();
    }
    EXPECT_TRUE(glfwWindowShouldClose(game->window));
    EXPECT_NE(console.text().find("Game has been quit.\n"), std::string::npos);
}

// A pad's button is rebound on the Options page as a key is, with the pad alone: choose the
// action, let go, press the new button. It plays at once and is kept for the next start. A
// choice left waiting when play resumes is given up, and the pad plays on.
TEST_F(Gamepads, AButtonReboundInTheOptionsJumpsAndIsKeptForTheNextStart) {
    // Up to the Options page's tabs, left to the first and right to Gamepad's, then down to
    // the pad's first button, whatever the tab's layout: a key's button waits for a key
    // instead, and Escape keeps it.
    const auto chooseJumpsButton = [&] {
        stroke(GLFW_KEY_UP);
        for (int i = 0; i < 7; ++i) {
            stroke(GLFW_KEY_LEFT);
        }
        stroke(GLFW_KEY_RIGHT);
        stroke(GLFW_KEY_SPACE);
        for (int i = 0; i < 12 && !game->controls.wait.awaitingPadButton(); ++i) {
            if (game->controls.wait.awaitingKey()) {
                stroke(GLFW_KEY_ESCAPE);
            }
            stroke(GLFW_KEY_DOWN);
            stroke(GLFW_KEY_SPACE);
        }
    };
    start(kWindowedSettings);  // room for the Options page's tabs and rows, navigated by key
    input.tap(GLFW_KEY_P);
    frame();
    stroke(GLFW_KEY_DOWN);
    stroke(GLFW_KEY_SPACE);  // Options, on the Keys tab's first key
    chooseJumpsButton();
    ASSERT_TRUE(game->controls.wait.awaitingPadButton());
    game->setPaused(false);  // as the mouse's Back and Resume would, the button still awaited
    hold(GLFW_GAMEPAD_BUTTON_A);
    EXPECT_EQ(jumpsOver(30), 1) << "the pad plays";
    hold(GLFW_GAMEPAD_BUTTON_A, false);
    jumpsOver(60);

    input.tap(GLFW_KEY_P);
    frame();  // the Options page again
    chooseJumpsButton();
    ASSERT_TRUE(game->controls.wait.awaitingPadButton());
    push(GLFW_GAMEPAD_BUTTON_Y);
    EXPECT_EQ(game->options.padBindings.at("JUMP"), GLFW_GAMEPAD_BUTTON_Y);
    EXPECT_TRUE(game->paused) << "the new button neither resumed nor chose anything";
    push(GLFW_GAMEPAD_BUTTON_START);
    ASSERT_FALSE(game->paused);

    hold(GLFW_GAMEPAD_BUTTON_A);
    EXPECT_EQ(jumpsOver(30), 0);
    hold(GLFW_GAMEPAD_BUTTON_A, false);
    hold(GLFW_GAMEPAD_BUTTON_Y);
    EXPECT_EQ(jumpsOver(30), 1);
    hold(GLFW_GAMEPAD_BUTTON_Y, false);

    restartGame();
    EXPECT_EQ(game->options.padBindings.at("JUMP"), GLFW_GAMEPAD_BUTTON_Y);
}

// With the debug camera the sticks fly and turn it, the shoulders lift and lower it, and the
// player stands.
TEST_F(Gamepads, TheDebugCameraFliesWithTheSticksAndTheShoulders) {
    start();
    input.tap(GLFW_KEY_F3);
    frame();
    ASSERT_TRUE(debugCamera);
    const glm::vec3 player = game->player->position;
    const float flight = 3.0f * 0.5f;  // units in half a second

    glm::vec3 from = camera.position;
    leftStick(0.0f, -1.0f);
    frame(0.5);
    expectNear(camera.position - from, camera.front * flight);
    leftStick(0.0f, 0.0f);
    from = camera.position;
    hold(GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER);
    frame(0.5);
    expectNear(camera.position - from, camera.up * flight);
    hold(GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER, false);
    from = camera.position;
    hold(GLFW_GAMEPAD_BUTTON_LEFT_BUMPER);
    frame(0.5);
    expectNear(camera.position - from, -camera.up * flight);
    hold(GLFW_GAMEPAD_BUTTON_LEFT_BUMPER, false);

    const float yaw = camera.yaw;
    rightStick(1.0f, 0.0f);
    frame(0.1);
    EXPECT_NEAR(camera.yaw - yaw, 0.1f * kTurnAtFullTilt, kRounding);
    EXPECT_EQ(game->player->position, player);
    EXPECT_EQ(game->player->rotation.y, 0.0f);
}

// A pad that comes or goes is named on the HUD and nowhere on the console; only losing the pad
// in use pauses.
TEST_F(Gamepads, PadsComingAndGoingAreToldOnTheHudAndLosingThePadInUsePauses) {
    start();
    frame();  // a window of the UI shows from its second frame
    const GLuint before = trianglesInAFrame(0.0);
    console.clear();

    const std::string name = "Second pad";
    pads[1].name = name.c_str();
    frame(0.0);
    const GLuint withMessage = trianglesInAFrame(0.0);
    const std::string message = "Gamepad connected: " + name;
    const auto glyphs =
        std::count_if(message.begin(), message.end(), [](char c) { return c != ' '; });
    EXPECT_GE(withMessage, before + 2 * static_cast<GLuint>(glyphs)) << "two triangles a letter";

    pads[1].name = nullptr;
    frame();
    EXPECT_FALSE(game->paused) << "pad 0 plays";
    pads[0].name = nullptr;
    frame();
    EXPECT_TRUE(game->paused);
    EXPECT_EQ(console.text(), "");
}

TEST_F(Gamepads, AMappingsFileIsTakenSilentlyAndABadOneIsNamedAndIgnored) {
    const auto mappingsFile = [](const std::filesystem::path& directory) {
        return directory / "config" / "smeltrun" / "gamecontrollerdb.txt";
    };
    const auto writeMappings = [&](const std::string& text) {
        return [&, text](const std::filesystem::path& directory) {
            std::filesystem::create_directories(mappingsFile(directory).parent_path());
            std::ofstream(mappingsFile(directory)) << text;
        };
    };
    start(kSmallWindowSettings,
          writeMappings("# A pad of the player's\n"
                        "03000000aaaa0000bbbb000000000000,Player's Pad,a:b0,b:b1,leftx:a0,"
                        "lefty:a1,platform:Linux,\n"));
    EXPECT_EQ(console.text().rfind("Smeltrun\n", 0), 0u) << "the banner comes first";

    console.clear();
    std::filesystem::path path;
    start(kSmallWindowSettings, [&](const std::filesystem::path& directory) {
        path = mappingsFile(directory);
        writeMappings("[window\n")(directory);
    });
    EXPECT_EQ(console.text().rfind(
                  "ERROR::GAMEPAD::MAPPINGS_IGNORED: " + path.string() + "\nSmeltrun\n", 0),
              0u)
        << console.text();
}

}  // namespace
