#pragma once

#include "app/OptionsPanel.h"

class Game;
struct Records;

// The panel over the dimmed scene while the game is paused: Resume, Options, Controls, Levels
// and Quit, with a page each for the options, the controls and the levels, and the player's
// records below; and after a chosen level's win, its results.
class PausePanel {
public:
    // Draws into the current UI frame and carries out what the player chose.
    void draw(Game& game);
    // A chosen level's win: its results, with what can come next.
    void showResults() { page = Page::Results; }
    void showLevels() { page = Page::Levels; }

private:
    enum class Page { Main, Options, Controls, Levels, Results };

    void drawMain(Game& game);
    void drawLevels(Game& game);
    void drawResults(Game& game);
    void drawControls(const Game& game);
    void drawRecords(const Records& records);
    bool backButton();

    Page page = Page::Main;
    OptionsPanel options;
};
