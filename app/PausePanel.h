#pragma once

#include "app/OptionsPanel.h"

class Game;
struct Records;

// The panel over the dimmed scene while the game is paused: Resume, Options, Controls and
// Quit, with a page each for the options and the controls, and the player's records below.
class PausePanel {
public:
    // Draws into the current UI frame and carries out what the player chose.
    void draw(Game& game);

private:
    enum class Page { Main, Options, Controls };

    void drawMain(Game& game);
    void drawControls(const Game& game);
    void drawRecords(const Records& records);
    bool backButton();

    Page page = Page::Main;
    OptionsPanel options;
};
