#include "app/session/LevelSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "app/files/RecordsFile.h"
#include "app/files/ReplayFile.h"
#include "gameplay/Camera.h"
#include "gameplay/RecordRun.h"
#include "tests/support/FileText.h"
#include "tests/support/GameFixture.h"
#include "tests/support/SmallLevel.h"

namespace {

namespace fs = std::filesystem;

const char* const kHashA = "0123456789abcdef";
const char* const kHashB = "fedcba9876543210";
const float kSensitivity = 20.0f;  // degrees per pixel per second
const float kStepSeconds = 1.0f / 60.0f;

Level levelNamed(const std::string& name, int parTime) {
    Level level = courseLevel();
    level.name = name;
    level.parTime = parTime;
    return level;
}

LevelEntry entryOf(const Level& level, const std::string& hash, const std::string& key) {
    LevelEntry entry;
    entry.key = key;
    entry.file = "/levels/" + key + "/level.toml";
    entry.level = level;
    entry.hash = hash;
    return entry;
}

// A session that plays the entry, with a home of its own for the records.
class LevelSessionFiles : public ::testing::Test {
protected:
    LevelSessionFiles() : homes({{"XDG_DATA_HOME", directory.dataHome().string()}}) {}

    GameDirectory directory{""};
    EnvironmentOverride homes;
};

}  // namespace

// Two folders with the same level.toml but other own models are two levels; the same name on
// another level is another level too. The course is the course whatever its file.
TEST(LevelSession, ThePlayedLevelIsKnownByItsIdNotByItsDescription) {
    const Level twin = levelNamed("Twin", 30);
    const LevelEntry withRaft = entryOf(twin, kHashA, "raft");
    const LevelEntry withBarrel = entryOf(twin, kHashB, "barrel");
    const LevelEntry sameName = entryOf(levelNamed("Twin", 40), "00000000000000aa", "other");
    const LevelEntry courseFile = entryOf(courseLevel(), "00000000000000bb", "course");

    const LevelSession session(playedLevel(withRaft, true), ReplaySettings{kSensitivity, -9.8f});
    EXPECT_TRUE(session.isPlayed(withRaft));
    EXPECT_FALSE(session.isPlayed(withBarrel)) << "the same description with other own files";
    EXPECT_FALSE(session.isPlayed(sameName));
    EXPECT_FALSE(session.isPlayed(courseFile));
    EXPECT_EQ(session.played.id.tag().hash, kHashA) << "the replays name the level as it is known";
    EXPECT_EQ(session.played.id.tag().name, "Twin");

    const LevelSession course(PlayedLevel(), ReplaySettings{kSensitivity, -9.8f});
    EXPECT_TRUE(course.isPlayed(courseFile)) << "the course keeps the player's first records";
    EXPECT_FALSE(course.isPlayed(withRaft));
    EXPECT_EQ(course.played.id, levelIdOf(courseFile));
    EXPECT_TRUE(course.played.id.tag().hash.empty());
}

// The played level's best time is the records' in memory, a win in this game included; once
// another level is played it stays known as it was, whatever its file says.
TEST_F(LevelSessionFiles, BestTimesAreThoseOfEachLevelAsTheGameKnowsThem) {
    const LevelEntry a = entryOf(levelNamed("A", 30), kHashA, "a");
    const LevelEntry b = entryOf(levelNamed("B", 30), kHashB, "b");
    writeFile(levelRecordsFile(kHashB), "smeltrun-records 1\nbest_time 30\n");

    LevelSession session(playedLevel(a, true), ReplaySettings{kSensitivity, kGameGravity});
    session.loadRecords();
    EXPECT_EQ(session.bestTimeOf(a), std::nullopt);
    EXPECT_EQ(session.bestTimeOf(b), 30.0f);
    session.records.bestTime = 12.0f;  // as a win in this game leaves them
    EXPECT_EQ(session.bestTimeOf(a), 12.0f);

    session.changeLevel(playedLevel(b, true), nullptr);
    session.loadRecords();
    EXPECT_EQ(session.bestTimeOf(b), 30.0f);
    EXPECT_EQ(session.bestTimeOf(a), 12.0f) << "the win in this game, not the empty file";
}

// A record run's win is kept under the level's id with its replay, and the next faster one
// beats it, split against split; under another gravity the win keeps nothing.
TEST_F(LevelSessionFiles, AWinKeepsItsRecordsAndReplayUnderTheLevelsId) {
    const LevelEntry a = entryOf(levelNamed("A", 30), kHashA, "a");
    LevelEntry withCheckpoint = a;
    withCheckpoint.level.checkpoints.push_back(Piece{});
    LevelSession session(playedLevel(withCheckpoint, false),
                         ReplaySettings{kSensitivity, kGameGravity});
    session.loadRecords();
    const auto runTo = [&session](float checkpointAt) {
        session.startRun(RunStart::own(ReplaySettings{kSensitivity, kGameGravity}));
        session.recording.add(ReplayFrame{kStepSeconds, {}, glm::vec3(0.0f), 0.0f, kStepSeconds});
        session.runSplits[0] = checkpointAt;
    };

    runTo(3.0f);
    const LevelSession::KeptRun first = session.keepWin(10.0f, 500);
    EXPECT_FALSE(first.beatenTime) << "no earlier best";
    EXPECT_TRUE(first.results.newBest);
    ASSERT_EQ(first.results.splits.size(), 1u);
    EXPECT_EQ(first.results.splits[0].seconds, 3.0f);
    EXPECT_EQ(first.results.splits[0].best, kNoSplit);
    ASSERT_TRUE(session.bestRun);
    EXPECT_EQ(session.bestRun->level.hash, kHashA);
    EXPECT_TRUE(readReplayFile(levelReplayFile(kHashA)).replay);

    runTo(2.0f);
    const LevelSession::KeptRun second = session.keepWin(8.0f, 600);
    EXPECT_TRUE(second.beatenTime);
    EXPECT_EQ(second.results.splits[0].best, 3.0f) << "set against the best run before it";
    EXPECT_EQ(loadRecords(levelRecordsFile(kHashA)).bestTime, 8.0f);

    StdoutCapture console;
    session.startRun(RunStart::own(ReplaySettings{kSensitivity, kGameGravity / 2.0f}));
    const LevelSession::KeptRun lighter = session.keepWin(5.0f, 700);
    EXPECT_EQ(lighter.results.notRecord, RunFault::OtherGravity);
    EXPECT_FALSE(lighter.results.newBest);
    EXPECT_EQ(lighter.results.best, 8.0f);
    EXPECT_EQ(loadRecords(levelRecordsFile(kHashA)).bestTime, 8.0f);
}

namespace {

// The small level with a health pack on the way and a platform swinging beside it: each part
// of a run's state changes as the player walks to the checkpoint.
std::string busyLevel() {
    return std::string(kSmallLevel) +
           "[[health]]\nat = [0.0, -0.5, -3.0]\n"
           "[[platform]]\nat = [10.0, -0.5, -6.0]\nswing = { axis = \"x\", amplitude = 2.0 }\n";
}

// What a run's start sets, as the rules and the drawing read it.
struct StartState {
    glm::vec3 position, pivot, rotation, velocity, acceleration, restartPosition;
    float turnSpeed, slowTimer, speed;
    int health;
    bool isJumping, goalReached;
    float cameraSensitivity, cameraYaw, cameraPitch;
    bool cameraFollowsPlayer;
    std::vector<bool> itemsHidden, itemsReached;
    std::vector<glm::vec3> platformsAt;
    float totalTime;
    std::vector<float> runSplits;
    bool recordingWhole;
    std::size_t framesRecorded;

    bool operator==(const StartState& other) const {
        return std::tie(position, pivot, rotation, velocity, acceleration, restartPosition,
                        turnSpeed, slowTimer, speed, health, isJumping, goalReached,
                        cameraSensitivity, cameraYaw, cameraPitch, cameraFollowsPlayer, itemsHidden,
                        itemsReached, platformsAt, totalTime, runSplits, recordingWhole,
                        framesRecorded) ==
               std::tie(other.position, other.pivot, other.rotation, other.velocity,
                        other.acceleration, other.restartPosition, other.turnSpeed, other.slowTimer,
                        other.speed, other.health, other.isJumping, other.goalReached,
                        other.cameraSensitivity, other.cameraYaw, other.cameraPitch,
                        other.cameraFollowsPlayer, other.itemsHidden, other.itemsReached,
                        other.platformsAt, other.totalTime, other.runSplits, other.recordingWhole,
                        other.framesRecorded);
    }
    bool operator!=(const StartState& other) const { return !(*this == other); }
};

StartState stateOf(const Game& game) {
    const Player& player = *game.player;
    StartState state{player.position,
                     player.pivot,
                     player.rotation,
                     player.velocity,
                     player.acceleration,
                     player.restartPosition,
                     player.turnSpeed,
                     player.slowTimer,
                     player.speed,
                     player.health,
                     player.isJumping,
                     player.goalReached,
                     camera.sensitivity,
                     camera.yaw,
                     camera.pitch,
                     camera.target == game.player,
                     {},
                     {},
                     {},
                     game.totalTime,
                     game.session.runSplits,
                     game.session.recording.whole(),
                     game.session.recording.replay().frames.size()};
    for (const Item& item : game.run.items) {
        state.itemsHidden.push_back(item.object->hidden);
        state.itemsReached.push_back(item.reached);
    }
    for (const GameObject* platform : game.platforms) {
        state.platformsAt.push_back(platform->position);
    }
    return state;
}

class RunStartTest : public GameFixture {
protected:
    // Walks ahead until the checkpoint is reached, the health pack taken on the way.
    void walkToTheCheckpoint() {
        input.press(GLFW_KEY_W);
        for (int i = 0; i < kFrameLimit && game->session.runSplits[0] == kNoSplit; ++i) {
            frame();
        }
        input.release(GLFW_KEY_W);
        frame();
        ASSERT_NE(game->session.runSplits[0], kNoSplit) << console.text();
        ASSERT_NE(stateOf(*game), started) << "the walk changed nothing to start again from";
    }

    static constexpr int kFrameLimit = 600;
    StartState started{};
};

}  // namespace

// The game's start, a retry, a replay watched, the game back after it, and the level chosen
// again all start the run from one and the same state.
TEST_F(RunStartTest, EveryWayOfStartingARunStartsTheSame) {
    levelName = "busy";
    startGame(kSmallWindowSettings, [](const fs::path& directory) {
        writeFile(directory / "data/smeltrun/levels/busy.toml", busyLevel());
    });
    started = stateOf(*game);
    ASSERT_EQ(started.runSplits, std::vector<float>{kNoSplit});

    walkToTheCheckpoint();
    game->retry();
    EXPECT_EQ(stateOf(*game), started) << "retried";

    walkToTheCheckpoint();
    const Replay walked = game->session.recording.replay();
    game->startReplay(walked, Game::AfterReplay::Pause);
    StartState watched = stateOf(*game);
    EXPECT_FALSE(watched.recordingWhole) << "a replay watched is not the player's run";
    watched.recordingWhole = started.recordingWhole;
    watched.framesRecorded = started.framesRecorded;
    EXPECT_EQ(watched, started) << "a replay watched";

    for (int i = 0; i < kFrameLimit && game->session.playback; ++i) {
        frame();
    }
    ASSERT_FALSE(game->session.playback);
    EXPECT_FALSE(game->replayDiverged());
    EXPECT_TRUE(game->paused);
    EXPECT_EQ(stateOf(*game), started) << "back from the replay";

    game->setPaused(false);
    walkToTheCheckpoint();
    const std::vector<LevelEntry>& levels = game->session.levelList();
    const auto busy = std::find_if(levels.begin(), levels.end(),
                                   [](const LevelEntry& entry) { return entry.key == "busy"; });
    ASSERT_NE(busy, levels.end());
    ASSERT_FALSE(game->playLevel(playedLevel(*busy, true)));
    EXPECT_EQ(stateOf(*game), started) << "the level chosen again";
}
