#include "app/SettingsKeys.h"

#include <strings.h>

const std::vector<SettingKey> kSettingKeys = {
    {"window", "width", &Settings::width, Saving::Written},
    {"window", "height", &Settings::height, Saving::Written},
    {"window", "title", &Settings::title, Saving::Kept},
    {"window", "fullscreen", &Settings::fullscreen, Saving::Written},
    {"window", "resizable", &Settings::resizable, Saving::Kept},
    {"graphics", "refresh_rate", &Settings::refreshRate, Saving::Kept},
    {"graphics", "sample_rate", &Settings::sampleRate, Saving::Written},
    {"graphics", "brightness", &Settings::brightness, Saving::Written},
    {"graphics", "vsync", &Settings::vsync, Saving::Written},
    {"graphics", "max_fps", &Settings::maxFps, Saving::Written},
    {"camera", "fov", &Settings::fov, Saving::Written},
    {"camera", "nearZ", &Settings::nearZ, Saving::Kept},
    {"camera", "farZ", &Settings::farZ, Saving::Kept},
    {"camera", "sensitivity", &Settings::sensitivity, Saving::Written},
    {"mouse", "raw", &Settings::rawMouse, Saving::Written},
    // invert_y stood under [camera] before the mouse had a section; files written then still
    // work, and the mouse's, read after it, wins (and replaces it when the game saves).
    {"camera", "invert_y", &Settings::invertY, Saving::Dropped},
    {"mouse", "invert_y", &Settings::invertY, Saving::Written},
    {"keyboard", "forward", KeyBinding{"FORWARD"}, Saving::Written},
    {"keyboard", "backward", KeyBinding{"BACKWARD"}, Saving::Written},
    {"keyboard", "left", KeyBinding{"LEFT"}, Saving::Written},
    {"keyboard", "right", KeyBinding{"RIGHT"}, Saving::Written},
    {"keyboard", "up", KeyBinding{"UP"}, Saving::Written},
    {"keyboard", "down", KeyBinding{"DOWN"}, Saving::Written},
    {"world", "gravity", &Settings::gravity, Saving::Kept},
    {"hud", "enabled", &Settings::hudEnabled, Saving::Written},
    {"hud", "ghost", &Settings::ghost, Saving::Written},
    {"game", "pause_on_focus_loss", &Settings::pauseOnFocusLoss, Saving::Written},
    {"audio", "enabled", &Settings::audioEnabled, Saving::Written},
    {"audio", "master_volume", &Settings::masterVolume, Saving::Written},
    {"audio", "effects_volume", &Settings::effectsVolume, Saving::Written},
    {"audio", "music_volume", &Settings::musicVolume, Saving::Written},
};

bool isKnownSettingKey(const std::string& section, const std::string& name) {
    for (const SettingKey& key : kSettingKeys) {
        if (strcasecmp(key.section, section.c_str()) == 0 &&
            strcasecmp(key.name, name.c_str()) == 0) {
            return true;
        }
    }
    return false;
}
