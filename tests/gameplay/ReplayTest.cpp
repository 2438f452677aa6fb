#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gameplay/Ghost.h"
#include "gameplay/RecordRun.h"
#include "gameplay/Replay.h"

namespace {

// Values that a decimal text with a few digits would not bring back: thirds, a float one step
// past 0.2, a negative zero and a subnormal.
ReplayFrame oddFrame() {
    ReplayFrame frame;
    frame.deltaTime = 1.0f / 60.0f;
    frame.input.held.set(Action::Forward);
    frame.input.held.set(Action::FullScreen);
    frame.input.pressed.set(Action::Jump);
    frame.input.released.set(Action::DebugCamera);
    frame.input.mouseX = 0.1;
    frame.input.mouseY = -1.0 / 3.0;
    frame.input.walkRight = std::nextafter(0.2f, 1.0f);
    frame.input.walkForward = -0.0f;
    frame.input.lookRight = 1e-40f;
    frame.input.lookUp = -1.0f;
    frame.position = glm::vec3(1.0f / 3.0f, -0.5f, -109.99f);
    frame.facing = -725.125f;
    frame.clock = 20.516668f;
    return frame;
}

template <typename Real>
bool sameBits(Real a, Real b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

Replay twoFrames() {
    return Replay{"1.0.0", ReplaySettings{5.0f, -9.8f}, {}, {oddFrame(), ReplayFrame{}}};
}

TEST(Replay, EveryValueReadsBackToTheLastBit) {
    const ReplayRead read = parseReplay(replayText(twoFrames()));
    ASSERT_TRUE(read.replay) << read.reason;
    const Replay& replay = *read.replay;
    EXPECT_EQ(replay.gameVersion, "1.0.0");
    EXPECT_EQ(replay.settings.gravity, -9.8f);
    ASSERT_EQ(replay.frames.size(), 2u);
    const ReplayFrame& frame = replay.frames[0];
    const ReplayFrame odd = oddFrame();
    EXPECT_EQ(frame.deltaTime, odd.deltaTime);
    EXPECT_TRUE(frame.input.held == odd.input.held);
    EXPECT_TRUE(frame.input.pressed == odd.input.pressed);
    EXPECT_TRUE(frame.input.released == odd.input.released);
    EXPECT_TRUE(sameBits(frame.input.mouseX, 0.1));
    EXPECT_TRUE(sameBits(frame.input.mouseY, -1.0 / 3.0));
    EXPECT_TRUE(sameBits(frame.input.walkRight, odd.input.walkRight));
    EXPECT_TRUE(sameBits(frame.input.walkForward, -0.0f));
    EXPECT_TRUE(sameBits(frame.input.lookRight, 1e-40f));
    EXPECT_EQ(frame.position, odd.position);
    EXPECT_EQ(frame.facing, -725.125f);
    EXPECT_EQ(frame.clock, 20.516668f);
}

TEST(Replay, WhatIsNotAWholeReplayOfTheseRulesIsRefusedWithItsReason) {
    const std::string text = replayText(twoFrames());
    const size_t rules = text.find("rules ");
    const size_t lastLine = text.rfind('\n', text.size() - 2) + 1;
    const size_t count = text.find("frames 2");
    const std::string frame = text.substr(lastLine);
    auto withFrame = [&](const std::string& line) { return text.substr(0, lastLine) + line; };
    auto reason = [](const std::string& replay) { return parseReplay(replay).reason; };

    EXPECT_EQ(reason(""), "not a Smeltrun replay");
    EXPECT_EQ(reason("smeltrun-replay 2\n" + text.substr(text.find('\n') + 1)),
              "replay format 2, this game reads format 1");
    EXPECT_EQ(reason(text.substr(0, rules) + "rules 99" + text.substr(text.find('\n', rules))),
              "made under rules 99, this game plays rules 1");
    const size_t game = text.find("game ");
    EXPECT_EQ(reason(text.substr(0, game) + "game 1.0\r\r" + text.substr(text.find('\n', game))),
              "no game version")
        << "a version that would not read back as written";
    EXPECT_EQ(reason(text.substr(0, lastLine)), "truncated: 1 of 2 frames");
    EXPECT_EQ(reason(text.substr(0, count) + "frames 200000" + text.substr(count + 8)),
              "200000 frames, more than the 108000 a replay may hold");
    EXPECT_EQ(reason(withFrame(std::string(600, '1'))), "line 8 is longer than 512 bytes");
    EXPECT_EQ(reason(text + frame), "line 9: more than the frames counted");
    EXPECT_EQ(reason(withFrame("nan" + frame.substr(frame.find(' ')))), "line 8: not a frame");
    for (const char* damaged : {
             "-1p+0 0 0 0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0\n",  // a step back
             "0p+0 80000 0 0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0\n",  // no
                                                                                         // action
             "0p+0 0 0 0 1p+40 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0\n",     // a mouse
                                                                                         // leap
             "0p+0 0 0 0 0p+0 0p+0 1.8p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0\n",    // a stick
                                                                                         // past 1
             "0p+0 0 0 0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 inf 0p+0 0p+0 0p+0 0p+0\n",
             "0p+0 0 0 0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0\n",  // a field short
             "0x1p-6 0 0 0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0\n",  // C's 0x
         }) {
        EXPECT_EQ(reason(withFrame(damaged)), "line 8: not a frame") << damaged;
    }
    EXPECT_EQ(
        reason(withFrame("0p+0 0 0 0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0 0p+0\n")),
        "")
        << "the same line whole";
}

TEST(Replay, TheRecorderKeepsThirtyMinutesAt60FramesASecondAndNoMore) {
    ReplayRecorder recorder("1.0.0", ReplaySettings{5.0f, -9.8f});
    for (int frame = 0; frame < 30 * 60 * 60; ++frame) {
        recorder.add(oddFrame());
    }
    EXPECT_TRUE(recorder.whole());
    recorder.add(oddFrame());
    EXPECT_FALSE(recorder.whole());
    EXPECT_EQ(recorder.replay().frames.size(), 108000u);
}

TEST(Replay, TheRecorderKnowsTheLongestFrameOfItsGameKeptOrNot) {
    ReplayRecorder recorder("1.0.0", ReplaySettings{5.0f, -9.8f});
    ReplayFrame frame = oddFrame();
    recorder.add(frame);
    recorder.stop();  // the sensitivity changed: the frames after are not kept, but were played
    frame.deltaTime = 0.5f;
    recorder.add(frame);
    EXPECT_EQ(recorder.longestFrame(), 0.5f);
    recorder.startOver(ReplaySettings{5.0f, -9.8f}, {});
    EXPECT_EQ(recorder.longestFrame(), 0.0f) << "a new run";
}

// A replay's text, from the test data.
Replay keptReplay(const std::string& name) {
    std::ifstream file(std::filesystem::path(SMELTRUN_TEST_DATA_DIR) / name);
    std::stringstream text;
    text << file.rdbuf();
    ReplayRead read = parseReplay(text.str());
    EXPECT_TRUE(read.replay) << name << ": " << read.reason;
    return read.replay ? *read.replay : Replay{};
}

// At 20 frames a second each frame is one step, whatever the float clock's rounding makes of
// it; a longer frame is as many steps of at most a twentieth as it needs, and no more.
TEST(RecordRun, AFrameIsOneStepUpToATwentiethOfASecondAndALongerOneIsCutIntoTwentieths) {
    const float twentieth = 1.0f / 20.0f;
    for (const float frame : {0.0f, 1.0f / 60.0f, twentieth, twentieth + 5e-4f}) {
        EXPECT_EQ(stepsIn(frame), 1) << frame;
    }
    for (const float frame : {0.06f, 0.1f, 0.333f, 11.0f, 60.0f}) {
        const int steps = stepsIn(frame);
        EXPECT_LE(frame / static_cast<float>(steps), twentieth * (1.0f + 1e-6f)) << frame;
        EXPECT_GT(frame / static_cast<float>(steps - 1), twentieth) << frame;
    }
    EXPECT_EQ(stepsIn(11.0f), 220);
}

// The autopilot's kept win on the course, at 60 frames a second with the frame rate's wobble,
// and each pack level's.
TEST(RecordRun, EveryKeptReplayIsARecordRun) {
    std::vector<std::string> names{"autoplay.replay"};
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::path(SMELTRUN_TEST_DATA_DIR) / "levels")) {
        if (entry.path().extension() == ".replay") {  // beside them, the tests' own levels
            names.push_back("levels/" + entry.path().filename().string());
        }
    }
    ASSERT_GT(names.size(), 1u);
    for (const std::string& name : names) {
        EXPECT_EQ(recordRunDoubt(keptReplay(name)), std::nullopt) << name;
    }
}

TEST(RecordRun, AReplayUnderAnotherGravityWithAStallOrWithoutFramesIsNoRecordRun) {
    const Replay kept = keptReplay("autoplay.replay");
    ASSERT_GT(kept.frames.size(), 2u);
    Replay weightless = kept;
    weightless.settings.gravity = 0.0f;
    EXPECT_EQ(recordRunDoubt(weightless), "gravity 0, not the game's -9.8");
    Replay stalled = kept;
    stalled.frames.resize(2);
    stalled.frames[1].deltaTime = 11.0f;
    EXPECT_EQ(recordRunDoubt(stalled),
              "frame 2 takes 11 s, longer than a record run's longest frame of 0.25 s");
    Replay empty = kept;
    empty.frames.clear();
    EXPECT_EQ(recordRunDoubt(empty), "no frames");
    Replay ownSensitivity = kept;
    ownSensitivity.settings.sensitivity *= 2.0f;
    EXPECT_EQ(recordRunDoubt(ownSensitivity), std::nullopt) << "the player's own to choose";
}

TEST(RecordRun, APlayedReplayIsAWinOnlyWhenItsWinComesAtItsLastFrame) {
    EXPECT_EQ(playedDoubt(ReplayPlayed{100, 100, 100, false}), std::nullopt);
    EXPECT_EQ(playedDoubt(ReplayPlayed{100, 100, 100, true}),
              "it played otherwise than it was recorded");
    EXPECT_EQ(playedDoubt(ReplayPlayed{100, 100, std::nullopt, false}),
              "it stopped at frame 100 of 100 without a win");
    EXPECT_EQ(playedDoubt(ReplayPlayed{100, 40, std::nullopt, false}),
              "it stopped at frame 40 of 100 without a win");
    EXPECT_EQ(playedDoubt(ReplayPlayed{100, 90, 90, false}),
              "10 frames follow its win at frame 90");
}

// A lost run and then the won one: the clock starts again at the loss.
TEST(Ghost, FollowsTheLastRunBetweenItsFramesAndEndsWithIt) {
    Replay replay{"1.0.0", ReplaySettings{5.0f, -9.8f}, {}, {}};
    const std::pair<float, float> frames[] = {{0.0f, 0.0f},   {1.0f, 10.0f},  {2.0f, 20.0f},
                                              {0.0f, 100.0f}, {1.0f, 110.0f}, {2.0f, 120.0f}};
    for (const auto& [clock, x] : frames) {
        ReplayFrame frame;
        frame.clock = clock;
        frame.position.x = x;
        frame.facing = -x;
        replay.frames.push_back(frame);
    }
    const GhostTrack track(replay);
    ASSERT_TRUE(track.at(0.5f));
    EXPECT_EQ(track.at(0.5f)->position.x, 105.0f);
    EXPECT_EQ(track.at(0.5f)->facing, -105.0f);
    EXPECT_EQ(track.at(2.0f)->position.x, 120.0f);
    EXPECT_FALSE(track.at(2.5f));
}

}  // namespace
