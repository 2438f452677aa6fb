#include <gtest/gtest.h>

#include <GLFW/glfw3.h>
#include <stb_image_write.h>

#include <cctype>
#include <fstream>
#include <functional>
#include <random>

#include "tests/support/FileText.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/GameFixture.h"
#include "tests/support/GameProcess.h"
#include "tests/support/PeakMemory.h"
#include "tools/xdrive/XInput.h"

namespace {

namespace fs = std::filesystem;
using Spoil = std::function<void(const fs::path& directory)>;

const char* const kModels[] = {"aphelios", "platform",    "trap",        "healthOrbit",
                               "orbit",    "checkpoint1", "checkpoint2", "checkpoint3"};
const char* const kImages[] = {"aphelios.jpg",    "health.png",     "platform.png",
                               "platform_s.png",  "flareGreen.png", "flareBase.png",
                               "flareBase_s.png", "trap.png",       "flag.png",
                               "mover.png",       "mover_s.png"};
const char* const kShaders[] = {"vertexShader.glsl", "fragmentShader.glsl",
                                "contourFragmentShader.glsl"};

std::string bytesOf(size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

void write(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

// A way to spoil the game's files, named as the test that tries it.
struct Hostile {
    std::string what;
    Spoil spoil;
};

void PrintTo(const Hostile& hostile, std::ostream* out) {
    *out << hostile.what;
}

// A case's name as a test's: letters, digits and underscores.
std::string identifierOf(std::string name) {
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name;
}

std::string testName(const ::testing::TestParamInfo<Hostile>& info) {
    return identifierOf(info.param.what);
}

// Runs the real binary on a spoiled copy of the assets. It must either start, and then end
// cleanly on Escape, or refuse to start with an error line and status 1: never crash or hang.
void expectCleanOutcome(const Spoil& spoil) {
    GameDirectory directory(kWindowedSettings);
    spoil(directory.path());
    GameProcess game(directory);
    game.closeInput();
    const bool started = game.waitForLine("Game start!", kHangLimit);
    if (started) {
        XInput().tap(GLFW_KEY_ESCAPE);
    }
    const std::optional<int> status = game.waitForExit(kHangLimit);
    ASSERT_TRUE(status.has_value()) << "hangs\n" << game.output();
    if (started) {
        EXPECT_EQ(*status, 0) << game.output();
    } else {
        EXPECT_EQ(*status, 1) << game.output();
        EXPECT_NE(game.output().find("ERROR::"), std::string::npos) << game.output();
    }
}

// Each case starts the game once, so that each is a test of its own.
class HostileFile : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileFile, EndsCleanlyOnEscapeOrRefusesToStartWithAnErrorLine) {
    expectCleanOutcome(GetParam().spoil);
}

std::vector<Hostile> brokenModels() {
    std::vector<Hostile> cases;
    for (const char* model : kModels) {
        const std::string file = std::string("assets/OBJFiles/") + model + ".obj";
        cases.push_back({file + " missing", [file](const fs::path& d) { fs::remove(d / file); }});
        cases.push_back({file + " empty", [file](const fs::path& d) { write(d / file, ""); }});
        cases.push_back({file + " truncated", [file](const fs::path& d) {
                             const std::string text = contentsOf(d / file);
                             write(d / file, text.substr(0, text.size() / 2));
                         }});
        cases.push_back(
            {file + " binary", [file](const fs::path& d) { write(d / file, bytesOf(4096, 7)); }});
        cases.push_back({file + " with a face past its lists", [file](const fs::path& d) {
                             write(d / file, contentsOf(d / file) + "f 1/1/1 2/1/1 99999/1/1\n");
                         }});
    }
    return cases;
}

std::vector<Hostile> brokenImagesAndShaders() {
    std::vector<Hostile> cases;
    for (const char* image : kImages) {
        const std::string file = std::string("assets/Images/") + image;
        cases.push_back({file + " missing", [file](const fs::path& d) { fs::remove(d / file); }});
        cases.push_back({file + " empty", [file](const fs::path& d) { write(d / file, ""); }});
        cases.push_back({file + " corrupt", [file](const fs::path& d) {
                             write(d / file, contentsOf(d / file).substr(0, 64) + bytesOf(512, 3));
                         }});
    }
    for (const char* shader : kShaders) {
        const std::string file = std::string("assets/shaders/") + shader;
        cases.push_back({file + " missing", [file](const fs::path& d) { fs::remove(d / file); }});
        cases.push_back({file + " broken", [file](const fs::path& d) {
                             write(d / file, "#version 330\nvoid main( {");
                         }});
    }
    return cases;
}

std::vector<Hostile> hostileSettings() {
    const std::string windowed = kWindowedSettings;
    const std::pair<std::string, const char*> texts[] = {
        {windowed + "garbage without = a section\n[[[\n=\n", "garbage"},
        {windowed + bytesOf(2048, 11), "binary bytes"},
        {windowed + "title = " + std::string(100000, 'x') + "\n", "a very long line"},
        {"[window]\nfullscreen = false\nwidth = 0\nheight = -5\n", "zero and negative size"},
        {"[window]\nfullscreen = false\nwidth = 99999999999\nheight = 2147483647\n", "a huge size"},
        {windowed + "[graphics]\nsample_rate = -7\nrefresh_rate = 0\nbrightness = 1e38\n",
         "graphics out of range"},
        {windowed + "[camera]\nfov = 0\nnearZ = -1\nfarZ = 0\nsensitivity = nan\n",
         "camera out of range"},
        {windowed + "[world]\ngravity = inf\n[keyboard]\nforward = 999999\nleft = -3\n",
         "world and keys out of range"},
    };
    std::vector<Hostile> cases;
    for (const auto& [text, what] : texts) {
        cases.push_back({std::string("settings with ") + what, [text = text](const fs::path& d) {
                             write(d / "assets/settings.ini", text);
                         }});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(BrokenModels, HostileFile, ::testing::ValuesIn(brokenModels()), testName);
INSTANTIATE_TEST_SUITE_P(BrokenImagesAndShaders, HostileFile,
                         ::testing::ValuesIn(brokenImagesAndShaders()), testName);
INSTANTIATE_TEST_SUITE_P(HostileSettings, HostileFile, ::testing::ValuesIn(hostileSettings()),
                         testName);

// Past the loader's cap the start stops, with the loader's error, as it does for any model
// that cannot be read.
TEST(HostileFiles, AModelPastTheCapStopsTheStartWithTheLoadersError) {
    GameDirectory directory(kWindowedSettings);
    const fs::path model = directory.path() / "assets/OBJFiles/platform.obj";
    fs::resize_file(model, 65u << 20);
    GameProcess game(directory);
    game.closeInput();
    EXPECT_EQ(game.waitForExit(kHangLimit), 1);
    EXPECT_NE(game.output().find("ERROR::OBJLOADER::TOO_LARGE: assets/OBJFiles/platform.obj: "
                                 "larger than 64 MiB"),
              std::string::npos)
        << game.output();
}

// Each piece keeps its own copy of its model: a model within the loader's caps, shared by
// many pieces, is refused once the level's pieces pass their budget.
TEST(HostileFiles, ALevelWhosePiecesShareAHeavyModelIsRefusedPastItsBudget) {
    GameDirectory directory(kWindowedSettings);
    const fs::path folder = directory.dataHome() / "smeltrun/levels/heavy";
    fs::create_directories(folder);
    std::string level =
        "format = 1\nname = \"Heavy\"\npar_time = 20\n[start]\nat = [0.0, -0.5, 0.0]\n"
        "[goal]\nat = [0.0, -0.45, -12.0]\n";
    for (int i = 0; i < 10; ++i) {
        level += "[[platform]]\nat = [0.0, -0.5, " + std::to_string(-6 * i) +
                 ".0]\nmodel = \"heavy.obj\"\n";
    }
    write(folder / "level.toml", level);
    std::string model = "v 0 0 0\nv 1 0 0\nv 0 1 0\nf";
    for (int i = 0; i < 150000 + 2; ++i) {
        model += " " + std::to_string(1 + i % 3);  // a fan of 150,000 triangles
    }
    write(folder / "heavy.obj", model + "\n");
    GameProcess game(directory, {}, {"--level", "heavy"});
    game.closeInput();
    EXPECT_EQ(game.waitForExit(kHangLimit), 1);
    EXPECT_NE(game.output().find("ERROR::OBJLOADER::TOO_LARGE: " + (folder / "heavy.obj").string() +
                                 ": the level's pieces make more than 1000000 triangles"),
              std::string::npos)
        << game.output();
}

const int kLargestImageSide = 4096;  // pixels: the loader's cap
// What a level's start may add to the most memory held: the game's own start takes some 100 MB,
// and an image at the cap, decoded once with its copies in the GL, some 150 MB more; twenty
// decoded copies would take gigabytes.
const long kStartMegabytes = 700;

// A grey image at the loader's cap: some 50 KB of PNG, 64 MiB decoded.
void writeLargestImage(const fs::path& file) {
    const std::vector<unsigned char> grey(kLargestImageSide * kLargestImageSide, 128);
    ASSERT_TRUE(stbi_write_png(file.string().c_str(), kLargestImageSide, kLargestImageSide, 1,
                               grey.data(), kLargestImageSide));
}

// A level of the player's, "own", whose platforms name their own files.
std::string platformsNaming(const std::vector<std::string>& looks) {
    std::string level =
        "format = 1\nname = \"Own\"\npar_time = 20\n[start]\nat = [0.0, -0.5, 0.0]\n"
        "[goal]\nat = [0.0, -0.45, -12.0]\n";
    for (std::size_t i = 0; i < looks.size(); ++i) {
        level += "[[platform]]\nat = [0.0, -0.5, " + std::to_string(-6 * static_cast<int>(i)) +
                 ".0]\n" + looks[i] + "\n";
    }
    return level;
}

// A level whose own files pass the level's budget, and the line that refuses it.
struct OwnFilesPastTheBudget {
    std::string what;
    std::function<void(const fs::path& folder)> write;
    std::string line;
};

void PrintTo(const OwnFilesPastTheBudget& level, std::ostream* out) {
    *out << level.what;
}

std::string budgetCaseName(const ::testing::TestParamInfo<OwnFilesPastTheBudget>& info) {
    return identifierOf(info.param.what);
}

class OwnFilesPastBudget : public ::testing::TestWithParam<OwnFilesPastTheBudget> {};

// Refused at once, with the budget's line, whatever the pieces that name them: each file counts
// once, and none is read that cannot fit.
TEST_P(OwnFilesPastBudget, AreRefusedAtOnceWithTheBudgetsLine) {
    GameDirectory directory(kWindowedSettings);
    const fs::path folder = directory.dataHome() / "smeltrun/levels/own";
    fs::create_directories(folder);
    GetParam().write(folder);
    GameProcess game(directory, {}, {"--level", "own"});
    game.closeInput();
    EXPECT_EQ(game.waitForExit(kHangLimit), 1) << game.output();
    EXPECT_NE(game.output().find(GetParam().line), std::string::npos) << game.output();
}

// Three models of nothing but comments, 48 MiB each, named by 999 pieces in turn.
void writeCommentBomb(const fs::path& folder) {
    std::vector<std::string> looks;
    for (int i = 0; i < 999; ++i) {
        looks.push_back("model = \"c" + std::to_string(i % 3) + ".obj\"");
    }
    write(folder / "level.toml", platformsNaming(looks));
    const std::string line = "# " + std::string(1022, 'x') + "\n";
    std::string comments;
    comments.reserve(48u << 20);
    while (comments.size() < (48u << 20)) {
        comments += line;
    }
    for (int i = 0; i < 3; ++i) {
        write(folder / ("c" + std::to_string(i) + ".obj"), comments);
    }
}

// Three images at the loader's cap: small files, 192 MiB decoded.
void writeThreeLargestImages(const fs::path& folder) {
    std::vector<std::string> looks;
    for (int i = 0; i < 3; ++i) {
        const std::string image = "i" + std::to_string(i) + ".png";
        writeLargestImage(folder / image);
        looks.push_back("image = \"" + image + "\"");
    }
    write(folder / "level.toml", platformsNaming(looks));
}

INSTANTIATE_TEST_SUITE_P(
    Levels, OwnFilesPastBudget,
    ::testing::Values(
        OwnFilesPastTheBudget{
            "a bomb of comments on many pieces", writeCommentBomb,
            "level.toml:16:1: platform.model: its own files hold more than 128 MiB\n"},
        OwnFilesPastTheBudget{"three images at the cap", writeThreeLargestImages,
                              "i2.png: the level's own files make more than 128 MiB (its "
                              "models as read, its images as decoded)\n"}),
    budgetCaseName);

class HostileLevel : public GameFixture {};

// Twenty platforms name an image at the loader's cap, each by another spelling: it is decoded
// once, not twenty times, and the level starts within the memory of one.
TEST_F(HostileLevel, TwentySpellingsOfALargeImageAreOneImage) {
    std::vector<std::string> looks;
    for (int i = 0; i < 20; ++i) {
        std::string spelling;
        for (int k = 0; k < i; ++k) {
            spelling += k % 2 == 0 ? "./" : ".//";
        }
        looks.push_back("image = \"" + spelling + "t.png\"");
    }
    levelName = "own";
    long before = 0;
    startGame(kSmallWindowSettings, [&](const fs::path& directory) {
        const fs::path folder = directory / "data/smeltrun/levels/own";
        fs::create_directories(folder);
        writeLargestImage(folder / "t.png");
        write(folder / "level.toml", platformsNaming(looks));
        before = peakResidentMegabytes();
    });
    ASSERT_EQ(game->platforms.size(), 20u);
    for (const GameObject* platform : game->platforms) {
        EXPECT_EQ(platform->diffuseTexture, game->platforms[0]->diffuseTexture);
    }
    EXPECT_LT(peakResidentMegabytes() - before, kStartMegabytes) << "MB more at the peak";
}

TEST(HostileFiles, AFiftyMegabyteModelLoads) {
    expectCleanOutcome([](const fs::path& d) {
        const fs::path file = d / "assets/OBJFiles/healthOrbit.obj";
        std::string text = contentsOf(file);
        const std::string filler = "v 0.123456 -0.654321 0.333333\n";
        text.reserve(50u << 20);
        while (text.size() < (50u << 20)) {
            text += filler;
        }
        write(file, text);
    });
}

}  // namespace
