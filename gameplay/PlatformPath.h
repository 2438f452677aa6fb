#pragma once

#include <glm/glm.hpp>

#include "gameplay/Level.h"

// Where a platform on a path stands `seconds` into the run: it leaves `at` for the path's
// points in order at its speed, rests `wait` seconds at the last, returns to `at`, rests there
// as long, and goes again. Its `phase` is a head start of that many seconds.
glm::vec3 pathPosition(const PlatformPiece& platform, float seconds);

// Seconds a path platform takes to go out and come back, its rests included; 0 without a path.
float pathRoundTrip(const PlatformPiece& platform);
