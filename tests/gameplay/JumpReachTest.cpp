#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "gameplay/JumpReach.h"
#include "tests/support/FileText.h"

namespace {

// The jump as the course was designed by (its numbers in the course's geometry notes): 4 units
// a second up, gravity 9.8 down, 5 units a second walking and 10 sprinting; a platform catches
// feet up to 1 below its top.
constexpr double kJumpUp = 4.0;
constexpr double kGravity = 9.8;
constexpr double kWalk = 5.0;
constexpr double kSprint = 10.0;
constexpr double kCatch = 1.0;
// Stepping at 20 a second lands within a step or two of the smooth flight.
constexpr double kStepsOff = 2.0 / 20.0;  // seconds

// The seconds until the feet come down through `height` above the take-off.
double secondsDownTo(double height) {
    return (kJumpUp + std::sqrt(kJumpUp * kJumpUp - 2.0 * kGravity * height)) / kGravity;
}

// Feet back at the take-off height after 0.82 s, 4.1 units walked (the figure the course was
// designed with): that is a top 1 higher, which catches them there.
TEST(JumpReach, CarriesAsFarAsTheSmoothFlightWithinAStep) {
    for (const float rise : {1.0f, 0.0f, 1.5f, -3.0f, -8.0f}) {
        SCOPED_TRACE(rise);
        const double seconds = secondsDownTo(rise - kCatch);
        EXPECT_NEAR(jumpReach(rise, false), kWalk * seconds, kWalk * kStepsOff);
        EXPECT_NEAR(jumpReach(rise, true), kSprint * seconds, kSprint * kStepsOff);
    }
}

TEST(JumpReachLimits, AStepUpToTheBandAboveThePeakIsReachedAndNoHigher) {
    const double peak = kJumpUp * kJumpUp / (2.0 * kGravity);  // 0.82
    EXPECT_GT(jumpReach(static_cast<float>(peak + kCatch - 0.15), false), 0.0f);
    EXPECT_EQ(jumpReach(static_cast<float>(peak + kCatch + 0.05), false), 0.0f);
    EXPECT_EQ(jumpReach(static_cast<float>(peak + kCatch + 0.05), true), 0.0f);
    EXPECT_EQ(jumpReach(NAN, true), 0.0f);
    EXPECT_GT(jumpReach(-50.0f, true), jumpReach(-20.0f, true)) << "a deeper drop goes on";
}

// The table of docs/levels.md, "How far a jump carries", is the rules' to its one decimal.
TEST(JumpReachLimits, TheDocumentsTableIsTheRules) {
    const std::string text = contentsOf(SMELTRUN_ASSETS_DIR "/../docs/levels.md");
    const std::regex row(R"(\| ([+-][0-9.]+) \| ([0-9.]+) \| ([0-9.]+) \|)");
    int rows = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), row), end; it != end; ++it, ++rows) {
        const float rise = std::stof((*it)[1]);
        SCOPED_TRACE(rise);
        EXPECT_NEAR(jumpReach(rise, false), std::stod((*it)[2]), 0.051);
        EXPECT_NEAR(jumpReach(rise, true), std::stod((*it)[3]), 0.051);
    }
    EXPECT_GE(rows, 8);
}

}  // namespace
