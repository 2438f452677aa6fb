#include "gameplay/Score.h"

namespace {

const int kParSeconds = 50;
const int kPointsPerSecondUnderPar = 200;
const int kFinishBonus = 10000;
const float kDoublingSeconds = 10.0f;  // a win faster than this scores double

// Whole seconds played, truncated; times past par all score alike, so they stop there,
// which keeps a huge or broken clock from overflowing the conversion.
int wholeSeconds(float seconds) {
    if (!(seconds < static_cast<float>(kParSeconds))) {
        return kParSeconds;
    }
    return seconds > 0.0f ? static_cast<int>(seconds) : 0;
}

}  // namespace

int pointsFor(float seconds, bool won) {
    int points = (kParSeconds - wholeSeconds(seconds)) * kPointsPerSecondUnderPar;
    if (won) {
        points += kFinishBonus;
        if (seconds < kDoublingSeconds) {
            points *= 2;
        }
    }
    return points;
}
