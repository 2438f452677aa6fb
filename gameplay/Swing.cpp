#include "gameplay/Swing.h"

#include <cmath>

#include "gameplay/LevelLayout.h"

namespace {

const float kSwingAmplitude = 5.0f;  // units
const int kAxisX = 0;
const int kAxisZ = 2;

}  // namespace

std::optional<Swing> swingOf(int platform) {
    const int n = platform + 1;
    if (!((n % 2 == 0 && platform != level::kPlatformCount - 1) || platform == 8)) {
        return std::nullopt;
    }
    const int axis = platform == 7 || platform == 8 ? kAxisZ : kAxisX;
    return Swing{axis, n % 4 == 0 ? kSwingAmplitude : -kSwingAmplitude};
}

float swungCoordinate(const Swing& swing, float origin, float totalTime) {
    return origin + std::sin(totalTime) * swing.amplitude;
}
