#pragma once

#include <filesystem>
#include <string>

#include "base/AtomicFile.h"
#include "base/KeyBindings.h"
#include "gameplay/RecordRun.h"

class INIReader;

extern const char* const kSettingsPath;

// The words of the graphics choices.
inline const char* const kClassicLook = "classic";  // the frame as it always was
inline const char* const kEnhancedLook = "enhanced";
inline const char* const kMsaa = "msaa";  // multisampling, sampleRate samples a pixel
inline const char* const kFxaa = "fxaa";
inline const char* const kNoAntialiasing = "off";

// Everything the game takes from its settings files, read once at start-up. A missing file,
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
    bool vsync = true;                 // the swap waits for the display's refresh
    int maxFps = 0;                    // frames per second at most; 0 for no cap
    bool shadow = true;                // a drop shadow under the player
    std::string look = kClassicLook;   // from the next start
    std::string antialiasing = kMsaa;  // from the next start

    float fov = 45.0f;  // degrees
    float nearZ = 0.1f;
    float farZ = 1000.0f;
    float sensitivity = 5.0f;     // degrees per pixel per second
    bool cameraCollision = true;  // the follow camera keeps out of platforms and pieces
    float cameraDistance = 4.0f;  // units from the player to the follow camera

    bool rawMouse = true;  // unaccelerated motion, where the system has it
    bool invertY = false;  // moving the mouse up looks down

    KeyBindings keyBindings = kDefaultKeyBindings;
    KeyBindings padBindings = kDefaultPadBindings;

    float gravity = kGameGravity;  // units per second squared, upward positive

    bool hudEnabled = true;
    float uiScale = 1.0f;  // the HUD's and the panels' text, over its size for the screen
    bool ghost = true;     // the best run's ghost is drawn, when there is one
    bool pauseOnFocusLoss = true;
    bool unlockAll = false;      // every level is open, won or not
    bool sprintToggle = false;   // a press of sprint switches it on or off, instead of a hold
    bool reducedMotion = false;  // particles slowed, the goal's spin gentle

    bool audioEnabled = true;
    float masterVolume = 0.8f;  // gains from 0 to 1
    float effectsVolume = 1.0f;
    float musicVolume = 0.5f;
};

// One settings file alone, range-checked.
Settings readSettings(const INIReader& reader);
Settings loadSettings(const std::string& path);

// The assets' file, then the player's file over it: what it sets wins. A damaged or
// unreadable player file is reported in one line and ignored whole; a missing one is normal.
// The range checks apply to the result.
Settings loadSettings(const std::string& assetsPath, const std::filesystem::path& playerPath);

// <the player's config folder>/settings.ini; empty when the player has no known home.
std::filesystem::path playerSettingsPath();

// What the game starts with: kSettingsPath, then playerSettingsPath().
Settings loadGameSettings();

// Writes to the player's file at `path`, atomically, the options a player can change in the
// game (window size and full screen, multisampling, brightness, frame pacing, field of view,
// the mouse, the keys and the pad's buttons, the HUD, pausing on focus loss, opening every
// level and the sound) where they differ from what the assets' file gives, and keeps the file's
// lines of keys the game does not change; nothing else. A failure is reported on the console
// and its reason returned.
WriteResult saveSettings(const Settings& settings, const std::string& assetsPath,
                         const std::filesystem::path& path);

// saveSettings to playerSettingsPath().
WriteResult savePlayerSettings(const Settings& settings);
