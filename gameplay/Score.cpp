#include "gameplay/Score.h"

namespace {

const int kPointsPerSecondUnderPar = 200;
const int kFinishBonus = 10000;
const float kDoublingSeconds = 10.0f;  // a win faster than this scores double

// Whole seconds played, truncated; times past par all score alike, so they stop there,
// which keeps a huge or broken clock from overflowing the conversion.
int wholeSeconds(float seconds, int parSeconds) {
    if (!(seconds < static_cast<float>(parSeconds))) {
        return parSeconds;
    }
    return seconds > 0.0f ? static_cast<int>(seconds) : 0;
}

}  // namespace

int pointsFor(float seconds, bool won, int parSeconds) {
    int points = (parSeconds - wholeSeconds(seconds, parSeconds)) * kPointsPerSecondUnderPar;
    if (won) {
        points += kFinishBonus;
        if (seconds < kDoublingSeconds) {
            points *= 2;
        }
    }
    return points;
}
