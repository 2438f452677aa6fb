#pragma once

#include <glm/glm.hpp>
#include <vector>

#include "gameplay/Level.h"

// The way through a level, planned from its file as a player would read it: the platforms in
// the order the file lists them, and on each the places to pass.
struct RouteStop {
    int platform;      // in the level's list
    glm::vec2 offset;  // x and z from the platform's centre, wherever it has moved
};

// On each platform: where it is reached from the one before, its health packs and
// checkpoints, then its far side towards the next, or on the last the goal. Where traps stand
// on a platform, the way across keeps to the lane nearest its middle that clears them all; a
// platform with no such lane is crossed in the middle, at a health's cost.
std::vector<RouteStop> planRoute(const Level& level);
