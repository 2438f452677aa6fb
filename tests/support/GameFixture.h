#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/Game.h"
#include "app/frame/Clock.h"
#include "tests/support/GameDirectory.h"
#include "tests/support/StdoutCapture.h"
#include "tools/xdrive/XInput.h"

// A small window, so that tests draw quickly.
extern const char* const kWindowedSettings;
// The same without the HUD: a frame draws the scene and nothing else.
extern const char* const kWithoutHudSettings;
// For tests that read no pixels, and run many frames: a quarter of the window, without
// multisampling. llvmpipe's frame costs about its samples, so this one takes a sixteenth of
// the windowed settings' samples and about a quarter of their time.
extern const char* const kSmallWindowSettings;
// For whole games played through where nothing on the screen is read and no panel is steered
// (the pilot's wins, a replay played back): the smallest window of the same shape.
extern const char* const kTinyWindowSettings;

constexpr double kFrameSeconds = 1.0 / 60.0;

// Starts the real game, as main does, in a temporary directory holding a copy of the assets,
// and drives it frame by frame on a clock the test controls, with real X input.
class GameFixture : public ::testing::Test {
protected:
    void TearDown() override;

    // `prepare` may change the game's directory (its assets) before the game starts.
    using Preparation = std::function<void(const std::filesystem::path& directory)>;
    void startGame(const std::string& settingsIni = kWindowedSettings,
                   const Preparation& prepare = nullptr);
    void stopGame();
    // Starts the game again in the same directory, with the player's files as they are now.
    void restartGame();

    // Advances the game's clock by the step, then runs one update (and render).
    void update(double seconds = kFrameSeconds);
    void frame(double seconds = kFrameSeconds);
    // Holds a key for a frame, then lets it go for one: the UI reads the keys held as each
    // of its frames begins, so a tap within one poll would not reach it.
    void stroke(int key);
    // Pauses and opens the Options page with the keyboard alone, on the Keys tab's first key:
    // the pause panel starts on Resume.
    void openOptions();
    // Runs one frame and counts the triangles sent down the pipeline while it draws.
    GLuint trianglesInAFrame(double seconds = kFrameSeconds);

    // Where the game runs: its assets and the player's homes.
    const GameDirectory& gameDirectory() const { return *directory; }

    // The level the next start plays, as --level names it; the course built in code when empty.
    std::string levelName;
    // Or a level built in code, which goes before the name.
    std::optional<PlayedLevel> builtLevel;
    // The checkpoint (from 1) its runs start at, as --checkpoint asks; 0 for its start.
    int levelCheckpoint = 0;

    StdoutCapture console;
    XInput input;
    std::unique_ptr<Game> game;
    SteppedClock clock;  // the game's, which moves only with update()

private:
    std::unique_ptr<Game> makeGame() const;

    std::unique_ptr<GameDirectory> directory;
    std::unique_ptr<WorkingDirectory> workingDirectory;
    std::unique_ptr<EnvironmentOverride> playerHomes;
};
