#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "gameplay/Camera.h"
#include "gameplay/CameraClearance.h"
#include "tests/support/FileText.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Pixels.h"
#include "tests/support/SmallLevel.h"

namespace {

namespace fs = std::filesystem;

// The player starts facing +z, a step from the back edge of its platform: walking on, it falls
// past that edge with the camera behind it, over the platform.
const char* const kBackEdgeLevel = R"(format = 1
name = "Back edge"
par_time = 20
[start]
at = [0.0, -0.5, 1.5]
facing = 180
[[platform]]
at = [0.0, -0.5, 0.0]
[[platform]]
at = [0.0, -0.5, -8.0]
[goal]
at = [0.0, -0.45, -8.0]
)";

// A checkpoint's flag two units behind the player's start, at x = `x`: with x = 0 it stands
// between the player and the camera four units behind.
std::string flagBehindLevel(float x) {
    return std::string(R"(format = 1
name = "Flag behind"
par_time = 20
[start]
at = [0.0, -0.5, 0.0]
[[platform]]
at = [0.0, -0.5, 0.0]
[[platform]]
at = [0.0, -0.5, -6.0]
[[checkpoint]]
at = [)") + std::to_string(x) +
           R"(, -0.5, 2.0]
[goal]
at = [0.0, -0.45, -6.0]
)";
}

const char* const kCollisionOff = "[camera]\ncollision = false\n";

class CameraCollision : public GameFixture {
protected:
    // In the small window where no pixel is read, and many frames are played.
    void startLevel(const std::string& text, const std::string& extraSettings = "",
                    const char* settings = kSmallWindowSettings) {
        levelName = "level";
        startGame(std::string(settings) + extraSettings, [&text](const fs::path& directory) {
            writeFile(directory / "data/smeltrun/levels/level.toml", text);
        });
        frame();
    }

    // Whether the camera of the frame just played stands inside a platform, or has one between
    // it and the point it looks at.
    bool platformHidesTheWay() const {
        for (const GameObject* platform : game->platforms) {
            const Box box = worldBox(*platform);
            if (holds(box, camera.position) ||
                standsBetween(box, camera.lookedAt, camera.position)) {
                return true;
            }
        }
        return false;
    }

    // Frames with W held until the player has fallen well below its platform's top.
    bool fallFromTheBackEdge() {
        bool hidden = false;
        input.press(GLFW_KEY_W);
        for (int i = 0; i < 120 && game->player->position.y > -3.0f; ++i) {
            frame();
            hidden = hidden || platformHidesTheWay();
        }
        input.release(GLFW_KEY_W);
        EXPECT_LT(game->player->position.y, -3.0f) << "the player fell";
        return hidden;
    }

    // Walks to the front edge of the first platform, then looks up as far as the camera goes,
    // a hundred pixels of mouse a frame.
    bool lookUpFromTheEdge() {
        input.press(GLFW_KEY_W);
        for (int i = 0; i < 120 && game->player->position.z > -2.4f; ++i) {
            frame();
        }
        input.release(GLFW_KEY_W);
        frame();
        bool hidden = false;
        for (int i = 0; i < 8; ++i) {
            input.moveMouse(0, -100);
            frame();
            hidden = hidden || platformHidesTheWay();
        }
        EXPECT_EQ(camera.pitch, -40.0f) << "looked up as far as it goes";
        return hidden;
    }

    Frame framePixels() const {
        return ::framePixels(game->framebufferWidth, game->framebufferHeight);
    }

    // How much the level's flag changes the pixels it changes, on average over their
    // channels: the frame just drawn against the same frame drawn again without the flag.
    double flagStrength() {
        const std::vector<unsigned char> with = framePixels();
        Model& flag = *game->run.items.back().object;
        EXPECT_EQ(game->run.items.back().kind, Item::Kind::Checkpoint);
        flag.hidden = true;
        game->render();
        const std::vector<unsigned char> without = framePixels();
        flag.hidden = false;
        long change = 0;
        int pixels = 0;
        for (size_t i = 0; i < with.size(); i += 3) {
            int here = 0;
            for (size_t channel = i; channel < i + 3; ++channel) {
                here += std::abs(with[channel] - without[channel]);
            }
            change += here;
            pixels += here > 0 ? 1 : 0;
        }
        EXPECT_GT(pixels, 0) << "the flag is in the picture";
        return pixels > 0 ? static_cast<double>(change) / pixels : 0.0;
    }
};

// Without the collision the camera sinks into the platform the player falls past; with it, it
// never does, and keeps the way to the player clear.
TEST_F(CameraCollision, AFallBesideAPlatformKeepsTheCameraOutOfIt) {
    startLevel(kBackEdgeLevel, kCollisionOff);
    EXPECT_TRUE(fallFromTheBackEdge()) << "the case seen without the collision";
    startLevel(kBackEdgeLevel);
    EXPECT_FALSE(fallFromTheBackEdge());
}

TEST_F(CameraCollision, ALookUpFromAPlatformsEdgeKeepsTheCameraAboveIt) {
    startLevel(kSmallLevel, kCollisionOff);
    EXPECT_TRUE(lookUpFromTheEdge()) << "the case seen without the collision";
    startLevel(kSmallLevel);
    EXPECT_FALSE(lookUpFromTheEdge());
    const float top = worldBox(*game->platforms[0]).high.y;
    EXPECT_GT(camera.position.y, top);
}

// A flag between the camera and the player fades to seen through in a quarter of a second:
// at first it changes its pixels nearly as much as the same flag a little aside, then far less.
TEST_F(CameraCollision, AFlagBetweenTheCameraAndThePlayerFadesToSeenThrough) {
    startLevel(flagBehindLevel(1.2f), "", kWithoutHudSettings);
    frame(0.25);
    const double aside = flagStrength();
    startLevel(flagBehindLevel(0.0f), "", kWithoutHudSettings);
    const double atFirst = flagStrength();
    frame(0.25);
    const double between = flagStrength();
    EXPECT_GT(atFirst, 0.8 * aside);
    EXPECT_LT(between, 0.5 * aside);
}

// Along the course's start, where nothing stands behind the player, the frames with the
// collision on are those without it, to the pixel.
TEST_F(CameraCollision, WhereNothingIsInTheWayTheFrameIsTheOneWithoutCollision) {
    std::vector<std::vector<unsigned char>> frames;
    std::vector<glm::vec3> places;
    for (const std::string& settings : {std::string(kCollisionOff), std::string()}) {
        std::srand(1);  // the particles' draws, alike in both games
        startGame(std::string(kWithoutHudSettings) + settings);
        frame();
        input.press(GLFW_KEY_W);
        for (int i = 0; i < 20; ++i) {
            input.moveMouse(i % 2 == 0 ? 30 : -20, 10);
            frame();
        }
        input.release(GLFW_KEY_W);
        frame();
        frames.push_back(framePixels());
        places.push_back(camera.position);
    }
    EXPECT_EQ(places[0], places[1]);
    EXPECT_TRUE(frames[0] == frames[1]);
}

// A nearer or farther camera, as the Options set it, from the player's file.
TEST_F(CameraCollision, TheDistanceSettingPlacesTheCamera) {
    startGame(std::string(kWithoutHudSettings) + "[camera]\ndistance = 7.5\n");
    frame();
    EXPECT_NEAR(glm::distance(camera.position, camera.lookedAt), 7.5f, 1e-4f);
    EXPECT_EQ(game->options.cameraDistance, 7.5f);
}

}  // namespace
