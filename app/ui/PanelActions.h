#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/files/LevelCatalog.h"
#include "app/files/LevelOwnFiles.h"
#include "app/input/KeyWait.h"
#include "app/session/RunResults.h"
#include "app/settings/Settings.h"
#include "gameplay/Records.h"

struct GLFWgamepadstate;

// What the pause panel and its pages may see of the game and ask of it. The panels hold no
// game: they show the settings they are handed and what this gives, and ask through it.
class PanelActions {
public:
    virtual ~PanelActions() = default;

    // The player's records of the level played.
    virtual const Records& playedRecords() const = 0;
    // After a chosen level's win, its results until the player picks what comes next.
    virtual const RunResults* shownResults() const = 0;
    // The level played, as its title shows it, and its par in seconds.
    virtual std::string playedName() const = 0;
    virtual int playedPar() const = 0;

    // The Levels page's list, whether the level at a place in it may be chosen, whether an entry
    // is the level played, and the player's best time there.
    virtual const std::vector<LevelEntry>& listedLevels() = 0;
    virtual bool listedOpen(std::size_t place) = 0;
    virtual bool isPlayed(const LevelEntry& entry) const = 0;
    virtual std::optional<float> bestTimeIn(const LevelEntry& entry) = 0;
    // The level after the one played, if it is open.
    virtual const LevelEntry* levelAfter() = 0;
    // Plays the chosen level; what refused its own files, if it could not be played.
    virtual std::optional<OwnFilesRefused> playChosen(const LevelEntry& entry) = 0;
    virtual void playAgain() = 0;

    virtual bool hasBestRun() const = 0;
    // The best run's replay, coming back to the paused game at its end.
    virtual void watchBestRun() = 0;
    virtual void resumePlay() = 0;
    // The level editor on the level played, or back to it from a play-test.
    virtual void makeLevel() = 0;
    virtual void quitAtNextFrame() = 0;

    // Takes the changed settings into the running game; the window's size and full screen apart.
    virtual void takeOptions() = 0;
    virtual void takeWindow() = 0;
    // Whether a sound device plays.
    virtual bool soundPlays() const = 0;
    // The state of the gamepad the player uses, or nullptr when there is none.
    virtual const GLFWgamepadstate* padInUse() const = 0;
};

// What a panel is handed for a frame: the settings it shows and changes, the waits for a key
// or a button that its rebinding starts, and what it may ask of the game.
struct PanelScope {
    Settings& options;
    KeyWait& wait;
    PanelActions& actions;
};
