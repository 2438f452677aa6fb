#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/FileText.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Pixels.h"
#include "tests/support/SmallLevel.h"

namespace fs = std::filesystem;

namespace {

const int kClose = 2;  // steps of 255 between a colour asked for and the one drawn
// Of the frame's pixels that show a platform, the share that a platform set changes at least.
const double kMostOfThePlatforms = 0.5;
const int kChanged = 6;  // a pixel this much different over its three channels shows otherwise

Frame framePixels(const Game& game) {
    return ::framePixels(game.framebufferWidth, game.framebufferHeight);
}

int difference(const Frame& a, const Frame& b, size_t i) {
    return std::abs(a[i] - b[i]) + std::abs(a[i + 1] - b[i + 1]) + std::abs(a[i + 2] - b[i + 2]);
}

// The small level with a [look] of the case's, played as a player's own level. The character
// is hidden, so that only the sky and the platforms fill the frame.
class LevelLook : public GameFixture {
protected:
    Frame drawnWith(const std::string& look, const std::string& settings = kWithoutHudSettings) {
        if (game) {
            stopGame();
        }
        levelName = "looked";
        const std::string text = kSmallLevel + look;
        startGame(settings, [text](const fs::path& directory) {
            writeFile(directory / "data/smeltrun/levels/looked.toml", text);
        });
        frame();
        game->player->hidden = true;
        game->render();
        return framePixels(*game);
    }

    std::array<int, 3> topLeft() const { return pixelAt(2, game->framebufferHeight - 2); }
};

// A level's sky fills the frame where nothing stands, and the fog fades into it; an empty
// [look] draws the frame of a level without one, to the byte.
TEST_F(LevelLook, TheSkyIsTheLevelsAndAnEmptyLookIsNone) {
    const Frame none = drawnWith("");
    EXPECT_TRUE(isSky(topLeft()));
    EXPECT_TRUE(drawnWith("\n[look]\n") == none) << "an empty look";

    drawnWith("\n[look]\nsky = [0.8, 0.4, 0.1]\n");
    const std::array<int, 3> sky = topLeft();
    EXPECT_NEAR(sky[0], 204, kClose);
    EXPECT_NEAR(sky[1], 102, kClose);
    EXPECT_NEAR(sky[2], 26, kClose);
}

// A platform set dresses the platforms and leaves the sky; the level's light tints them.
TEST_F(LevelLook, APlatformSetAndALightChangeThePlatformsAlone) {
    const Frame none = drawnWith("");
    const Frame dressed = drawnWith("\n[look]\nplatforms = \"crystal\"\n");
    const Frame tinted = drawnWith("\n[look]\nlight = [1.0, 0.2, 0.2]\n");
    size_t platform = 0;
    size_t changed = 0;
    double redBefore = 0.0;
    double redAfter = 0.0;
    for (size_t i = 0; i < none.size(); i += 3) {
        if (isSky({none[i], none[i + 1], none[i + 2]})) {
            EXPECT_LT(difference(none, dressed, i), kChanged) << "the sky stays, pixel " << i / 3;
            continue;
        }
        ++platform;
        changed += difference(none, dressed, i) >= kChanged ? 1 : 0;
        // Red against green: the light takes green away and leaves red.
        redBefore += none[i] - none[i + 1];
        redAfter += tinted[i] - tinted[i + 1];
    }
    ASSERT_GT(platform, none.size() / 3 / 10) << "platforms fill a tenth of the frame at least";
    EXPECT_GT(changed, static_cast<size_t>(kMostOfThePlatforms * platform));
    EXPECT_GT(redAfter / platform, redBefore / platform + 10.0) << "redder on average";
}

// Each set is its own: no two dress the platforms alike, and each loads only its own images,
// not the game's plates that it stands in for.
TEST_F(LevelLook, EachPlatformSetLooksItsOwn) {
    std::vector<Frame> frames;
    for (const char* set : {"stone", "ice", "crystal", "rust"}) {
        frames.push_back(drawnWith(std::string("\n[look]\nplatforms = \"") + set + "\"\n"));
        size_t loaded = 0;
        for (size_t entry = textureEntryCount; entry < game->textures.size(); ++entry) {
            loaded += game->textures[entry] ? 1 : 0;
        }
        EXPECT_EQ(loaded, 2u) << set << ": its colour and its shine, and no other set's";
        EXPECT_FALSE(game->textures[platformDiffuse] || game->textures[platformSpecular]) << set;
    }
    for (size_t a = 0; a < frames.size(); ++a) {
        for (size_t b = a + 1; b < frames.size(); ++b) {
            size_t changed = 0;
            for (size_t i = 0; i < frames[a].size(); i += 3) {
                changed += difference(frames[a], frames[b], i) >= kChanged ? 1 : 0;
            }
            EXPECT_GT(changed, frames[a].size() / 3 / 20) << "sets " << a << " and " << b;
        }
    }
}

// The enhanced look's sky runs from the level's horizon colour to its zenith.
TEST_F(LevelLook, TheEnhancedSkyRunsToTheLevelsTop) {
    drawnWith("\n[look]\nsky = [0.1, 0.1, 0.9]\nsky_top = [0.9, 0.1, 0.1]\n",
              std::string(kWithoutHudSettings) + "[graphics]\nlook = enhanced\n");
    const std::array<int, 3> top = pixelAt(2, game->framebufferHeight - 1);
    EXPECT_GT(top[0], top[2]) << "the top of the view leans to the level's red zenith";
}

}  // namespace
