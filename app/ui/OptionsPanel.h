#pragma once

#include <string>

#include "app/ui/PadButtonsPanel.h"

struct PanelScope;
struct Choice;

// The options a player can change while paused. Each change applies at once where the game
// can, and is saved to the player's own settings file as soon as it is done.
class OptionsPanel {
public:
    void draw(PanelScope& scope);
    // How the last change went: saved, or why not, or what was refused or swapped.
    const std::string& status() const { return statusLine; }

private:
    void drawDisplay(PanelScope& scope);
    void drawFrameCap(PanelScope& scope);
    void drawMouse(PanelScope& scope);
    void drawKeys(PanelScope& scope);
    void drawGamepad(PanelScope& scope);
    void drawLook(PanelScope& scope);
    void drawSound(PanelScope& scope);
    void drawPlay(PanelScope& scope);
    void drawTable(PanelScope& scope, const char* tab);
    void finishRebinding(PanelScope& scope);
    void bind(PanelScope& scope, const char* action, int key);
    void slider(PanelScope& scope, const char* label, float& value, float low, float high,
                const char* format);
    void choose(PanelScope& scope, const char* label, const Choice& choice);
    // Applies the game's options; saves them when the change is complete.
    void changed(PanelScope& scope, bool complete);

    const char* rebinding = nullptr;  // the action waiting for its new key
    PadButtonsPanel padButtons;
    std::string statusLine;
};
