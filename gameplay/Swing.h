#pragma once

#include <optional>

// Platforms 1, 3, 5, 7 and 8 swing to and fro with the sine of the game's total time: 7 and
// 8 along z, the others along x, neighbours against each other.
struct Swing {
    int axis;         // 0 for x, 2 for z
    float amplitude;  // units; the sign gives the sense
};

// How the platform at that place in the level swings; nothing for one that stands still.
std::optional<Swing> swingOf(int platform);

// The coordinate on the swing's axis at the given total time in seconds.
float swungCoordinate(const Swing& swing, float origin, float totalTime);
