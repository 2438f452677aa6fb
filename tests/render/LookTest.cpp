#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <glm/gtc/matrix_transform.hpp>
#include <iostream>
#include <ostream>
#include <vector>

#include "app/input/Toggles.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLayout.h"
#include "tests/support/GameFixture.h"
#include "tests/support/Pixels.h"

namespace {

const float kPlatformTop = level::kPlatformHeight;  // the first platform's, at the origin
const float kPlatformEdge = 3.0f;                   // its +x side
const float kCameraHeight = 6.0f;                   // units above the origin, looking down
const int kDarkened = 4;    // a pixel this much darker, over its three channels, is in shadow
const int kPatchReach = 4;  // pixels each way from the middle: a patch of 9x9 under the feet
// Without the shadow, the floor under the feet shows at least this many times its light in it...
const double kClearlyShadowed = 2.0;
// ...and the two looks' ratios of the floor's light without and with it differ by at most this
// share, which leaves room for the 8-bit rounding of the dark floor.
const double kSameContrast = 0.1;

Frame framePixels(const Game& game) {
    return ::framePixels(game.framebufferWidth, game.framebufferHeight);
}

// The columns of the pixels that `shaded` shows darker than `plain`.
std::vector<int> darkenedColumns(const Frame& shaded, const Frame& plain, int width) {
    std::vector<int> columns;
    for (size_t i = 0; i < shaded.size(); i += 3) {
        const int darker = (plain[i] - shaded[i]) + (plain[i + 1] - shaded[i + 1]) +
                           (plain[i + 2] - shaded[i + 2]);
        if (darker >= kDarkened) {
            columns.push_back(static_cast<int>(i / 3) % width);
        }
    }
    return columns;
}

// The first platform seen from straight above, the camera over x. The character itself is
// not drawn, so that nothing of the shadow hides under it: the shadow is the player's all
// the same. Frames are drawn again without an update, so that nothing moves but the player.
class Shadow : public GameFixture {
protected:
    void SetUp() override { startLookingDown(kWithoutHudSettings); }

    void startLookingDown(const std::string& settings) {
        startGame(settings);
        frame();
        debugCamera = true;
        camera.switchMode(true);
        camera.yaw = -90.0f;
        camera.pitch = -89.0f;
        game->player->hidden = true;
    }

    void lookDownAt(float x) { camera.position = glm::vec3(x, kCameraHeight, 0.0f); }

    void putPlayer(float x, float height) {
        game->player->setPosition(glm::vec3(x, kPlatformTop + height, 0.0f));
    }

    // The pixels that the shadow darkens in the frame drawn with the player where it is.
    std::vector<int> shadowColumns() {
        game->render();
        const Frame shaded = framePixels(*game);
        game->options.shadow = false;
        game->render();
        const Frame plain = framePixels(*game);
        game->options.shadow = true;
        return darkenedColumns(shaded, plain, game->framebufferWidth);
    }
};

TEST_F(Shadow, DarkensThePlatformUnderAnAirbornePlayerAndShrinksWithHeight) {
    lookDownAt(0.0f);
    putPlayer(0.0f, 0.5f);
    const size_t low = shadowColumns().size();
    putPlayer(0.0f, 2.5f);
    const size_t high = shadowColumns().size();
    EXPECT_GT(low, 0u);
    EXPECT_GT(high, 0u);
    EXPECT_LT(high, low) << "higher up, smaller and fainter";
}

TEST_F(Shadow, StopsAtThePlatformsEdgeAndIsGoneBeyondIt) {
    lookDownAt(kPlatformEdge);  // the edge runs down the middle of the frame
    const int middle = game->framebufferWidth / 2;
    putPlayer(kPlatformEdge + 0.2f, 0.5f);  // over the void, the disc reaching back
    const std::vector<int> columns = shadowColumns();
    ASSERT_FALSE(columns.empty());
    for (const int column : columns) {
        ASSERT_LT(column, middle) << "nothing of it hangs past the edge";
    }
    putPlayer(kPlatformEdge + 2.0f, 0.5f);
    EXPECT_TRUE(shadowColumns().empty());
}

// Switched off, the frame is the one without any shadow: as with the player too high for one.
TEST_F(Shadow, SwitchedOffDrawsNothing) {
    lookDownAt(0.0f);
    putPlayer(0.0f, 100.0f);
    game->render();
    const Frame none = framePixels(*game);
    putPlayer(0.0f, 0.5f);
    game->options.shadow = false;
    game->render();
    EXPECT_EQ(framePixels(*game), none);
}

// A pixel's light as the screen shows it: its channels decoded from sRGB, weighed as the eye
// weighs them (Rec. 709).
double luminance(const Frame& frame, size_t pixel) {
    const double weights[] = {0.2126, 0.7152, 0.0722};
    double light = 0.0;
    for (int channel = 0; channel < 3; ++channel) {
        const double value = frame[3 * pixel + channel] / 255.0;
        const double linear =
            value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        light += weights[channel] * linear;
    }
    return light;
}

// The shadow as the settings ask for it at the start.
class ShadowAsSet : public Shadow {
protected:
    void SetUp() override {}

    // The shadow under the feet of a player standing on the first platform, in the look: how
    // many times more light the screen shows of the floor without it than under it, over a few
    // pixels in the middle of the frame, which lies under the feet.
    double underTheFeet(const char* look) {
        startLookingDown(std::string(kWithoutHudSettings) + "[graphics]\nlook = " + look + "\n");
        lookDownAt(0.0f);
        putPlayer(0.0f, 0.0f);
        game->render();
        const Frame shaded = framePixels(*game);
        game->options.shadow = false;
        game->render();
        const Frame plain = framePixels(*game);
        double lit = 0.0;
        double shadowed = 0.0;
        const int width = game->framebufferWidth;
        for (int y = -kPatchReach; y <= kPatchReach; ++y) {
            for (int x = -kPatchReach; x <= kPatchReach; ++x) {
                const auto pixel =
                    static_cast<size_t>((game->framebufferHeight / 2 + y) * width + width / 2 + x);
                lit += luminance(plain, pixel);
                shadowed += luminance(shaded, pixel);
            }
        }
        return lit / shadowed;
    }
};

// A start with the shadow off leaves its program unmade; switched on in the options, it shows.
TEST_F(ShadowAsSet, SwitchedOnAfterAStartWithoutItShows) {
    startLookingDown(std::string(kWithoutHudSettings) + "[graphics]\nshadow = false\n");
    lookDownAt(0.0f);
    putPlayer(0.0f, 0.5f);
    game->options.shadow = true;
    EXPECT_FALSE(shadowColumns().empty());
}

// The enhanced look blends in linear light; its shadow must read as dark as the classic one.
TEST_F(ShadowAsSet, ReadsAsDarkInBothLooks) {
    const double classic = underTheFeet(kClassicLook);
    const double enhanced = underTheFeet(kEnhancedLook);
    std::cerr << "floor's light without the shadow over under it: classic " << classic
              << ", enhanced " << enhanced << "\n";
    EXPECT_GT(classic, kClearlyShadowed);
    EXPECT_NEAR(enhanced / classic, 1.0, kSameContrast);
}

// The look and the anti-aliasing come from the settings at the start.
struct Style {
    const char* look;
    const char* antialiasing;
};

void PrintTo(const Style& style, std::ostream* out) {
    *out << style.look << " with " << style.antialiasing;
}

class Look : public GameFixture, public ::testing::WithParamInterface<Style> {
protected:
    void SetUp() override {
        startGame(std::string(kWithoutHudSettings) + "[graphics]\nlook = " + GetParam().look +
                  "\nantialiasing = " + GetParam().antialiasing + "\n");
        frame();
    }

    // The row where the level plane's horizon lies in the frame: a point far ahead at the
    // camera's height.
    int horizonRow() const {
        const glm::vec3 ahead(camera.front.x, 0.0f, camera.front.z);
        const glm::vec4 clip = game->ProjectionMatrix * game->ViewMatrix *
                               glm::vec4(camera.position + glm::normalize(ahead) * 500.0f, 1.0f);
        return static_cast<int>((clip.y / clip.w * 0.5f + 0.5f) * game->framebufferHeight);
    }
};

// The sky colour at the horizon, deeper towards the zenith: the top of the start view (which
// looks a little down) is darker than the horizon in every channel and bluer than it is grey.
// The colour images are read as sRGB, the specular maps as they are.
TEST_P(Look, TheSkyRunsFromTheSkyColourAtTheHorizonToADeeperTop) {
    const std::array<int, 3> horizon = pixelAt(2, horizonRow());
    EXPECT_TRUE(isSky(horizon)) << horizon[0] << " " << horizon[1] << " " << horizon[2];
    const std::array<int, 3> top = pixelAt(2, game->framebufferHeight - 1);
    for (int channel = 0; channel < 3; ++channel) {
        EXPECT_LT(top[channel], horizon[channel] - 2) << "channel " << channel;
    }
    EXPECT_GT(top[2], top[0]);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    GLint format = 0;
    glGetTextureLevelParameteriv(game->player->diffuseTexture->id, 0, GL_TEXTURE_INTERNAL_FORMAT,
                                 &format);
    EXPECT_EQ(format, GL_SRGB8_ALPHA8);
    glGetTextureLevelParameteriv(game->player->specularTexture->id, 0, GL_TEXTURE_INTERNAL_FORMAT,
                                 &format);
    EXPECT_NE(format, GL_SRGB8_ALPHA8);
}

INSTANTIATE_TEST_SUITE_P(Enhanced, Look,
                         ::testing::Values(Style{kEnhancedLook, kMsaa},
                                           Style{kEnhancedLook, kFxaa}),
                         [](const ::testing::TestParamInfo<Style>& info) {
                             return std::string(info.param.antialiasing);
                         });

// FXAA, or none, in either look: the window's framebuffer and the scene's target are drawn
// with one sample a pixel, whatever the sample rate (4 by default) would ask for.
class SingleSampled : public GameFixture, public ::testing::WithParamInterface<Style> {};

GLint boundSamples() {
    GLint samples = -1;
    glGetIntegerv(GL_SAMPLES, &samples);
    return samples;
}

TEST_P(SingleSampled, TheWindowAndTheScenesTargetHaveOneSampleAPixel) {
    startGame(std::string(kWithoutHudSettings) + "[graphics]\nlook = " + GetParam().look +
              "\nantialiasing = " + GetParam().antialiasing + "\n");
    frame();
    EXPECT_EQ(boundSamples(), 0) << "the window's";
    const bool fxaa = std::string(GetParam().antialiasing) == kFxaa;
    ASSERT_EQ(game->look.fxaa != nullptr, fxaa);
    if (fxaa) {
        game->look.fxaa->begin(game->framebufferWidth, game->framebufferHeight);
        EXPECT_EQ(boundSamples(), 0) << "the scene's target";
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Looks, SingleSampled,
                         ::testing::Values(Style{kClassicLook, kFxaa},
                                           Style{kClassicLook, kNoAntialiasing},
                                           Style{kEnhancedLook, kFxaa},
                                           Style{kEnhancedLook, kNoAntialiasing}),
                         [](const ::testing::TestParamInfo<Style>& info) {
                             return std::string(info.param.look) + "_" + info.param.antialiasing;
                         });

class Antialiasing : public GameFixture {
protected:
    Frame drawnWith(const char* antialiasing) {
        startGame(std::string(kWithoutHudSettings) + "[graphics]\nantialiasing = " + antialiasing +
                  "\n");
        frame();
        EXPECT_TRUE(isSky(pixelAt(2, game->framebufferHeight - 1)));
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        return framePixels(*game);
    }
};

// FXAA smooths the edges of the classic frame, without multisampling, and leaves the flat sky
// as it was.
TEST_F(Antialiasing, FxaaSmoothsTheEdgesAndLeavesTheSkyAsItIs) {
    const Frame plain = drawnWith(kNoAntialiasing);
    const Frame smoothed = drawnWith(kFxaa);
    size_t changed = 0;
    for (size_t i = 0; i < plain.size(); ++i) {
        changed += plain[i] != smoothed[i] ? 1 : 0;
    }
    EXPECT_GT(changed, 0u);
    EXPECT_LT(changed, plain.size() / 4) << "edges only";
}

}  // namespace
