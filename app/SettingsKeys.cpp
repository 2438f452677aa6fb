#include "app/SettingsKeys.h"

#include <strings.h>

const std::vector<SettingKey> kSettingKeys = {
    {"window", "width", &Settings::width},
    {"window", "height", &Settings::height},
    {"window", "title", &Settings::title},
    {"window", "fullscreen", &Settings::fullscreen},
    {"window", "resizable", &Settings::resizable},
    {"graphics", "refresh_rate", &Settings::refreshRate},
    {"graphics", "sample_rate", &Settings::sampleRate},
    {"graphics", "brightness", &Settings::brightness},
    {"graphics", "vsync", &Settings::vsync},
    {"graphics", "max_fps", &Settings::maxFps},
    {"camera", "fov", &Settings::fov},
    {"camera", "nearZ", &Settings::nearZ},
    {"camera", "farZ", &Settings::farZ},
    {"camera", "sensitivity", &Settings::sensitivity},
    {"mouse", "raw", &Settings::rawMouse},
    // invert_y stood under [camera] before the mouse had a section; files written then still
    // work, and the mouse's, read after it, wins.
    {"camera", "invert_y", &Settings::invertY},
    {"mouse", "invert_y", &Settings::invertY},
    {"keyboard", "forward", KeyBinding{"FORWARD"}},
    {"keyboard", "backward", KeyBinding{"BACKWARD"}},
    {"keyboard", "left", KeyBinding{"LEFT"}},
    {"keyboard", "right", KeyBinding{"RIGHT"}},
    {"keyboard", "up", KeyBinding{"UP"}},
    {"keyboard", "down", KeyBinding{"DOWN"}},
    {"world", "gravity", &Settings::gravity},
    {"hud", "enabled", &Settings::hudEnabled},
    {"hud", "ghost", &Settings::ghost},
    {"game", "pause_on_focus_loss", &Settings::pauseOnFocusLoss},
    {"audio", "enabled", &Settings::audioEnabled},
    {"audio", "master_volume", &Settings::masterVolume},
    {"audio", "effects_volume", &Settings::effectsVolume},
    {"audio", "music_volume", &Settings::musicVolume},
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
