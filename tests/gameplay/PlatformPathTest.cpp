#include <gtest/gtest.h>

#include "gameplay/PlatformPath.h"

namespace {

// 6 units out along x and back at 2 units a second: 3 seconds each way.
PlatformPiece shuttle() {
    PlatformPiece platform;
    platform.at = glm::vec3(0.0f, -0.5f, 0.0f);
    platform.path = {glm::vec3(6.0f, -0.5f, 0.0f)};
    platform.speed = 2.0f;
    return platform;
}

const float kLegSeconds = 3.0f;
const float kStep = 0.125f;  // seconds between the times looked at: exact in a float

// A rest at each end holds the platform there that long; between, it moves as one without,
// later by the rests it has had.
TEST(PlatformPath, ARestHoldsThePlatformAtEachEndAndTheMovesBetweenAreUnchanged) {
    const PlatformPiece plain = shuttle();
    PlatformPiece resting = shuttle();
    resting.wait = 1.5f;
    const float w = resting.wait;
    const glm::vec3 end = plain.path.back();
    for (float t = 0.0f; t < 2.0f * (2.0f * kLegSeconds + w); t += kStep) {
        SCOPED_TRACE("at " + std::to_string(t) + " s");
        const float cycle = 2.0f * kLegSeconds + 2.0f * w;
        const float into = t - cycle * std::floor(t / cycle);
        const float lap = t - into;  // the laps before, with their rests
        const float restsBefore = 2.0f * w * (lap / cycle);
        const glm::vec3 at = pathPosition(resting, t);
        if (into <= kLegSeconds) {
            EXPECT_EQ(at, pathPosition(plain, t - restsBefore));
        } else if (into <= kLegSeconds + w) {
            EXPECT_EQ(at, end) << "resting at the far end";
        } else if (into <= 2.0f * kLegSeconds + w) {
            const glm::vec3 plainAt = pathPosition(plain, t - restsBefore - w);
            EXPECT_NEAR(at.x, plainAt.x, 1e-4f) << "on the way back";
        } else {
            EXPECT_EQ(at, plain.at) << "resting at its start";
        }
    }
}

// A head start puts a path, from the start, where it would stand that much later.
TEST(PlatformPath, AHeadStartShiftsThePathInTime) {
    const PlatformPiece plain = shuttle();
    for (const float wait : {0.0f, 1.5f}) {
        PlatformPiece early = shuttle();
        early.wait = wait;
        early.phase = 4.0f;
        PlatformPiece later = early;
        later.phase = 0.0f;
        EXPECT_EQ(pathPosition(early, 0.0f), pathPosition(later, 4.0f));
        for (float t = 0.0f; t < 20.0f; t += kStep) {
            EXPECT_NEAR(pathPosition(early, t).x, pathPosition(later, t + 4.0f).x, 1e-4f) << t;
        }
    }
    EXPECT_EQ(pathPosition(plain, 0.0f), plain.at) << "no head start, no move before the run";
}

}  // namespace
