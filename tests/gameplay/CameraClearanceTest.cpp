#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

#include "gameplay/CameraClearance.h"
#include "tests/support/Near.h"

namespace {

// The camera looks at a point a unit up and wants to stand four units behind it, along +z.
const glm::vec3 kLookedAt(0.0f, 1.0f, 0.0f);
const glm::vec3 kWanted(0.0f, 1.0f, 4.0f);
// A wall across that way, from z = 2 to 3.
const Box kWall{glm::vec3(-1.0f, -1.0f, 2.0f), glm::vec3(1.0f, 3.0f, 3.0f)};

TEST(CameraClearance, WithNothingInTheWayTheCameraStandsWhereItWantsToTheBit) {
    const Box aside{glm::vec3(3.0f, -1.0f, 2.0f), glm::vec3(5.0f, 3.0f, 3.0f)};
    const Box beyond{glm::vec3(-1.0f, -1.0f, 5.0f), glm::vec3(1.0f, 3.0f, 6.0f)};
    const glm::vec3 wanted(0.1f, 1.3f, 3.7f);  // no round numbers, to catch any recomputation
    std::optional<float> held;
    const glm::vec3 place = clearPlace(kLookedAt, wanted, {aside, beyond}, 1.0f / 60.0f, held);
    EXPECT_EQ(place.x, wanted.x);
    EXPECT_EQ(place.y, wanted.y);
    EXPECT_EQ(place.z, wanted.z);
    EXPECT_FALSE(held);
}

// The wall's near face is at z = 2: the camera stops a fifth of a unit before it, at once.
TEST(CameraClearance, AWallBetweenBringsTheCameraJustInFrontOfIt) {
    std::optional<float> held;
    expectNear(clearPlace(kLookedAt, kWanted, {kWall}, 1.0f / 60.0f, held),
               glm::vec3(0.0f, 1.0f, 1.8f), 1e-5f);
    ASSERT_TRUE(held);
    EXPECT_NEAR(*held, 1.8f, 1e-5f);
    EXPECT_NEAR(clearShare(kLookedAt, kWanted, {kWall}), 0.45f, 1e-5f);
    // Met at a slant, the wall is still kept a fifth of a unit off.
    const glm::vec3 slanted(1.0f, 1.0f, 4.0f);
    const glm::vec3 place =
        kLookedAt + (slanted - kLookedAt) * clearShare(kLookedAt, slanted, {kWall});
    EXPECT_NEAR(place.z, 1.8f, 1e-5f);
}

TEST(CameraClearance, ABoxHoldingThePointLookedAtIsNotInTheWay) {
    const Box around{glm::vec3(-1.0f), glm::vec3(1.0f, 2.0f, 1.0f)};
    EXPECT_EQ(clearShare(kLookedAt, kWanted, {around}), 1.0f);
}

// Once the wall is gone the camera goes back out six units a second, stepped by the frame's
// time: a second at 20 and at 60 frames a second ends in the same place.
TEST(CameraClearance, TheCameraEasesBackOutAlikeAtEveryFrameRate) {
    for (const int framesPerSecond : {20, 60}) {
        SCOPED_TRACE(framesPerSecond);
        const float step = 1.0f / static_cast<float>(framesPerSecond);
        std::optional<float> held;
        clearPlace(kLookedAt, kWanted, {kWall}, step, held);
        glm::vec3 place{0.0f};
        for (int frame = 0; frame < framesPerSecond / 5; ++frame) {  // a fifth of a second
            place = clearPlace(kLookedAt, kWanted, {}, step, held);
        }
        expectNear(place, glm::vec3(0.0f, 1.0f, 3.0f), 1e-4f);
        for (int frame = 0; frame < framesPerSecond / 5; ++frame) {
            place = clearPlace(kLookedAt, kWanted, {}, step, held);
        }
        EXPECT_EQ(place, kWanted) << "all the way out, and no further";
        EXPECT_FALSE(held);
    }
}

// A platform from y = -0.5 down to -1 under x and z from -3 to 3.
TEST(CameraClearance, TheCameraNeverSinksBelowTheTopOfAPlatformItIsOver) {
    const Box platform{glm::vec3(-3.0f, -1.0f, -3.0f), glm::vec3(3.0f, -0.5f, 3.0f)};
    const std::vector<Box> boxes{platform};
    EXPECT_NEAR(heightAboveTops(glm::vec3(2.0f, -0.8f, 2.0f), boxes), -0.3f, 1e-6f);
    EXPECT_NEAR(heightAboveTops(glm::vec3(0.0f, -0.4f, 0.0f), boxes), -0.3f, 1e-6f);
    EXPECT_EQ(heightAboveTops(glm::vec3(0.0f, -0.2f, 0.0f), boxes), -0.2f);
    EXPECT_EQ(heightAboveTops(glm::vec3(3.5f, -0.8f, 0.0f), boxes), -0.8f) << "beside it";
    EXPECT_EQ(heightAboveTops(glm::vec3(0.0f, -1.5f, 0.0f), boxes), -1.5f) << "under it";
    // A look up from the platform's edge: the way down to the camera meets the top.
    const glm::vec3 player(0.0f, 1.0f, -2.5f);
    std::optional<float> held;
    const glm::vec3 place =
        clearPlace(player, glm::vec3(0.0f, -1.6f, 0.6f), boxes, 1.0f / 60.0f, held);
    EXPECT_GE(place.y, -0.3f - 1e-5f);
    EXPECT_LT(place.z, 0.6f);
}

TEST(CameraClearance, ABoxStandsBetweenTwoPointsOnlyWhereTheSegmentMeetsIt) {
    EXPECT_TRUE(standsBetween(kWall, kWanted, kLookedAt));
    EXPECT_TRUE(standsBetween(kWall, glm::vec3(0.0f, 1.0f, 2.5f), kLookedAt)) << "from inside";
    EXPECT_FALSE(standsBetween(kWall, glm::vec3(0.0f, 1.0f, 1.9f), kLookedAt)) << "in front";
    EXPECT_FALSE(standsBetween(kWall, glm::vec3(0.0f, 5.0f, 4.0f), glm::vec3(0.0f, 5.0f, 0.0f)))
        << "over it";
}

// Among a field of boxes, those near the way alone place the camera exactly as all of them
// do: along the way, beside it within the clearance, and above a top it sinks towards.
TEST(CameraClearance, TheBoxesNearTheWayPlaceTheCameraAsAllOfThemDo) {
    std::vector<Box> field;
    for (int x = -6; x <= 6; ++x) {
        for (int z = -6; z <= 6; ++z) {
            const glm::vec3 at(x * 1.7f, (x + z) % 3 * 0.4f - 0.5f, z * 1.9f);
            field.push_back(
                Box{at - glm::vec3(0.5f, 0.25f, 0.5f), at + glm::vec3(0.5f, 0.25f, 0.5f)});
        }
    }
    const glm::vec3 ways[][2] = {
        {kLookedAt, kWanted},
        {glm::vec3(0.3f, 0.2f, 0.2f), glm::vec3(-2.9f, -0.3f, 3.3f)},
        {glm::vec3(1.1f, 0.4f, -1.0f), glm::vec3(4.2f, 0.0f, -4.4f)},
        {glm::vec3(-3.4f, 0.9f, 5.1f), glm::vec3(-3.4f, 0.25f, 5.7f)},
    };
    int moved = 0;
    for (const auto& way : ways) {
        std::vector<Box> near;
        std::copy_if(field.begin(), field.end(), std::back_inserter(near),
                     [&](const Box& box) { return nearTheWay(box, way[0], way[1]); });
        EXPECT_LT(near.size(), field.size() / 4);
        std::optional<float> heldAll;
        std::optional<float> heldNear;
        const glm::vec3 all = clearPlace(way[0], way[1], field, 1.0f / 60.0f, heldAll);
        const glm::vec3 fromNear = clearPlace(way[0], way[1], near, 1.0f / 60.0f, heldNear);
        EXPECT_EQ(all, fromNear) << way[1].x;
        EXPECT_EQ(heldAll, heldNear);
        moved += all != way[1] ? 1 : 0;
    }
    EXPECT_GE(moved, 2) << "boxes stand in some of the ways";
}

}  // namespace
