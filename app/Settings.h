#pragma once

#include <string>

#include "base/KeyBindings.h"

class INIReader;

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

    KeyBindings keyBindings = kDefaultKeyBindings;

    float gravity = -9.8f;  // units per second squared, upward positive

    bool pauseOnFocusLoss = true;
    bool hudEnabled = true;
};

Settings readSettings(const INIReader& reader);
Settings loadSettings(const std::string& path);
