#include <gtest/gtest.h>

#include <stb_image.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

#include "app/input/Toggles.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLayout.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Near.h"
#include "tests/support/Pixels.h"
#include "tests/support/ShownText.h"

namespace {

namespace fs = std::filesystem;

// The top left corner of the 640x360 window, where the HUD shows health and time over sky.
std::vector<std::array<int, 3>> statusCorner(const Game& game) {
    std::vector<std::array<int, 3>> pixels;
    for (int y = game.framebufferHeight - 60; y < game.framebufferHeight; y += 2) {
        for (int x = 0; x < 160; x += 2) {
            pixels.push_back(pixelAt(x, y));
        }
    }
    return pixels;
}

bool allSky(const std::vector<std::array<int, 3>>& pixels) {
    for (const auto& pixel : pixels) {
        if (!isSky(pixel)) {
            return false;
        }
    }
    return true;
}

class Interface : public GameFixture {
protected:
    // Pauses, opens the options and asks for a new key for Forward, with the keyboard alone:
    // the pause panel starts on Resume, the options page on Forward's key.
    void rebindForward() { rebindRow(0); }

    // The same for the key `row` rows below Forward's: Backward, Left, Right, Jump...
    void rebindRow(int row) {
        input.tap(GLFW_KEY_P);
        frame();
        stroke(GLFW_KEY_DOWN);
        stroke(GLFW_KEY_SPACE);
        frame();  // the page lays itself out in its first frame, before it can be navigated
        for (int i = 0; i < row; ++i) {
            stroke(GLFW_KEY_DOWN);
        }
        stroke(GLFW_KEY_SPACE);
    }

    // Holds the key for a frame of play: whether the player took off.
    bool jumpsWith(int key) {
        frame();
        EXPECT_FALSE(game->player->isJumping) << "standing before the jump";
        input.press(key);
        frame();
        input.release(key);
        const bool jumped = game->player->isJumping;
        for (int i = 0; i < 120 && game->player->isJumping; ++i) {
            frame();  // down again
        }
        return jumped;
    }
};

TEST_F(Interface, TheHudShowsTheHealthTheHealthPackGivesAndNothingWhenOff) {
    startGame(kWithoutHudSettings);
    frame();
    frame();
    EXPECT_TRUE(allSky(statusCorner(*game)));

    startGame();
    frame();
    frame();  // a window of the UI shows from its second frame, once its size is known
    const auto atStart = statusCorner(*game);
    EXPECT_FALSE(allSky(atStart));
    frame(0.0);  // the clock stands still, so that only the health can change
    EXPECT_EQ(statusCorner(*game), atStart);
    game->player->setPosition(glm::vec3(0.0f, level::kPlatformHeight, -40.0f));
    frame(0.0);
    ASSERT_EQ(game->player->health, 2);
    EXPECT_NE(statusCorner(*game), atStart);
}

// F12 writes the frame as the player sees it, HUD and all, into the player's pictures: where
// xdg-user-dir names them, else ~/Pictures. The HUD alone says so.
TEST_F(Interface, F12SavesTheFrameIntoThePlayersPicturesAndSaysWhereOnTheHud) {
    startGame();
    const fs::path home = gameDirectory().path();
    const EnvironmentOverride homeHere({{"HOME", home.string()}});
    frame();
    frame();  // a window of the UI shows from its second frame
    const GLuint before = trianglesInAFrame(0.0);
    console.clear();
    const auto shotsIn = [](const fs::path& folder) {
        std::vector<fs::path> shots;
        for (const auto& entry : fs::directory_iterator(folder)) {
            shots.push_back(entry.path());
        }
        return shots;
    };

    input.tap(GLFW_KEY_F12);
    frame(0.0);
    const std::vector<fs::path> shots = shotsIn(home / "Pictures/Smeltrun");
    ASSERT_EQ(shots.size(), 1u) << "the shot, and no temporary file beside it";
    EXPECT_EQ(shots[0].filename().string().rfind("smeltrun-", 0), 0u);
    EXPECT_EQ(shots[0].extension(), ".png");
    int width = 0, height = 0, channels = 0;
    ASSERT_TRUE(stbi_info(shots[0].c_str(), &width, &height, &channels));
    EXPECT_EQ(width, game->framebufferWidth);
    EXPECT_EQ(height, game->framebufferHeight);
    const std::string notice =
        "Screenshot saved: ~/Pictures/Smeltrun/" + shots[0].filename().string();
    const auto glyphs =
        std::count_if(notice.begin(), notice.end(), [](char c) { return c != ' '; });
    EXPECT_GE(trianglesInAFrame(0.0), before + 2 * static_cast<GLuint>(glyphs))
        << "two triangles a letter";
    EXPECT_EQ(console.text(), "") << "no console line";

    fs::create_directories(gameDirectory().configHome());
    std::ofstream(gameDirectory().configHome() / "user-dirs.dirs")
        << "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
    input.tap(GLFW_KEY_F12);
    frame(0.0);
    EXPECT_EQ(shotsIn(home / "Bilder/Smeltrun").size(), 1u) << "where xdg-user-dir says";

    // The time a picture takes to write is the game's, not play: the frame after it is one
    // step as usual, not a stall that the rules would play in pieces and the records refuse.
    input.tap(GLFW_KEY_F12);
    clock.advance(kFrameSeconds);
    game->update();
    clock.advance(1.0);  // the picture being written
    game->render();
    frame();
    EXPECT_NEAR(game->deltaTime, kFrameSeconds, 1e-4);
}

// The rows of the HUD's first line of text ("Health"), from the top of its tallest letter to
// its baseline, in the frame just drawn: white letters over the dark panel and sky.
int firstLineHeight(const Game& game) {
    int first = -1;
    for (int row = 0; row < game.framebufferHeight / 4; ++row) {
        bool lit = false;
        for (int x = 0; x < game.framebufferWidth / 6 && !lit; ++x) {
            const auto pixel = pixelAt(x, game.framebufferHeight - 1 - row);
            lit = pixel[0] > 200 && pixel[1] > 200 && pixel[2] > 200;
        }
        if (lit && first < 0) {
            first = row;
        } else if (!lit && first >= 0) {
            return row - first;
        }
    }
    return 0;
}

// The HUD's and the panels' text is all of one size; on a 1280x800 screen it reads at least
// 12 pixels high, and the text size option scales it.
TEST_F(Interface, TheTextIsTwelvePixelsHighOrMoreAt1280x800AndFollowsTheTextSize) {
    startGame("[window]\nwidth = 1280\nheight = 800\nfullscreen = false\n");
    frame();
    frame();  // a window of the UI shows from its second frame
    const int atDefault = firstLineHeight(*game);
    EXPECT_GE(atDefault, 12);

    game->options.uiScale = 1.5f;
    game->applyOptions();
    frame();
    frame();
    EXPECT_NEAR(firstLineHeight(*game), atDefault * 1.5, 2.0);
}

// With the sprint as a toggle, a tap of Shift sprints until the next; with reduced motion the
// goal turns at a quarter of its speed.
TEST_F(Interface, ComfortOptionsLatchTheSprintAndSlowTheGoal) {
    startGame();
    game->options.sprintToggle = true;
    game->options.reducedMotion = true;
    game->applyOptions();
    frame();
    const auto walkFor = [&](int frames) {
        const glm::vec3 from = game->player->position;
        input.press(GLFW_KEY_W);
        for (int i = 0; i < frames; ++i) {
            frame();
        }
        input.release(GLFW_KEY_W);
        frame(0.0);
        return glm::length(game->player->position - from);
    };
    input.tap(GLFW_KEY_LEFT_SHIFT);
    frame(0.0);
    const float sprinted = walkFor(20);
    input.tap(GLFW_KEY_LEFT_SHIFT);
    frame(0.0);
    const float walked = walkFor(20);
    EXPECT_GT(sprinted, 1.5f * walked) << "sprinting with Shift let go, then walking again";

    const float turned = game->run.goalRings[0]->rotation.y;
    frame(1.0);
    const float gentle = game->run.goalRings[0]->rotation.y - turned;
    game->options.reducedMotion = false;
    frame(1.0);
    EXPECT_NEAR(gentle * 4.0f, game->run.goalRings[0]->rotation.y - turned - gentle, 1e-3f);
}

TEST_F(Interface, TheHudShowsTheBestTimeOfTheRecordsBesideTheClock) {
    startGame();
    frame();
    frame(0.0);
    const auto withoutRecords = statusCorner(*game);
    startGame(kWindowedSettings, [](const std::filesystem::path& directory) {
        std::filesystem::create_directories(directory / "data/smeltrun");
        std::ofstream(directory / "data/smeltrun/records")
            << "smeltrun-records 1\nbest_time 20.5\n";
    });
    frame();
    frame(0.0);
    EXPECT_NE(statusCorner(*game), withoutRecords);
}

TEST_F(Interface, AKeyReboundInTheOptionsWalksAndIsKeptForTheNextStart) {
    startGame();
    frame();
    rebindForward();
    ASSERT_TRUE(game->controls.wait.awaitingKey());
    stroke(GLFW_KEY_I);
    frame();
    EXPECT_EQ(game->options.keyBindings.at("FORWARD"), GLFW_KEY_I);

    input.tap(GLFW_KEY_P);
    frame();
    ASSERT_FALSE(game->paused);
    input.press(GLFW_KEY_I);
    frame(0.0);
    const float z = game->player->position.z;
    frame(0.5);
    input.release(GLFW_KEY_I);
    EXPECT_NEAR(game->player->position.z, z - 2.5f, kRounding);

    restartGame();
    EXPECT_EQ(game->options.keyBindings.at("FORWARD"), GLFW_KEY_I);
}

// A key that means something else is never taken silently: one of the game's own is refused,
// another action's swaps with the old key, a movement's as well as Jump's or Pause's.
TEST_F(Interface, AKeyBoundElsewhereSwapsAndOneOfTheGamesOwnIsRefused) {
    startGame();
    frame();
    rebindForward();
    stroke(GLFW_KEY_F1);
    frame();
    EXPECT_EQ(game->options.keyBindings.at("FORWARD"), GLFW_KEY_W);
    EXPECT_FALSE(wireframe) << "the refused key went nowhere else";
    EXPECT_TRUE(game->paused);

    stroke(GLFW_KEY_SPACE);  // Forward's key again
    ASSERT_TRUE(game->controls.wait.awaitingKey());
    stroke(GLFW_KEY_S);
    frame();
    EXPECT_EQ(game->options.keyBindings.at("FORWARD"), GLFW_KEY_S);
    EXPECT_EQ(game->options.keyBindings.at("BACKWARD"), GLFW_KEY_W);

    stroke(GLFW_KEY_SPACE);
    stroke(GLFW_KEY_P);  // Pause's key, no longer one of the game's own
    frame();
    EXPECT_TRUE(game->paused) << "a key taken for a binding pauses nothing";
    EXPECT_EQ(game->options.keyBindings.at("FORWARD"), GLFW_KEY_P);
    EXPECT_EQ(game->options.keyBindings.at("PAUSE"), GLFW_KEY_S);
    input.tap(GLFW_KEY_S);
    frame();
    EXPECT_FALSE(game->paused) << "S pauses and resumes now";
    EXPECT_TRUE(jumpsWith(GLFW_KEY_SPACE)) << "Jump kept its key";
}

// Jump takes the key pressed for it as the movement keys do: the new key jumps in play, the
// old one no longer does, and the binding is kept for the next start.
TEST_F(Interface, JumpReboundInTheOptionsJumpsWithTheNewKeyAndIsKeptForTheNextStart) {
    startGame();
    frame();
    rebindRow(4);
    ASSERT_TRUE(game->controls.wait.awaitingKey());
    stroke(GLFW_KEY_J);
    frame();
    ASSERT_EQ(game->options.keyBindings.at("JUMP"), GLFW_KEY_J);
    input.tap(GLFW_KEY_P);
    frame();
    ASSERT_FALSE(game->paused);
    EXPECT_FALSE(jumpsWith(GLFW_KEY_SPACE));
    EXPECT_TRUE(jumpsWith(GLFW_KEY_J));

    restartGame();
    EXPECT_EQ(game->options.keyBindings.at("JUMP"), GLFW_KEY_J);
    EXPECT_TRUE(jumpsWith(GLFW_KEY_J));
    EXPECT_TRUE(showsText("J: jump    Left Shift: sprint    P: menu")) << "the HUD's first hint";
    std::ifstream saved(gameDirectory().playerSettingsFile());
    const std::string text((std::istreambuf_iterator<char>(saved)),
                           std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("[keyboard]\njump = 74\n"), std::string::npos) << text;
}

TEST_F(Interface, OptionsThatCannotBeSavedAreReportedAndPlayGoesOn) {
    // A file where the player's config folder should be: nothing can be written there.
    startGame(kWindowedSettings,
              [](const std::filesystem::path& directory) { std::ofstream(directory / "config"); });
    frame();
    rebindForward();
    console.clear();
    stroke(GLFW_KEY_I);
    frame();
    const auto lines = console.lines();
    ASSERT_EQ(lines.size(), 1u) << console.text();
    EXPECT_EQ(lines[0].rfind("ERROR::SETTINGS::SAVE_FAILED: ", 0), 0u);
    input.tap(GLFW_KEY_P);
    frame();
    EXPECT_FALSE(game->paused);
    frame();
}

// What the options panel sets reaches the running game at once: the window's size, the field
// of view, the mouse's sensitivity, raw motion and its vertical sense.
TEST_F(Interface, OptionsApplyAtOnce) {
    startGame(kWithoutHudSettings);  // a resize under the UI: see the resize tests in FrameTest
    frame();
    const int raw = glfwRawMouseMotionSupported() ? GLFW_TRUE : GLFW_FALSE;
    EXPECT_EQ(glfwGetInputMode(game->window, GLFW_RAW_MOUSE_MOTION), raw);
    game->options.rawMouse = false;
    game->options.width = 500;
    game->options.height = 300;
    game->options.fov = 60.0f;
    game->options.sensitivity = 10.0f;
    game->options.invertY = true;
    game->applyOptions();
    game->applyWindow();
    input.sync();  // the server's answer to the resize, for the next frame's poll
    frame();
    EXPECT_EQ(game->framebufferWidth, 500);
    EXPECT_EQ(game->framebufferHeight, 300);
    const float focal = 1.0f / std::tan(30.0f * kDegreesToRadians);  // 60 degrees in all
    EXPECT_NEAR(game->ProjectionMatrix[1][1], focal, 1e-5f);

    input.moveMouse(30, -30);  // right and up
    frame();
    EXPECT_NEAR(game->player->rotation.y, -5.0f, 1e-4f) << "30 px at 10 degrees per 60 px";
    EXPECT_NEAR(camera.pitch, 5.0f, 1e-4f) << "up looks down when inverted";
    EXPECT_EQ(glfwGetInputMode(game->window, GLFW_RAW_MOUSE_MOTION), GLFW_FALSE);
}

}  // namespace
