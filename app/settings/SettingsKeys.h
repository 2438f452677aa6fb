#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/settings/Settings.h"

// A keyboard key's binding, or a gamepad button's: the action it moves to another.
struct KeyBinding {
    const char* action;
    KeyBindings Settings::*bindings = &Settings::keyBindings;
};

// One word that a choice takes, as the file keeps it (lower case) and as the Options page shows
// it (in English, marked for the catalogue and translated where shown).
struct ChoiceWord {
    const char* word;
    const char* label;
};

// A key that takes one word of a short list; any other value is out of range.
struct Choice {
    std::string Settings::*field;
    std::vector<ChoiceWord> words;
};

// Where a key's value goes in Settings; the type of the member says how its text is read.
using SettingField = std::variant<int Settings::*, float Settings::*, bool Settings::*,
                                  std::string Settings::*, KeyBinding, Choice>;

// What saving the player's file does with a key.
enum class Saving {
    Kept,     // the game never changes it: a line of the player's own stays as it is
    Written,  // an option of the game's: written when it differs from the assets' file
    Dropped,  // an old spelling of a Written key, which the written one replaces
};

// The numbers a settings file may give a key; a value outside them is reported and set back
// to its default.
struct Limits {
    float low;
    float high;
};

// How the Options page shows a setting that it shows plainly: a checkbox for a flag, a slider
// over [low, high] for a number, a list for a choice.
struct Control {
    const char* tab;    // its English name, which the page translates where it shows the tab
    const char* label;  // in English, marked for the catalogue and translated where shown
    float low = 0.0f;
    float high = 0.0f;
    const char* format = nullptr;  // the slider's, translated as the label
};

struct SettingKey {
    const char* section;
    const char* name;
    SettingField field;
    Saving saving;
    std::optional<Limits> limits = std::nullopt;
    std::optional<Control> control = std::nullopt;
};

// Every key the game reads, in the order it reads them and checks them, and the Options page
// shows them: a new setting is one more entry, which reading, the range checks, saving and the
// Options page all follow.
extern const std::vector<SettingKey> kSettingKeys;

// Whether the game reads this key; names ignore case, as the reader's do.
bool isKnownSettingKey(const std::string& section, const std::string& name);
