#pragma once

#include <string>

struct PanelScope;

// The gamepad's rebindable buttons on the Options page, beside the keys: one button per
// action, which waits for the next button pressed on the pad in use; a key keeps the old one.
// While it waits, the pad's buttons reach neither the panel nor the game.
class PadButtonsPanel {
public:
    // Draws the rows; true when a binding changed, for the options to apply and save.
    // `status` gets a word on what was refused or swapped.
    bool draw(PanelScope& scope, std::string& status);

private:
    bool listen(PanelScope& scope, std::string& status);
    bool bind(PanelScope& scope, const char* action, int button, std::string& status);

    // Waiting: the pad's buttons let go, then one pressed, then that one let go again so
    // that the panel does not take it as a choice.
    enum class Wait { Nothing, LetGo, Press, LetGoOfChoice };
    Wait wait = Wait::Nothing;
    const char* rebinding = nullptr;  // the action waiting for its new button
};
