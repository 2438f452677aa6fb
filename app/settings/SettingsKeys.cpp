#include "app/settings/SettingsKeys.h"

#include <strings.h>

#include "app/settings/Translate.h"

namespace {

const float kMaxWindowSide = 16384.0f;  // pixels
const float kMaxMagnitude = 1000.0f;    // for brightness, sensitivity and gravity
// The follow camera's distance from the player, in units: near enough to see the character
// whole, far enough to see the way ahead.
const float kMinCameraDistance = 3.0f;
const float kMaxCameraDistance = 10.0f;

}  // namespace

const std::vector<SettingKey> kSettingKeys = {
    {"window", "width", &Settings::width, Saving::Written, Limits{1.0f, kMaxWindowSide}},
    {"window", "height", &Settings::height, Saving::Written, Limits{1.0f, kMaxWindowSide}},
    {"window", "title", &Settings::title, Saving::Kept},
    {"window", "fullscreen", &Settings::fullscreen, Saving::Written},
    {"window", "resizable", &Settings::resizable, Saving::Kept},
    // Checked on its own: -1 asks for the monitor's highest rate.
    {"graphics", "refresh_rate", &Settings::refreshRate, Saving::Kept},
    {"graphics", "sample_rate", &Settings::sampleRate, Saving::Written, Limits{0.0f, 16.0f}},
    {"graphics", "max_fps", &Settings::maxFps, Saving::Written, Limits{0.0f, 1000.0f}},
    {"graphics", "brightness", &Settings::brightness, Saving::Written,
     Limits{-kMaxMagnitude, kMaxMagnitude}, Control{"Look", N_("Brightness"), -0.5f, 0.5f, "%.2f"}},
    {"graphics", "vsync", &Settings::vsync, Saving::Written, std::nullopt,
     Control{"Display", N_("Vertical sync")}},
    {"graphics", "shadow", &Settings::shadow, Saving::Written, std::nullopt,
     Control{"Look", N_("Shadow under the player")}},
    {"graphics", "look",
     Choice{&Settings::look, {{kClassicLook, N_("classic")}, {kEnhancedLook, N_("enhanced")}}},
     Saving::Written, std::nullopt, Control{"Look", N_("Look (from the next start)")}},
    {"graphics", "antialiasing",
     Choice{
         &Settings::antialiasing,
         {{kMsaa, N_("multisampling (MSAA)")}, {kFxaa, N_("FXAA")}, {kNoAntialiasing, N_("off")}}},
     Saving::Written, std::nullopt, Control{"Look", N_("Anti-aliasing (from the next start)")}},
    {"camera", "fov", &Settings::fov, Saving::Written, Limits{1.0f, 179.0f},
     Control{"Display", N_("Field of view"), 30.0f, 110.0f, N_("%.0f deg")}},
    // The two planes are checked together, after the rest.
    {"camera", "nearZ", &Settings::nearZ, Saving::Kept},
    {"camera", "farZ", &Settings::farZ, Saving::Kept},
    {"camera", "sensitivity", &Settings::sensitivity, Saving::Written,
     Limits{-kMaxMagnitude, kMaxMagnitude},
     Control{"Mouse", N_("Mouse sensitivity"), 0.5f, 20.0f, "%.1f"}},
    {"camera", "collision", &Settings::cameraCollision, Saving::Written, std::nullopt,
     Control{"Display", N_("Camera keeps clear of platforms")}},
    {"camera", "distance", &Settings::cameraDistance, Saving::Written,
     Limits{kMinCameraDistance, kMaxCameraDistance},
     Control{"Display", N_("Camera distance"), kMinCameraDistance, kMaxCameraDistance, "%.1f"}},
    {"mouse", "raw", &Settings::rawMouse, Saving::Written},
    // invert_y stood under [camera] before the mouse had a section; files written then still
    // work, and the mouse's, read after it, wins (and replaces it when the game saves).
    {"camera", "invert_y", &Settings::invertY, Saving::Dropped},
    {"mouse", "invert_y", &Settings::invertY, Saving::Written, std::nullopt,
     Control{"Mouse", N_("Invert mouse Y")}},
    {"keyboard", "forward", KeyBinding{"FORWARD"}, Saving::Written},
    {"keyboard", "backward", KeyBinding{"BACKWARD"}, Saving::Written},
    {"keyboard", "left", KeyBinding{"LEFT"}, Saving::Written},
    {"keyboard", "right", KeyBinding{"RIGHT"}, Saving::Written},
    {"keyboard", "up", KeyBinding{"UP"}, Saving::Written},
    {"keyboard", "down", KeyBinding{"DOWN"}, Saving::Written},
    {"keyboard", "jump", KeyBinding{"JUMP"}, Saving::Written},
    {"keyboard", "sprint", KeyBinding{"SPRINT"}, Saving::Written},
    {"keyboard", "pause", KeyBinding{"PAUSE"}, Saving::Written},
    {"gamepad", "jump", KeyBinding{"JUMP", &Settings::padBindings}, Saving::Written},
    {"gamepad", "sprint", KeyBinding{"SPRINT", &Settings::padBindings}, Saving::Written},
    {"gamepad", "pause", KeyBinding{"PAUSE", &Settings::padBindings}, Saving::Written},
    {"world", "gravity", &Settings::gravity, Saving::Kept, Limits{-kMaxMagnitude, kMaxMagnitude}},
    {"hud", "enabled", &Settings::hudEnabled, Saving::Written, std::nullopt,
     Control{"Play", N_("HUD (F7)")}},
    {"hud", "ui_scale", &Settings::uiScale, Saving::Written, Limits{0.75f, 2.0f},
     Control{"Display", N_("Text size"), 0.75f, 2.0f, "%.2f"}},
    {"hud", "ghost", &Settings::ghost, Saving::Written, std::nullopt,
     Control{"Play", N_("Ghost of the best run")}},
    {"game", "pause_on_focus_loss", &Settings::pauseOnFocusLoss, Saving::Written, std::nullopt,
     Control{"Play", N_("Pause when the window loses focus")}},
    {"game", "unlock_all", &Settings::unlockAll, Saving::Written, std::nullopt,
     Control{"Play", N_("Open every level")}},
    {"game", "sprint_toggle", &Settings::sprintToggle, Saving::Written, std::nullopt,
     Control{"Play", N_("Sprint switches on and off with a press")}},
    {"game", "reduced_motion", &Settings::reducedMotion, Saving::Written, std::nullopt,
     Control{"Play", N_("Reduced motion")}},
    {"audio", "enabled", &Settings::audioEnabled, Saving::Written},
    {"audio", "master_volume", &Settings::masterVolume, Saving::Written, Limits{0.0f, 1.0f},
     Control{"Sound", N_("Master volume"), 0.0f, 1.0f, "%.2f"}},
    {"audio", "effects_volume", &Settings::effectsVolume, Saving::Written, Limits{0.0f, 1.0f},
     Control{"Sound", N_("Effects volume"), 0.0f, 1.0f, "%.2f"}},
    {"audio", "music_volume", &Settings::musicVolume, Saving::Written, Limits{0.0f, 1.0f},
     Control{"Sound", N_("Music volume"), 0.0f, 1.0f, "%.2f"}},
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
