#include "gameplay/RecordRun.h"

#include <cmath>

namespace {

bool takenWhole(float frameSeconds) {
    return frameSeconds <= kLongestStepSeconds + kClockRoundingSeconds;
}

}  // namespace

int stepsIn(float frameSeconds) {
    if (takenWhole(frameSeconds)) {
        return 1;
    }
    return static_cast<int>(std::ceil(frameSeconds / kLongestStepSeconds));
}

std::optional<RunFault> recordRunFault(float gravity, float longestFrameSeconds) {
    if (gravity != kGameGravity) {
        return RunFault::OtherGravity;
    }
    if (longestFrameSeconds > kLongestRecordFrameSeconds) {
        return RunFault::LongFrame;
    }
    return std::nullopt;
}
