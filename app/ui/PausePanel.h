#pragma once

#include "app/ui/OptionsPanel.h"

#include <string>
#include <vector>

struct PanelScope;
struct Settings;
struct LevelEntry;
struct Records;

// A level's row on the Levels page: its name, for a locked level the win that opens it, and for a
// player's level whether its maker has cleared it.
std::string levelRowLabel(const std::vector<LevelEntry>& levels, std::size_t place, bool open);

// The panel over the dimmed scene while the game is paused: Resume, Options, Controls, Levels,
// Make and Quit, with a page each for the options, the controls and the levels, and the player's
// records below; and after a chosen level's win, its results.
class PausePanel {
public:
    // Draws into the current UI frame and carries out what the player chose.
    void draw(PanelScope& scope);
    // A chosen level's win: its results, with what can come next.
    void showResults() { page = Page::Results; }
    void showLevels() { page = Page::Levels; }

private:
    enum class Page { Main, Options, Controls, Levels, Results };

    // Escape, or the pad's B: one step back, unless it gave up a drop-down or a key's wait.
    bool backAsked() const;
    void goBack(PanelScope& scope);
    // Back to play; after a chosen level's win there is none to go back to, only its results.
    void resume(PanelScope& scope);

    void drawMain(PanelScope& scope);
    void drawLevels(PanelScope& scope);
    // Plays the level, or stays on the Levels page saying why it cannot be played.
    void chooseLevel(PanelScope& scope, const LevelEntry& entry);
    void drawResults(PanelScope& scope);
    void drawControls(const Settings& options);
    void drawRecords(const Records& records);
    bool backButton();
    bool footer(const std::string& status);

    Page page = Page::Main;
    OptionsPanel options;
    // At the end of the last frame: a drop-down was open or a key awaited, which the next
    // Escape gives up instead.
    bool escapeTaken = false;
    // Why the level last chosen could not be played, until the player leaves the Levels page.
    std::string levelRefusal;
};
