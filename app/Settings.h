#pragma once

#include <map>
#include <string>

class INIReader;

// Movement action ("FORWARD", "BACKWARD", "LEFT", "RIGHT", "UP", "DOWN") to GLFW key code.
// The transparent comparator finds an action by its literal name without building a string.
using KeyBindings = std::map<std::string, int, std::less<>>;

extern const char* const kSettingsPath;

// Everything the game takes from its settings file, read once at start-up. A missing file,
// section or key, or a value that does not convert, leaves the default.
struct Settings {
    int width = 1920;
    int height = 1080;
    std::string title = "Smeltrun (Ardeko)";
    bool fullscreen = true;
    bool resizable = true;

    int refreshRate = 60;
    int sampleRate = 4;
    float brightness = 0.0f;

    float fov = 45.0f;  // degrees
    float nearZ = 0.1f;
    float farZ = 1000.0f;
    float sensitivity = 5.0f;  // degrees per pixel per second

    KeyBindings keyBindings = {
        {"FORWARD", 87}, {"BACKWARD", 83}, {"LEFT", 65}, {"RIGHT", 68}, {"UP", 82}, {"DOWN", 70},
    };

    float gravity = -9.8f;  // units per second squared, upward positive
};

Settings readSettings(const INIReader& reader);
Settings loadSettings(const std::string& path);
