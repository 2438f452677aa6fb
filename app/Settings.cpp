#include "app/Settings.h"

#include <INIReader.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <utility>

#include "base/Console.h"
#include "base/PlayerFolders.h"

const char* const kSettingsPath = "assets/settings.ini";

namespace fs = std::filesystem;

namespace {

const char* const kPlayerFileName = "settings.ini";
const int kMaxFloatDigits = 9;  // significant digits that tell every float apart

// The keyboard section's keys and the actions they bind, for reading and saving alike.
const char* const kKeyboardKeys[][2] = {
    {"forward", "FORWARD"}, {"backward", "BACKWARD"}, {"left", "LEFT"}, {"right", "RIGHT"},
    {"up", "UP"},           {"down", "DOWN"},
};

// INIReader's own GetReal goes through a double; the game's floats are converted directly,
// so that a value reads exactly as the float it names.
float getFloat(const INIReader& reader, const char* section, const char* name, float fallback) {
    const std::string text = reader.Get(section, name, "");
    const char* begin = text.c_str();
    char* end = nullptr;
    const float value = std::strtof(begin, &end);
    return end > begin ? value : fallback;
}

// A number past what an int holds reads as the nearest end, which no range below accepts.
int getInt(const INIReader& reader, const char* section, const char* name, int fallback) {
    const long value = reader.GetInteger(section, name, fallback);
    return static_cast<int>(
        std::clamp<long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Values the game cannot work with (a window of no size, a projection without depth, a
// number that is not finite) are reported and replaced by their defaults. Tells whether the
// value was kept.
template <typename T>
bool keepInRange(T& value, T low, T high, T fallback, const char* key) {
    if (!(value >= low && value <= high)) {
        printLine("ERROR::SETTINGS::VALUE_OUT_OF_RANGE: ", key);
        value = fallback;
        return false;
    }
    return true;
}

const int kMaxWindowSide = 16384;  // pixels
const int kAnyRefreshRate = -1;    // GLFW_DONT_CARE: the monitor's highest rate
const int kMaxRefreshRate = 1000;  // hertz
const int kMaxSamples = 16;
const int kMaxFps = 1000;
const float kMaxMagnitude = 1000.0f;  // for brightness, sensitivity and gravity
const float kMinFov = 1.0f;           // degrees
const float kMaxFov = 179.0f;
const float kMinNearZ = 1e-4f;  // units
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

void checkRanges(Settings& s, bool farZWritten) {
    const Settings defaults;
    keepInRange(s.width, 1, kMaxWindowSide, defaults.width, "window.width");
    keepInRange(s.height, 1, kMaxWindowSide, defaults.height, "window.height");
    if (s.refreshRate != kAnyRefreshRate) {
        keepInRange(s.refreshRate, 1, kMaxRefreshRate, defaults.refreshRate,
                    "graphics.refresh_rate");
    }
    keepInRange(s.sampleRate, 0, kMaxSamples, defaults.sampleRate, "graphics.sample_rate");
    keepInRange(s.maxFps, 0, kMaxFps, defaults.maxFps, "graphics.max_fps");
    keepInRange(s.brightness, -kMaxMagnitude, kMaxMagnitude, defaults.brightness,
                "graphics.brightness");
    keepInRange(s.fov, kMinFov, kMaxFov, defaults.fov, "camera.fov");
    checkPlanes(s, farZWritten);
    keepInRange(s.sensitivity, -kMaxMagnitude, kMaxMagnitude, defaults.sensitivity,
                "camera.sensitivity");
    keepInRange(s.gravity, -kMaxMagnitude, kMaxMagnitude, defaults.gravity, "world.gravity");
    keepInRange(s.masterVolume, 0.0f, 1.0f, defaults.masterVolume, "audio.master_volume");
    keepInRange(s.effectsVolume, 0.0f, 1.0f, defaults.effectsVolume, "audio.effects_volume");
    keepInRange(s.musicVolume, 0.0f, 1.0f, defaults.musicVolume, "audio.music_volume");
}

void readWindow(const INIReader& reader, Settings& s) {
    s.width = getInt(reader, "window", "width", s.width);
    s.height = getInt(reader, "window", "height", s.height);
    s.title = reader.Get("window", "title", s.title);
    s.fullscreen = reader.GetBoolean("window", "fullscreen", s.fullscreen);
    s.resizable = reader.GetBoolean("window", "resizable", s.resizable);
}

void readGraphics(const INIReader& reader, Settings& s) {
    s.refreshRate = getInt(reader, "graphics", "refresh_rate", s.refreshRate);
    s.sampleRate = getInt(reader, "graphics", "sample_rate", s.sampleRate);
    s.brightness = getFloat(reader, "graphics", "brightness", s.brightness);
    s.vsync = reader.GetBoolean("graphics", "vsync", s.vsync);
    s.maxFps = getInt(reader, "graphics", "max_fps", s.maxFps);
}

void readCamera(const INIReader& reader, Settings& s) {
    s.fov = getFloat(reader, "camera", "fov", s.fov);
    s.nearZ = getFloat(reader, "camera", "nearZ", s.nearZ);
    s.farZ = getFloat(reader, "camera", "farZ", s.farZ);
    s.sensitivity = getFloat(reader, "camera", "sensitivity", s.sensitivity);
}

// invert_y stood under [camera] before the mouse had a section; files written then still work.
void readMouse(const INIReader& reader, Settings& s) {
    s.rawMouse = reader.GetBoolean("mouse", "raw", s.rawMouse);
    s.invertY = reader.GetBoolean("camera", "invert_y", s.invertY);
    s.invertY = reader.GetBoolean("mouse", "invert_y", s.invertY);
}

void readAudio(const INIReader& reader, Settings& s) {
    s.audioEnabled = reader.GetBoolean("audio", "enabled", s.audioEnabled);
    s.masterVolume = getFloat(reader, "audio", "master_volume", s.masterVolume);
    s.effectsVolume = getFloat(reader, "audio", "effects_volume", s.effectsVolume);
    s.musicVolume = getFloat(reader, "audio", "music_volume", s.musicVolume);
}

void readKeyboard(const INIReader& reader, Settings& s) {
    for (const auto& [key, action] : kKeyboardKeys) {
        s.keyBindings[action] = getInt(reader, "keyboard", key, s.keyBindings[action]);
    }
}

// Every key the reader holds replaces the value in `s`; the others stay as they are, so a
// second file read over a first changes only what it sets.
void readValues(const INIReader& reader, Settings& s) {
    readWindow(reader, s);
    readGraphics(reader, s);
    readCamera(reader, s);
    readMouse(reader, s);
    readKeyboard(reader, s);
    s.gravity = getFloat(reader, "world", "gravity", s.gravity);
    s.hudEnabled = reader.GetBoolean("hud", "enabled", s.hudEnabled);
    s.ghost = reader.GetBoolean("hud", "ghost", s.ghost);
    s.pauseOnFocusLoss = reader.GetBoolean("game", "pause_on_focus_loss", s.pauseOnFocusLoss);
    readAudio(reader, s);
}

bool writesFarZ(const INIReader& reader) {
    return reader.HasValue("camera", "farZ");
}

// The player's file when it is there and whole. A missing one is the normal case of a new
// player; a damaged one is ignored whole, since half of it may be what the player did not mean.
std::optional<INIReader> readPlayerFile(const fs::path& path) {
    std::error_code error;
    const fs::file_type type = fs::status(path, error).type();
    if (path.empty() || type == fs::file_type::not_found) {
        return std::nullopt;
    }
    if (type == fs::file_type::regular) {
        INIReader reader(path.string());
        if (reader.ParseError() == 0) {
            return reader;
        }
    }
    printLine("ERROR::SETTINGS::PLAYER_FILE_IGNORED: ", path.string());
    return std::nullopt;
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

void addKey(std::string& text, const char* key, const std::string& value) {
    text.append(key).append(" = ").append(value).append("\n");
}

void addFlag(std::string& text, const char* key, bool value) {
    addKey(text, key, value ? "true" : "false");
}

std::string playerFileText(const Settings& s) {
    std::string text =
        "; Smeltrun's options as the player chose them in the game. Read after\n"
        "; assets/settings.ini: what is set here wins.\n";
    text += "\n[window]\n";
    addFlag(text, "fullscreen", s.fullscreen);
    addKey(text, "width", std::to_string(s.width));
    addKey(text, "height", std::to_string(s.height));
    text += "\n[graphics]\n";
    addKey(text, "sample_rate", std::to_string(s.sampleRate));
    addKey(text, "brightness", floatText(s.brightness));
    addFlag(text, "vsync", s.vsync);
    addKey(text, "max_fps", std::to_string(s.maxFps));
    text += "\n[camera]\n";
    addKey(text, "fov", floatText(s.fov));
    addKey(text, "sensitivity", floatText(s.sensitivity));
    text += "\n[mouse]\n";
    addFlag(text, "raw", s.rawMouse);
    addFlag(text, "invert_y", s.invertY);
    text += "\n[keyboard]\n";
    for (const auto& [key, action] : kKeyboardKeys) {
        const auto bound = s.keyBindings.find(action);
        const int code =
            bound != s.keyBindings.end() ? bound->second : kDefaultKeyBindings.at(action);
        addKey(text, key, std::to_string(code));
    }
    text += "\n[hud]\n";
    addFlag(text, "enabled", s.hudEnabled);
    addFlag(text, "ghost", s.ghost);
    text += "\n[game]\n";
    addFlag(text, "pause_on_focus_loss", s.pauseOnFocusLoss);
    text += "\n[audio]\n";
    addFlag(text, "enabled", s.audioEnabled);
    addKey(text, "master_volume", floatText(s.masterVolume));
    addKey(text, "effects_volume", floatText(s.effectsVolume));
    addKey(text, "music_volume", floatText(s.musicVolume));
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
    return readSettings(INIReader(path));
}

Settings loadSettings(const std::string& assetsPath, const fs::path& playerPath) {
    Settings settings;
    const INIReader assets(assetsPath);
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

WriteResult saveSettings(const Settings& settings, const fs::path& path) {
    WriteResult result = writeFileAtomically(path, playerFileText(settings));
    return result.ok ? result : reportSaveFailure(path.string(), std::move(result));
}

WriteResult savePlayerSettings(const Settings& settings) {
    const fs::path path = playerSettingsPath();
    if (path.empty()) {
        return reportSaveFailure(std::string("smeltrun/") + kPlayerFileName,
                                 {false, "neither XDG_CONFIG_HOME nor HOME is an absolute path"});
    }
    return saveSettings(settings, path);
}
