#pragma once

#include <optional>

// What makes a run one whose time can stand as a record: the game's own rules, played in the
// steps those rules are made for.

// The game's own gravity. A player may change it in the settings and play on, but a time won
// under another is no record.
constexpr float kGameGravity = -9.8f;  // units per second squared, upward positive

// The longest step the rules take at once: jumps, gaps, traps and platforms are met within it.
// A longer frame (a hitch, a dragged window, a debugger) is played as equal steps no longer
// than this. The pack is won at 20 frames a second, each frame one step.
constexpr float kLongestStepSeconds = 1.0f / 20.0f;
// A frame's time is the difference of two readings of the game's float clock, which half an
// hour into a game rounds to a tenth of a millisecond: a frame paced at the longest step can
// come out this much longer and is still taken whole.
constexpr float kClockRoundingSeconds = 1.0e-3f;
// The longest frame of a record run. A slower frame, a slow machine's at 10 frames a second
// say, is played in steps and meets all it would meet in smaller frames; a frame longer than
// this is no machine's pace but a stall (a dragged window, a debugger, a suspend), and a run
// with one keeps no record, nor does a replay with one verify.
constexpr float kLongestRecordFrameSeconds = 0.25f;

// How many equal steps the rules take a frame of this many seconds in: one, unless it is longer
// than the longest step.
int stepsIn(float frameSeconds);

// Why a run is not a record run.
enum class RunFault {
    OtherGravity,  // played under a gravity other than the game's
    LongFrame,     // a frame was longer than a record run's longest: the game stalled
    PartWay,       // started at a checkpoint rather than at the level's start
};

// The fault of a run played under this gravity whose longest frame took this many seconds.
std::optional<RunFault> recordRunFault(float gravity, float longestFrameSeconds);
