#include <gtest/gtest.h>

#include <GLFW/glfw3.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <numeric>
#include <vector>

#include "gameplay/LevelLayout.h"
#include "tests/support/FileText.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/GameFixture.h"
#include "tests/support/GameProcess.h"
#include "tests/support/SmallLevel.h"
#include "tests/support/SoundCard.h"

namespace {

using namespace level;

const std::string kQuietMusic = std::string(kSmallWindowSettings) + "[audio]\nmusic_volume = 0\n";
const float kSilence = 1e-4f;  // the mix's level where nothing plays
const float kHeard = 3e-3f;    // a sound that plays, at any distance the tests use

// The real game with its sound mixed in step with its clock: a time in the game's frames is
// the same time in the mix.
class Sound : public GameFixture {
protected:
    double now() const { return clock.seconds(); }

    // The mix plays the frame's time while the frame is made: what the frame starts sounds from
    // its end, which is now() once it returns.
    void soundFrame() {
        card.mix(kFrameSeconds);
        frame();
    }

    void playFor(double seconds) {
        const double end = now() + seconds;
        while (now() < end) {
            soundFrame();
        }
    }

    // Puts the player on a spot of the course and returns the time of the frame there.
    double stepOnto(glm::vec3 point) {
        game->player->setPosition(point);
        soundFrame();
        return now();
    }

    SoundCard::Mix finish() {
        card.mixWhile([this] { stopGame(); });
        return card.mixed();
    }

    SoundCard::Loopback card;
};

// OpenAL Soft fades a sound in and out over a few milliseconds.
const double kFade = 0.01;  // seconds

// A sound belongs to a frame when the mix is quiet before the frame ends and loud in the next.
void expectSoundAt(const SoundCard::Mix& mix, double at, const char* what) {
    EXPECT_LT(mix.rms(at - 0.4, at - kFade), kSilence) << what << ": quiet before, at " << at;
    EXPECT_GT(mix.rms(at, at + kFrameSeconds), kHeard) << what << ": heard at once, at " << at;
}

TEST_F(Sound, AJumpAPickupAndATrapEachSoundAtTheirFrame) {
    startGame(kQuietMusic);
    playFor(0.6);
    input.press(GLFW_KEY_SPACE);
    soundFrame();
    const double jump = now();
    input.release(GLFW_KEY_SPACE);
    while (game->player->isJumping) {
        playFor(kFrameSeconds);
    }
    playFor(0.8);  // the landing's thump
    const double pickup =
        stepOnto(glm::vec3(kHealthPosition.x, kPlatformHeight, kHealthPosition.z));
    playFor(1.3);
    const double trap = stepOnto(glm::vec3(kTrap11Position.x, kPlatformHeight, kTrap11Position.z));
    playFor(0.6);
    ASSERT_EQ(game->player->health, 1) << "the pack, then the trap, and no loss";

    const SoundCard::Mix mix = finish();
    expectSoundAt(mix, jump, "jump");
    expectSoundAt(mix, pickup, "pickup");
    expectSoundAt(mix, trap, "trap");
}

TEST_F(Sound, WalkingSoundsStepsAndStandingNone) {
    startGame(kQuietMusic);
    game->player->setPosition(glm::vec3(0.0f, kPlatformHeight, 3.0f));  // the back edge
    playFor(1.0);
    const double walk = now();
    input.press(GLFW_KEY_W);
    for (int i = 0; i < 60; ++i) {
        soundFrame();  // a second: 5 units, still on the first platform
    }
    input.release(GLFW_KEY_W);
    const double stop = now();
    playFor(0.8);

    const SoundCard::Mix mix = finish();
    EXPECT_LT(mix.rms(0.3, walk - kFade), kSilence) << "standing";
    EXPECT_LT(mix.rms(stop + 0.3, stop + 0.8), kSilence) << "standing again";
    // A stride of 1.7 units over 5 units: one step on setting off, two more after.
    const std::vector<double> steps = mix.onsets(walk - kFade, stop + 0.2, kHeard, 0.08);
    EXPECT_EQ(steps.size(), 3u);
}

TEST_F(Sound, AMasterVolumeOfZeroIsSilence) {
    startGame(std::string(kSmallWindowSettings) + "[audio]\nmaster_volume = 0\n");
    input.press(GLFW_KEY_W);
    input.press(GLFW_KEY_SPACE);
    playFor(1.0);
    input.releaseAll();
    stepOnto(glm::vec3(kHealthPosition.x, kPlatformHeight, kHealthPosition.z));
    playFor(0.5);

    const SoundCard::Mix mix = finish();
    ASSERT_GT(mix.seconds(), 1.0);
    EXPECT_LT(mix.peak(), kSilence);
}

TEST_F(Sound, TheWinsFanfarePlaysToItsEndAfterTheWindowCloses) {
    startGame(kQuietMusic);
    playFor(0.6);
    const double won = stepOnto(glm::vec3(kGoalPosition.x, kPlatformHeight, kGoalPosition.z));
    ASSERT_TRUE(glfwWindowShouldClose(game->window));

    const SoundCard::Mix mix = finish();
    ASSERT_GT(mix.seconds(), won + 1.4) << "the device is kept while the fanfare plays";
    EXPECT_GT(mix.rms(won + 1.0, won + 1.4), kHeard) << "the fanfare's last notes";
}

// The health pack's hum stops while paused and comes back with play; the options' master
// volume applies at once.
TEST_F(Sound, PauseStopsTheEffectsAndTheMasterVolumeAppliesAtOnce) {
    startGame(kQuietMusic);
    game->player->setPosition(kHealthPosition + glm::vec3(2.5f, kPlatformHeight, 0.0f));
    playFor(0.8);
    const double paused = now();
    input.tap(GLFW_KEY_P);
    playFor(0.8);
    const double resumed = now();
    input.tap(GLFW_KEY_P);
    playFor(0.8);
    ASSERT_FALSE(game->models[healthModel]->hidden) << "near the pack, not on it";
    const double muted = now();
    game->options.masterVolume = 0.0f;
    game->applyOptions();
    playFor(0.8);

    const SoundCard::Mix mix = finish();
    EXPECT_GT(mix.rms(0.3, paused - kFade), kHeard) << "the hum, near the pack";
    EXPECT_LT(mix.rms(paused + 0.2, resumed - kFade), kSilence) << "paused";
    EXPECT_GT(mix.rms(resumed + 0.2, muted - kFade), kHeard) << "playing again";
    EXPECT_LT(mix.rms(muted + 0.2, muted + 0.8), kSilence) << "master volume 0";
}

TEST_F(Sound, AnUnreadableSoundIsNamedInOneLineAndTheGameGoesOn) {
    startGame(kQuietMusic, [](const std::filesystem::path& directory) {
        std::ofstream(directory / "assets/sounds/jump.wav", std::ios::trunc) << "RIFF, but no";
        std::filesystem::remove(directory / "assets/sounds/land.wav");
    });
    std::vector<std::string> errors;
    for (const std::string& line : console.lines()) {
        if (line.find("ERROR") != std::string::npos) {
            errors.push_back(line);
        }
    }
    EXPECT_EQ(errors,
              (std::vector<std::string>{"ERROR::SOUND::FILE_NOT_LOADED: assets/sounds/jump.wav",
                                        "ERROR::SOUND::FILE_NOT_LOADED: assets/sounds/land.wav"}));

    input.press(GLFW_KEY_SPACE);
    frame();
    input.release(GLFW_KEY_SPACE);
    for (int i = 0; i < 60; ++i) {
        frame();
    }
    EXPECT_FALSE(game->player->isJumping) << "jumped and landed without their sounds";
    EXPECT_EQ(game->player->position.y, kPlatformHeight);
}

// A mono 16-bit loop as the game's assets hold it, as samples from -1 to 1 at its rate.
struct Loop {
    int rate = 0;
    std::vector<float> samples;
};

Loop readLoop(const std::filesystem::path& file) {
    const std::string bytes = contentsOf(file);
    const size_t data = bytes.find("data");
    Loop loop;
    std::memcpy(&loop.rate, bytes.data() + 24, sizeof loop.rate);  // the format chunk's rate
    for (size_t at = data + 8; at + 1 < bytes.size(); at += 2) {
        std::int16_t sample = 0;
        std::memcpy(&sample, bytes.data() + at, sizeof sample);
        loop.samples.push_back(sample / 32768.0f);
    }
    return loop;
}

const double kWindow = 0.05;  // seconds: the loudness of each beat apart
const double kHeardFrom = 0.1;
const double kHeardTo = 2.1;

std::vector<double> loudness(const std::function<double(double, double)>& rms) {
    std::vector<double> levels;
    for (double at = kHeardFrom; at < kHeardTo; at += kWindow) {
        levels.push_back(rms(at, at + kWindow));
    }
    return levels;
}

std::vector<double> loudnessOf(const Loop& loop) {
    return loudness([&loop](double from, double to) {
        double sum = 0.0;
        const auto first = static_cast<size_t>(from * loop.rate);
        const auto last = static_cast<size_t>(to * loop.rate);
        for (size_t i = first; i < last; ++i) {
            sum += static_cast<double>(loop.samples[i]) * loop.samples[i];
        }
        return std::sqrt(sum / static_cast<double>(last - first));
    });
}

// How alike two runs of loudness rise and fall: 1 for the same shape.
double correlation(const std::vector<double>& a, const std::vector<double>& b) {
    const double n = static_cast<double>(a.size());
    const double meanA = std::accumulate(a.begin(), a.end(), 0.0) / n;
    const double meanB = std::accumulate(b.begin(), b.end(), 0.0) / n;
    double ab = 0.0;
    double aa = 0.0;
    double bb = 0.0;
    for (size_t i = 0; i < a.size(); ++i) {
        ab += (a[i] - meanA) * (b[i] - meanB);
        aa += (a[i] - meanA) * (a[i] - meanA);
        bb += (b[i] - meanB) * (b[i] - meanB);
    }
    return ab / std::sqrt(aa * bb);
}

// A level's music plays in it from its start, in place of the game's: what is heard rises and
// falls with the level's loop, and not with the game's.
TEST_F(Sound, ALevelPlaysItsOwnMusic) {
    levelName = "forge";
    startGame(std::string(kSmallWindowSettings) + "[audio]\neffects_volume = 0\n",
              [](const std::filesystem::path& directory) {
                  writeFile(directory / "data/smeltrun/levels/forge.toml",
                            std::string(kSmallLevel) + "[look]\nmusic = \"foundry\"\n");
              });
    playFor(kHeardTo + kWindow);
    const SoundCard::Mix mix = finish();
    const std::vector<double> heard =
        loudness([&mix](double from, double to) { return mix.rms(from, to); });
    const std::filesystem::path sounds = std::filesystem::path(SMELTRUN_ASSETS_DIR) / "sounds";
    const double own = correlation(heard, loudnessOf(readLoop(sounds / "music-foundry.wav")));
    const double game = correlation(heard, loudnessOf(readLoop(sounds / "music.wav")));
    EXPECT_GT(own, 0.9);
    EXPECT_LT(game, 0.5);
}

struct Played {
    std::string output;
    std::string errors;
};

// Starts the built game with the given sound configuration, and ends it with Escape.
Played playAndQuit(const std::map<std::string, std::string>& environment) {
    GameDirectory directory(kQuietMusic);
    GameCommand command = commandIn(directory, environment);
    command.captureErrors = true;
    GameProcess game(command);
    game.closeInput();
    EXPECT_TRUE(game.waitForLine("Game start!", kHangLimit)) << game.output();
    XInput input;
    input.tap(GLFW_KEY_ESCAPE);
    EXPECT_EQ(game.waitForExit(kHangLimit), 0);
    return {game.output(), game.errors()};
}

// The console keeps to the game's lines; the missing device is told on standard error.
TEST(SoundDevice, WithoutOneTheGameSaysSoInOneLineOnStandardErrorAndPlays) {
    const Played played = playAndQuit({{"ALSOFT_CONF", SoundCard::absentConfig().string()}});
    EXPECT_EQ(played.output.rfind("Smeltrun\n", 0), 0u) << played.output;
    EXPECT_NE(played.output.find("Game has been quit."), std::string::npos);
    EXPECT_EQ(played.errors, "SOUND: no audio device, playing silently\n");
}

TEST(SoundDevice, EverySourceAndBufferIsDeletedBeforeItCloses) {
    const std::filesystem::path log = SoundCard::mixFile().parent_path() / "openal.log";
    playAndQuit({{"ALSOFT_CONF", SoundCard::fileConfig(SoundCard::mixFile()).string()},
                 {"ALSOFT_LOGLEVEL", "3"},
                 {"ALSOFT_LOGFILE", log.string()}});
    std::ifstream file(log);
    const std::string text((std::istreambuf_iterator<char>(file)), {});
    ASSERT_NE(text.find("Created device"), std::string::npos) << "the device opened:\n" << text;
    // OpenAL Soft deletes, and names, what a program left behind when it closes the device.
    EXPECT_EQ(text.find(" Deleted "), std::string::npos) << text;
}

}  // namespace
