#pragma once

#include <glm/glm.hpp>

#include "gameplay/Level.h"

// Where a platform on a path stands `seconds` into the run: it leaves `at` for the path's
// points in order at its speed, turns back at the last, returns to `at`, and goes again.
glm::vec3 pathPosition(const PlatformPiece& platform, float seconds);
