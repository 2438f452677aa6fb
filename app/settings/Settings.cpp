#include "app/settings/Settings.h"

#include <GLFW/glfw3.h>
#include <INIReader.h>
#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <utility>
#include <variant>

#include "app/settings/SettingsCheck.h"
#include "app/settings/SettingsKeys.h"
#include "base/Console.h"
#include "base/FileRead.h"
#include "base/PlayerFolders.h"

const char* const kSettingsPath = "assets/settings.ini";

namespace fs = std::filesystem;

namespace {

const char* const kPlayerFileName = "settings.ini";
const std::uintmax_t kMaxSettingsBytes = 1 << 20;  // a hundred times the assets' own file
const char* const kTooLarge = "larger than 1 MiB";
const int kMaxFloatDigits = 9;  // significant digits that tell every float apart

// INIReader joins a key given twice, and an indented line after a key, to its value, one per
// line; the first is the value the file means (the rest are warned of).
std::string firstValue(const INIReader& reader, const char* section, const char* name) {
    const std::string text = reader.Get(section, name, "");
    return text.substr(0, text.find('\n'));
}

std::string getText(const INIReader& reader, const char* section, const char* name,
                    const std::string& fallback) {
    return reader.HasValue(section, name) ? firstValue(reader, section, name) : fallback;
}

bool getBool(const INIReader& reader, const char* section, const char* name, bool fallback) {
    std::string word = firstValue(reader, section, name);
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (word == "true" || word == "yes" || word == "on" || word == "1") {
        return true;
    }
    if (word == "false" || word == "no" || word == "off" || word == "0") {
        return false;
    }
    return fallback;
}

// Converted directly, not through a double as INIReader's GetReal is, so that a value reads
// exactly as the float it names.
float getFloat(const INIReader& reader, const char* section, const char* name, float fallback) {
    const std::string text = firstValue(reader, section, name);
    const char* begin = text.c_str();
    char* end = nullptr;
    const float value = std::strtof(begin, &end);
    return end > begin ? value : fallback;
}

// Decimal, hexadecimal or octal, as strtol reads them. A number past what an int holds reads
// as the nearest end, which no range below accepts.
int getInt(const INIReader& reader, const char* section, const char* name, int fallback) {
    const std::string text = firstValue(reader, section, name);
    const char* begin = text.c_str();
    char* end = nullptr;
    const long value = std::strtol(begin, &end, 0);
    if (end == begin) {
        return fallback;
    }
    return static_cast<int>(
        std::clamp<long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Values the game cannot work with (a window of no size, a projection without depth, a
// number that is not finite) are reported and replaced by their defaults. Tells whether the
// value was kept.
template <typename T>
bool keepInRange(T& value, T low, T high, T fallback, const char* key) {
    if (!(value >= low && value <= high)) {
        printProblem("ERROR::SETTINGS::VALUE_OUT_OF_RANGE: ", key);
        value = fallback;
        return false;
    }
    return true;
}

const int kAnyRefreshRate = -1;    // GLFW_DONT_CARE: the monitor's highest rate
const int kMaxRefreshRate = 1000;  // hertz
const float kMinNearZ = 1e-4f;     // units
const float kMaxFarZ = 1e6f;

// A far plane not beyond twice the near one leaves no usable depth. The key reported is the
// one the player wrote: farZ if they wrote it, otherwise nearZ, which the default farZ cannot
// follow. Both planes go back to their defaults, since either alone may be what is wrong.
void checkPlanes(Settings& s, bool farZWritten) {
    const Settings defaults;
    keepInRange(s.nearZ, kMinNearZ, kMaxFarZ, defaults.nearZ, "camera.nearZ");
    const char* const wrongKey = farZWritten ? "camera.farZ" : "camera.nearZ";
    if (!keepInRange(s.farZ, s.nearZ * 2.0f, kMaxFarZ, defaults.farZ, wrongKey)) {
        s.nearZ = defaults.nearZ;
    }
}

// A key's value against its limits in the table.
void checkLimits(const SettingKey& key, Settings& s, const Settings& defaults) {
    const std::string name = std::string(key.section) + "." + key.name;
    if (const auto* number = std::get_if<int Settings::*>(&key.field)) {
        keepInRange(s.**number, static_cast<int>(key.limits->low),
                    static_cast<int>(key.limits->high), defaults.**number, name.c_str());
    } else if (const auto* real = std::get_if<float Settings::*>(&key.field)) {
        keepInRange(s.**real, key.limits->low, key.limits->high, defaults.**real, name.c_str());
    }
}

// A code no key or button has would leave its action without one, and print as a number. A key
// of the game's own (Escape, the function keys) is taken as the file says: it does both, and the
// Options page marks it.
void checkKeyCode(const SettingKey& key, Settings& s, const Settings& defaults) {
    if (const auto* binding = std::get_if<KeyBinding>(&key.field)) {
        const std::string name = std::string(key.section) + "." + key.name;
        const bool pad = binding->bindings == &Settings::padBindings;
        keepInRange((s.*binding->bindings)[binding->action], pad ? 0 : GLFW_KEY_SPACE,
                    pad ? GLFW_GAMEPAD_BUTTON_LAST : GLFW_KEY_LAST,
                    (defaults.*binding->bindings).at(binding->action), name.c_str());
    }
}

void checkChoice(const SettingKey& key, const Choice& choice, Settings& s,
                 const Settings& defaults) {
    std::string& value = s.*choice.field;
    for (const ChoiceWord& option : choice.words) {
        if (strcasecmp(value.c_str(), option.word) == 0) {
            value = option.word;
            return;
        }
    }
    printProblem("ERROR::SETTINGS::VALUE_OUT_OF_RANGE: ", key.section, ".", key.name);
    value = defaults.*choice.field;
}

void checkRanges(Settings& s, bool farZWritten) {
    const Settings defaults;
    for (const SettingKey& key : kSettingKeys) {
        if (key.limits) {
            checkLimits(key, s, defaults);
        }
        checkKeyCode(key, s, defaults);
        if (const auto* choice = std::get_if<Choice>(&key.field)) {
            checkChoice(key, *choice, s, defaults);
        }
    }
    if (s.refreshRate != kAnyRefreshRate) {
        keepInRange(s.refreshRate, 1, kMaxRefreshRate, defaults.refreshRate,
                    "graphics.refresh_rate");
    }
    checkPlanes(s, farZWritten);
}

template <typename... Readers>
struct Overloaded : Readers... {
    using Readers::operator()...;
};
template <typename... Readers>
Overloaded(Readers...) -> Overloaded<Readers...>;

void readKey(const INIReader& reader, const SettingKey& key, Settings& s) {
    const char* const section = key.section;
    const char* const name = key.name;
    std::visit(
        Overloaded{
            [&](int Settings::*field) { s.*field = getInt(reader, section, name, s.*field); },
            [&](float Settings::*field) { s.*field = getFloat(reader, section, name, s.*field); },
            [&](bool Settings::*field) { s.*field = getBool(reader, section, name, s.*field); },
            [&](std::string Settings::*field) {
                s.*field = getText(reader, section, name, s.*field);
            },
            [&](KeyBinding binding) {
                int& code = (s.*binding.bindings)[binding.action];
                code = getInt(reader, section, name, code);
            },
            [&](const Choice& choice) {
                s.*choice.field = getText(reader, section, name, s.*choice.field);
            },
        },
        key.field);
}

// Every key the reader holds replaces the value in `s`; the others stay as they are, so a
// second file read over a first changes only what it sets.
void readValues(const INIReader& reader, Settings& s) {
    for (const SettingKey& key : kSettingKeys) {
        readKey(reader, key, s);
    }
}

bool writesFarZ(const INIReader& reader) {
    return reader.HasValue("camera", "farZ");
}

// INIReader opens files by name: it is given the file that was checked, by a name that cannot
// lead anywhere else. A file refused reads as one that is missing.
INIReader readerOf(const CheckedFile& file) {
    return INIReader(file.refusal() == FileRefusal::None ? file.openingName() : std::string());
}

// The player's file when it is there and whole. A missing one is the normal case of a new
// player; a damaged one is ignored whole, since half of it may be what the player did not mean.
std::optional<INIReader> readPlayerFile(const fs::path& path) {
    if (path.empty()) {
        return std::nullopt;
    }
    CheckedFile file(path, kMaxSettingsBytes, kTooLarge);
    if (file.refusal() == FileRefusal::Missing) {
        return std::nullopt;
    }
    const std::optional<std::string> text = file.text();
    if (!text) {
        printProblem("ERROR::SETTINGS::PLAYER_FILE_IGNORED: ", path.string(), ": ", file.reason());
        return std::nullopt;
    }
    INIReader reader = readerOf(file);
    if (reader.ParseError() != 0) {
        printProblem("ERROR::SETTINGS::PLAYER_FILE_IGNORED: ", path.string());
        return std::nullopt;
    }
    warnAboutSettingsText(path.string(), *text);
    return reader;
}

// The assets' file, its faults warned of; one that cannot be read leaves every default.
INIReader readAssetsFile(const std::string& path) {
    CheckedFile file(path, kMaxSettingsBytes, kTooLarge);
    if (const std::optional<std::string> text = file.text()) {
        warnAboutSettingsText(path, *text);
    }
    return readerOf(file);
}

// The shortest text that reads back as exactly the same float.
std::string floatText(float value) {
    char text[32];
    for (int digits = 1;; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
        if (digits >= kMaxFloatDigits || std::strtof(text, nullptr) == value) {
            return text;
        }
    }
}

// A key's value as the player's file writes it.
std::string valueText(const Settings& s, const SettingKey& key) {
    return std::visit(
        Overloaded{
            [&](int Settings::*field) { return std::to_string(s.*field); },
            [&](float Settings::*field) { return floatText(s.*field); },
            [&](bool Settings::*field) { return std::string(s.*field ? "true" : "false"); },
            [&](std::string Settings::*field) { return s.*field; },
            [&](KeyBinding binding) {
                const KeyBindings& bindings = s.*binding.bindings;
                const auto bound = bindings.find(binding.action);
                return std::to_string(bound != bindings.end()
                                          ? bound->second
                                          : (Settings().*binding.bindings).at(binding.action));
            },
            [&](const Choice& choice) { return s.*choice.field; },
        },
        key.field);
}

// The value a key keeps in the player's file, if any: an option that differs from what the
// assets' file gives, or a line of the player's own that the game does not change.
std::optional<std::string> savedValue(const SettingKey& key, const Settings& chosen,
                                      const Settings& assets, const INIReader* player) {
    switch (key.saving) {
        case Saving::Written: {
            std::string text = valueText(chosen, key);
            return text != valueText(assets, key) ? std::optional(text) : std::nullopt;
        }
        case Saving::Kept:
            return player && player->HasValue(key.section, key.name)
                       ? std::optional(firstValue(*player, key.section, key.name))
                       : std::nullopt;
        case Saving::Dropped:
            break;
    }
    return std::nullopt;
}

// The player's file holds what the player changed and nothing more, so that an edit of the
// assets' file, or a default changed in a later version, still reaches every other key.
std::string playerFileText(const Settings& chosen, const Settings& assets,
                           const INIReader* player) {
    std::string text =
        "; Smeltrun's options where the player changed them in the game. Read after\n"
        "; assets/settings.ini: what is set here wins.\n";
    std::vector<std::string> sections;
    for (const SettingKey& key : kSettingKeys) {
        if (std::find(sections.begin(), sections.end(), key.section) == sections.end()) {
            sections.push_back(key.section);
        }
    }
    for (const std::string& section : sections) {
        std::string lines;
        for (const SettingKey& key : kSettingKeys) {
            if (section == key.section) {
                if (const auto value = savedValue(key, chosen, assets, player)) {
                    lines.append(key.name).append(" = ").append(*value).append("\n");
                }
            }
        }
        if (!lines.empty()) {
            text.append("\n[").append(section).append("]\n").append(lines);
        }
    }
    return text;
}

WriteResult reportSaveFailure(const std::string& path, WriteResult result) {
    printLine("ERROR::SETTINGS::SAVE_FAILED: ", path, ": ", result.reason);
    return result;
}

}  // namespace

Settings readSettings(const INIReader& reader) {
    Settings settings;
    readValues(reader, settings);
    checkRanges(settings, writesFarZ(reader));
    return settings;
}

Settings loadSettings(const std::string& path) {
    return readSettings(readAssetsFile(path));
}

Settings loadSettings(const std::string& assetsPath, const fs::path& playerPath) {
    Settings settings;
    const INIReader assets = readAssetsFile(assetsPath);
    readValues(assets, settings);
    bool farZWritten = writesFarZ(assets);
    if (const std::optional<INIReader> player = readPlayerFile(playerPath)) {
        readValues(*player, settings);
        farZWritten = farZWritten || writesFarZ(*player);
    }
    checkRanges(settings, farZWritten);
    return settings;
}

fs::path playerSettingsPath() {
    const fs::path folder = playerConfigFolder();
    return folder.empty() ? folder : folder / kPlayerFileName;
}

Settings loadGameSettings() {
    return loadSettings(kSettingsPath, playerSettingsPath());
}

WriteResult saveSettings(const Settings& settings, const std::string& assetsPath,
                         const fs::path& path) {
    Settings assets;
    readValues(readerOf(CheckedFile(assetsPath, kMaxSettingsBytes, kTooLarge)), assets);
    const INIReader player = readerOf(CheckedFile(path, kMaxSettingsBytes, kTooLarge));
    const std::string text =
        playerFileText(settings, assets, player.ParseError() == 0 ? &player : nullptr);
    WriteResult result = writeFileAtomically(path, text);
    return result.ok ? result : reportSaveFailure(path.string(), std::move(result));
}

WriteResult savePlayerSettings(const Settings& settings) {
    const fs::path path = playerSettingsPath();
    if (path.empty()) {
        return reportSaveFailure(std::string("smeltrun/") + kPlayerFileName,
                                 {false, "neither XDG_CONFIG_HOME nor HOME is an absolute path"});
    }
    return saveSettings(settings, kSettingsPath, path);
}
