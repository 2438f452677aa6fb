#pragma once

#include <cstddef>
#include <glm/glm.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gameplay/InputSnapshot.h"

// A game as it can be played again: for every frame in which the rules stepped, its time step
// and the input snapshot they read, and what came of it (the player's place and facing, the
// run's clock), so that playback can be checked and the best run drawn as a ghost. It starts
// with the game, so every run up to the last is in it.
//
// Its text is a header, then one line per frame:
//
//   smeltrun-replay 1
//   game 1.0.0
//   rules 1
//   sensitivity 1.4p+2
//   gravity -1.3999ap+3
//   level 3f0c9a1b22d4e5f6 First steps
//   frames 1234
//   <step> <held> <pressed> <released> <mouse x> <mouse y> <walk right> <walk forward>
//       <look right> <look up> <x> <y> <z> <facing> <clock>
//
// The level line names a level other than the course, by the hash of its file and its name;
// a replay of the course has none. Reals are hexadecimal floating point (C's %a without its 0x), so
// that each reads back to the last bit; the three action sets are hexadecimal masks, one bit per
// Action in its order.

constexpr int kReplayFormat = 1;
// Bumped whenever the same input would play otherwise: a rule, the level's layout, the order
// of Action. A replay made under other rules is refused, since it would not play the same.
constexpr int kRulesVersion = 1;
constexpr std::size_t kMaxReplayFrames = 30 * 60 * 60;  // thirty minutes at 60 frames a second
constexpr std::size_t kMaxReplayLineBytes = 512;        // a frame's line takes about 150
constexpr std::size_t kReplayHeaderLines = 7;
constexpr std::size_t kMaxLevelNameBytes = 64;
constexpr std::size_t kMaxReplayBytes =
    (kReplayHeaderLines + kMaxReplayFrames) * (kMaxReplayLineBytes + 1);

struct ReplayFrame {
    float deltaTime = 0.0f;  // seconds
    InputSnapshot input;
    glm::vec3 position{0.0f};  // the player's, after the frame
    float facing = 0.0f;       // the player's turn about y after the frame, degrees
    float clock = 0.0f;        // the run's seconds after the frame, 0 again after a loss
};

// The settings that the rules read besides the input: a replay plays with its own.
struct ReplaySettings {
    float sensitivity = 0.0f;  // degrees per pixel per second of look
    float gravity = 0.0f;      // units per second squared
};

// The level a replay was played on: empty for the course.
struct ReplayLevel {
    std::string hash;  // of the level's file, as 16 hexadecimal digits
    std::string name;
};

struct Replay {
    std::string gameVersion;  // the version of the game that recorded it
    ReplaySettings settings;
    ReplayLevel level;
    std::vector<ReplayFrame> frames;
};

struct ReplayRead {
    std::optional<Replay> replay;
    std::string reason;  // why there is none, in words fit for the console
};

// Reads a replay; whatever the text, it allocates no more than the frames it holds (at most
// kMaxReplayFrames) and refuses, with its reason, a text that is not a whole replay of this
// format and these rules.
ReplayRead parseReplay(std::string_view text);

std::string replayText(const Replay& replay);

// Why the replay cannot be a record run's, as far as its text tells (its rules and its steps),
// in words fit for the console; nothing when it can be. Whether it ends in the win it claims,
// only playing it tells.
std::optional<std::string> recordRunDoubt(const Replay& replay);

// How a replay's playing went.
struct ReplayPlayed {
    std::size_t frames = 0;               // the replay's
    std::size_t played = 0;               // of them, before the playing stopped
    std::optional<std::size_t> wonAfter;  // the frames played when the win came, if it came
    bool diverged = false;                // a frame came out otherwise than it was recorded
};

// Why the replay, played so, is not the win of a game: the win it claims must come at its
// last frame, every frame as it was recorded.
std::optional<std::string> playedDoubt(const ReplayPlayed& played);

// Keeps a game's frames in memory without allocating after it starts: the room for
// kMaxReplayFrames is taken at once, and a game longer than that is not kept.
class ReplayRecorder {
public:
    ReplayRecorder(std::string gameVersion, ReplaySettings settings, ReplayLevel level = {});

    // Counts towards the longest frame even once the frames are no longer kept.
    void add(const ReplayFrame& frame);
    // Nothing more is kept: from here on the frames would not play as they went.
    void stop() { kept = false; }
    // Keeps a new run from its first frame, with these settings, on that level; the room stays.
    void startOver(ReplaySettings settings, ReplayLevel level);
    // Whether every frame of the game so far is kept.
    bool whole() const { return kept; }
    const Replay& replay() const { return recorded; }
    // The longest frame of the game so far, in seconds: a run with a frame longer than the
    // rules' longest step is no record run.
    float longestFrame() const { return longest; }

private:
    Replay recorded;
    bool kept = true;
    float longest = 0.0f;
};
