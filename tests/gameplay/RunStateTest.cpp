#include <gtest/gtest.h>

#include "gameplay/RunState.h"

namespace {

RunState playedRun() {
    RunState run;
    run.items = {Item{Item::Kind::HealthPack, nullptr}, Item{Item::Kind::Checkpoint, nullptr}};
    run.startOver(3);
    run.items[0].taken = true;
    run.items[1].reached = true;
    run.swingOrigins[1] = 999.0f;
    return run;
}

// A loss gives back what was taken and keeps the checkpoints; the next run forgets both and
// every swing's origin, in the room the last run had, so that starting over allocates nothing.
TEST(RunState, ALossGivesTheItemsBackAndANewRunStartsFromNothing) {
    RunState run = playedRun();
    run.putItemsBack();
    EXPECT_FALSE(run.items[0].taken);
    EXPECT_TRUE(run.checkpointReached()) << "a loss after the checkpoint starts over there";

    run.items[0].taken = true;
    const std::optional<float>* room = run.swingOrigins.data();
    run.startOver(3);
    EXPECT_FALSE(run.items[0].taken);
    EXPECT_FALSE(run.checkpointReached());
    EXPECT_EQ(run.swingOrigins, std::vector<std::optional<float>>(3));
    EXPECT_EQ(run.swingOrigins.data(), room);
}

}  // namespace
