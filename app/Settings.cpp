#include "app/Settings.h"

#include <INIReader.h>

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "base/Console.h"

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
    keepInRange(s.brightness, -kMaxMagnitude, kMaxMagnitude, defaults.brightness,
                "graphics.brightness");
    keepInRange(s.fov, kMinFov, kMaxFov, defaults.fov, "camera.fov");
    checkPlanes(s, farZWritten);
    keepInRange(s.sensitivity, -kMaxMagnitude, kMaxMagnitude, defaults.sensitivity,
                "camera.sensitivity");
    keepInRange(s.gravity, -kMaxMagnitude, kMaxMagnitude, defaults.gravity, "world.gravity");
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
    checkRanges(settings, reader.HasValue("camera", "farZ"));
    return settings;
}

Settings loadSettings(const std::string& path) {
    return readSettings(INIReader(path));
}
