#include "app/Settings.h"

#include <INIReader.h>

#include <cstdlib>

const char* const kSettingsPath = "assets/settings.ini";

namespace {

// INIReader's own GetReal goes through a double; the game's floats are converted directly,
// so that a value reads exactly as the float it names.
float getFloat(const INIReader& reader, const char* section, const char* name, float fallback) {
    const std::string text = reader.Get(section, name, "");
    const char* begin = text.c_str();
    char* end = nullptr;
    const float value = std::strtof(begin, &end);
    return end > begin ? value : fallback;
}

int getInt(const INIReader& reader, const char* section, const char* name, int fallback) {
    return static_cast<int>(reader.GetInteger(section, name, fallback));
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
}

void readCamera(const INIReader& reader, Settings& s) {
    s.fov = getFloat(reader, "camera", "fov", s.fov);
    s.nearZ = getFloat(reader, "camera", "nearZ", s.nearZ);
    s.farZ = getFloat(reader, "camera", "farZ", s.farZ);
    s.sensitivity = getFloat(reader, "camera", "sensitivity", s.sensitivity);
}

void readKeyboard(const INIReader& reader, Settings& s) {
    const char* const keys[][2] = {
        {"forward", "FORWARD"}, {"backward", "BACKWARD"}, {"left", "LEFT"}, {"right", "RIGHT"},
        {"up", "UP"},           {"down", "DOWN"},
    };
    for (const auto& [key, action] : keys) {
        s.keyBindings[action] = getInt(reader, "keyboard", key, s.keyBindings[action]);
    }
}

}  // namespace

Settings readSettings(const INIReader& reader) {
    Settings settings;
    readWindow(reader, settings);
    readGraphics(reader, settings);
    readCamera(reader, settings);
    readKeyboard(reader, settings);
    settings.gravity = getFloat(reader, "world", "gravity", settings.gravity);
    return settings;
}

Settings loadSettings(const std::string& path) {
    return readSettings(INIReader(path));
}
