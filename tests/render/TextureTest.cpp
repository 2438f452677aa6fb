#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <vector>

#include "render/Texture.h"
#include "tests/support/GameFixture.h"

namespace {

const int kSide = 8;  // pixels

// A 3-channel JPEG of one flat colour, written where the game looks for its files.
void writeJpeg(const char* file, unsigned char r, unsigned char g, unsigned char b) {
    std::vector<unsigned char> pixels;
    for (int i = 0; i < kSide * kSide; ++i) {
        pixels.insert(pixels.end(), {r, g, b});
    }
    ASSERT_TRUE(stbi_write_jpg(file, kSide, kSide, 3, pixels.data(), 100));
}

std::vector<unsigned char> pixelsOf(const Texture& texture) {
    std::vector<unsigned char> pixels(static_cast<size_t>(texture.width * texture.height * 4));
    glBindTexture(GL_TEXTURE_2D, texture.id);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return pixels;
}

GLint parameter(const Texture& texture, GLenum name) {
    GLint value = 0;
    glGetTextureParameteriv(texture.id, name, &value);
    return value;
}

GLint integer(GLenum name) {
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

using Textures = GameFixture;

TEST_F(Textures, AJpegArrivesAsOpaqueRgba) {
    startGame();
    writeJpeg("flat.jpg", 200, 40, 90);
    const Texture texture("flat.jpg");
    EXPECT_EQ(texture.width, kSide);
    EXPECT_EQ(texture.height, kSide);
    EXPECT_EQ(texture.type, static_cast<GLenum>(GL_TEXTURE_2D));
    const auto pixels = pixelsOf(texture);
    for (size_t i = 0; i < pixels.size(); i += 4) {
        EXPECT_NEAR(pixels[i], 200, 3);
        EXPECT_NEAR(pixels[i + 1], 40, 3);
        EXPECT_NEAR(pixels[i + 2], 90, 3);
        ASSERT_EQ(pixels[i + 3], 255);
    }
}

TEST_F(Textures, TwoLoadsOfOneFileGiveTwoNamesWithEqualContent) {
    startGame();
    writeJpeg("flat.jpg", 10, 220, 30);
    const Texture first("flat.jpg");
    const Texture second("flat.jpg");
    EXPECT_NE(first.id, second.id);
    EXPECT_EQ(pixelsOf(first), pixelsOf(second));
}

TEST_F(Textures, RepeatAndMipmapFilteringAreSet) {
    startGame();
    writeJpeg("flat.jpg", 10, 20, 30);
    const Texture texture("flat.jpg");
    EXPECT_EQ(parameter(texture, GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(parameter(texture, GL_TEXTURE_WRAP_T), GL_REPEAT);
    EXPECT_EQ(parameter(texture, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(parameter(texture, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    GLint levelOneWidth = 0;
    glGetTextureLevelParameteriv(texture.id, 1, GL_TEXTURE_WIDTH, &levelOneWidth);
    EXPECT_EQ(levelOneWidth, kSide / 2) << "mipmaps are generated";
}

TEST_F(Textures, TheGameLoadsItsTwelveAndLeavesNothingBound) {
    startGame();
    ASSERT_EQ(game->textures.size(), 12u);
    for (const auto& texture : game->textures) {
        EXPECT_GT(texture->width, 0);
        EXPECT_EQ(texture->width, texture->height);
    }
    EXPECT_EQ(integer(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
    EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), 0);
}

TEST_F(Textures, AMissingTrapImageIsReportedTwiceAndTheGameStarts) {
    startGame(kWindowedSettings, [](const std::filesystem::path& directory) {
        std::filesystem::remove(directory / "assets/Images/trap.png");
    });
    const std::string line = "ERROR::TEXTURE::TEXTURE_LOADING_FAILED: assets/Images/trap.png";
    const auto lines = console.lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 2);
    ASSERT_EQ(lines.size(), 2u + 19u) << console.text();
    EXPECT_EQ(lines[2], "Smeltrun") << "the banner follows the two lines";
    frame();
    EXPECT_FALSE(glfwWindowShouldClose(game->window));
}

}  // namespace
