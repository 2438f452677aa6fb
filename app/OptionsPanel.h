#pragma once

#include <string>

#include "app/PadButtonsPanel.h"

class Game;
struct Choice;

// The options a player can change while paused. Each change applies at once where the game
// can, and is saved to the player's own settings file as soon as it is done.
class OptionsPanel {
public:
    void draw(Game& game);
    // How the last change went: saved, or why not, or what was refused or swapped.
    const std::string& status() const { return statusLine; }

private:
    void drawDisplay(Game& game);
    void drawFrameCap(Game& game);
    void drawMouse(Game& game);
    void drawKeys(Game& game);
    void drawGamepad(Game& game);
    void drawLook(Game& game);
    void drawSound(Game& game);
    void drawPlay(Game& game);
    void drawTable(Game& game, const char* tab);
    void finishRebinding(Game& game);
    void bind(Game& game, const char* action, int key);
    void slider(Game& game, const char* label, float& value, float low, float high,
                const char* format);
    void choose(Game& game, const char* label, const Choice& choice);
    // Applies the game's options; saves them when the change is complete.
    void changed(Game& game, bool complete);

    const char* rebinding = nullptr;  // the action waiting for its new key
    PadButtonsPanel padButtons;
    std::string statusLine;
};
