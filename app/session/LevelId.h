#pragma once

#include <string>

#include "gameplay/Replay.h"

// How a level is known, one way for all that keep or show something of it: its records' and
// best run's files, its replays' level line, and the Levels page's played level. The hash is
// of its file's bytes and its own files', so the same level at two paths is one level, and an
// edited one is another. The course has neither hash nor name, wherever its description came
// from, so that its records stay the player's first ones.
struct LevelId {
    std::string hash;  // 16 hexadecimal digits, or empty for the course
    std::string name;  // the level's own, as its file gives it

    bool operator==(const LevelId& other) const { return hash == other.hash && name == other.name; }
    bool operator!=(const LevelId& other) const { return !(*this == other); }
    // What a replay of the level names.
    ReplayLevel tag() const { return ReplayLevel{hash, name}; }
};
