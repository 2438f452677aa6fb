#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "render/Texture.h"
#include "tests/support/GameFixture.h"
#include "tests/support/PeakMemory.h"
#include "tools/assetgen/ImageVariants.h"

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

TEST_F(Textures, TheCourseLoadsItsTwelveAndLeavesNothingBound) {
    startGame();
    size_t loaded = 0;
    for (const auto& texture : game->textures) {
        if (texture) {
            ++loaded;
            EXPECT_GT(texture->width, 0);
            EXPECT_EQ(texture->width, texture->height);
        }
    }
    EXPECT_EQ(loaded, 12u);
    EXPECT_EQ(integer(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
    EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), 0);
}

// Files as other tools write them: each must give the picture's own pixels, as the plain
// PNG does (JPEG to within its rounding).
TEST_F(Textures, EveryFormOfOnePictureLoadsAsThePicture) {
    startGame();
    const variants::Picture picture = variants::checkerboard();
    const struct {
        const char* file;
        void (*write)(const variants::Picture&, const std::string&);
        int tolerance;
    } forms[] = {
        {"plain.png", variants::writePlainPng, 0},
        {"sixteen.png", variants::writeSixteenBitPng, 0},
        {"palette.png", variants::writePalettePng, 0},
        {"interlaced.png", variants::writeInterlacedPng, 0},
        {"progressive.jpg", variants::writeProgressiveJpeg, 4},
        {"cmyk.jpg", variants::writeCmykJpeg, 4},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.file);
        form.write(picture, form.file);
        const Texture texture(form.file);
        ASSERT_EQ(texture.width, picture.width);
        ASSERT_EQ(texture.height, picture.height);
        const auto pixels = pixelsOf(texture);
        ASSERT_EQ(pixels.size(), picture.rgba.size());
        int worst = 0;
        for (size_t i = 0; i < pixels.size(); ++i) {
            worst = std::max(worst, std::abs(pixels[i] - picture.rgba[i]));
        }
        EXPECT_LE(worst, form.tolerance);
    }
    EXPECT_EQ(console.text().find("ERROR"), std::string::npos) << console.text();
}

TEST_F(Textures, AnUndecodableFileIsReportedWithItsReasonAndShowsAMagentaChecker) {
    startGame();
    console.clear();
    std::ofstream("broken.png", std::ios::binary) << "\x89PNG\r\n\x1a\n not really";
    const Texture texture("broken.png");
    const auto lines = console.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "ERROR::TEXTURE::TEXTURE_LOADING_FAILED: broken.png");
    EXPECT_FALSE(lines[1].empty()) << "the decoder's reason, on a line of its own";
    const auto pixels = pixelsOf(texture);
    ASSERT_FALSE(pixels.empty());
    const auto count = [&](unsigned char r, unsigned char g, unsigned char b) {
        size_t found = 0;
        for (size_t i = 0; i < pixels.size(); i += 4) {
            found += pixels[i] == r && pixels[i + 1] == g && pixels[i + 2] == b;
        }
        return found;
    };
    EXPECT_EQ(count(255, 0, 255), pixels.size() / 8) << "half magenta";
    EXPECT_EQ(count(0, 0, 0), pixels.size() / 8) << "half black";
}

// The header claims a gigabyte of pixels; the claim alone refuses the image, before a byte of
// it is decoded.
TEST_F(Textures, AnImageOfTooManyPixelsIsRefusedByItsHeader) {
    startGame();
    console.clear();
    const long before = peakResidentMegabytes();
    const unsigned char header[] = {
        0x89, 'P', 'N',  'G', '\r', '\n', 0x1A, '\n',  // signature
        0,    0,   0,    13,  'I',  'H',  'D',  'R',   // the header chunk
        0,    0,   0x40, 0,   0,    0,    0x40, 0,     // 16384 x 16384
        8,    6,   0,    0,   0,                       // 8-bit RGBA, no interlace
        0,    0,   0,    0,                            // a CRC that stb_image does not check
    };
    std::ofstream("huge.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(header), sizeof header);
    const Texture texture("huge.png");
    EXPECT_EQ(console.lines(),
              (std::vector<std::string>{"ERROR::TEXTURE::TEXTURE_LOADING_FAILED: huge.png",
                                        "larger than 4096x4096 pixels"}));
    EXPECT_EQ(texture.width, 64) << "the checker stands in";
    EXPECT_LT(peakResidentMegabytes() - before, 100);
}

// The two lines stand before the banner, so the count after it keeps them from going unseen.
TEST_F(Textures, AMissingTrapImageIsReportedTwiceInTheExactLineCountedAndTheGameStarts) {
    startGame(kWindowedSettings, [](const std::filesystem::path& directory) {
        std::filesystem::remove(directory / "assets/Images/trap.png");
    });
    const std::vector<std::string> problem = {
        "ERROR::TEXTURE::TEXTURE_LOADING_FAILED: assets/Images/trap.png",
        "No such file or directory"};
    const auto lines = console.lines();
    ASSERT_EQ(lines.size(), 4u + 19u + 1u) << console.text();
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 2), problem);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.begin() + 4), problem);
    EXPECT_EQ(lines[4], "Smeltrun") << "the banner follows the two problems";
    EXPECT_EQ(lines[21], "Game start!");
    EXPECT_EQ(lines[22], "");
    EXPECT_EQ(lines[23], "2 problems in the files above");
    frame();
    EXPECT_FALSE(glfwWindowShouldClose(game->window));
}

// A start of the course opens no file that it does not show: without the flag's and the moving
// platform's images, and with the shadow off without its shaders, it prints what a start with
// every file prints. A level that has flags and moving platforms, played next, loads their
// images then, and reports them missing.
TEST_F(Textures, TheCourseOpensOnlyWhatItShowsAndALevelPlayedNextLoadsItsPieces) {
    const std::string withoutShadow =
        std::string(kWindowedSettings) + "[graphics]\nshadow = false\n";
    startGame(withoutShadow);
    const std::vector<std::string> everyFile = console.lines();
    console.clear();
    startGame(withoutShadow, [](const std::filesystem::path& directory) {
        for (const char* file :
             {"assets/Images/flag.png", "assets/Images/mover.png", "assets/Images/mover_s.png",
              "assets/shaders/shadowVertex.glsl", "assets/shaders/shadowFragment.glsl"}) {
            ASSERT_TRUE(std::filesystem::remove(directory / file)) << file;
        }
    });
    EXPECT_EQ(console.lines(), everyFile);

    console.clear();
    game->playLevel(playedLevel(*findLevel("finale"), true));
    const std::string text = console.text();
    for (const char* file : {"flag.png", "mover.png", "mover_s.png"}) {
        EXPECT_NE(text.find(std::string("ERROR::TEXTURE::TEXTURE_LOADING_FAILED: assets/Images/") +
                            file + "\nNo such file or directory\n"),
                  std::string::npos)
            << file << " in\n"
            << text;
    }
    const auto flag =
        std::find_if(game->run.items.begin(), game->run.items.end(),
                     [](const Item& item) { return item.kind == Item::Kind::Checkpoint; });
    ASSERT_NE(flag, game->run.items.end());
    EXPECT_EQ(flag->object->diffuseTexture->width, 64) << "the checker stands in";
    frame();
    EXPECT_FALSE(glfwWindowShouldClose(game->window));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
